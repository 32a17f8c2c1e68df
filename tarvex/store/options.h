// The panel's own options, kept per user: application "Tarvex", section
// "Options", text values. An absent key reads as the empty text.
#pragma once
#include <string>

#include "tarvex/store/registry.h"

namespace tarvex {

// Where the options live: HKEY_CURRENT_USER\Software\Tarvex\Options.
constexpr const char* kOptionsKey = "Software\\Tarvex\\Options";
constexpr const char* kOptionDXPath = "DXPath";
constexpr const char* kOptionLogo = "Logo";

class Options {
public:
    explicit Options(Registry& registry) : registry_(registry) {}
    std::string Get(const std::string& key);
    bool Set(const std::string& key, const std::string& value);

private:
    Registry& registry_;
};

}  // namespace tarvex
