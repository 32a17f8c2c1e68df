#include "tarvex/store/options.h"

namespace tarvex {

std::string Options::Get(const std::string& key) {
    return registry_.GetStringValue(RootKey::CurrentUser, kOptionsKey, key);
}

bool Options::Set(const std::string& key, const std::string& value) {
    return registry_.SetStringValue(RootKey::CurrentUser, kOptionsKey, key, value);
}

}  // namespace tarvex
