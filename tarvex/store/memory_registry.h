// A registry in memory for the host tests, behaving as the Windows 9x
// registry does where the wrappers can tell: key and value names ignore
// case, writing a value creates its key path, a query into a buffer smaller
// than the value fails, and deleting a key deletes its subkeys too.
// Values keep exactly the bytes given.
#pragma once
#include <map>

#include "tarvex/store/case_less.h"
#include "tarvex/store/registry_api.h"

namespace tarvex {

class MemoryRegistry : public RegistryApi {
public:
    bool CreateKey(RootKey root, const std::string& path) override;
    bool DeleteKey(RootKey root, const std::string& path) override;
    bool SetValue(RootKey root, const std::string& path, const std::string& name,
                  std::uint32_t type, const std::vector<std::uint8_t>& data) override;
    bool DeleteValue(RootKey root, const std::string& path, const std::string& name) override;
    std::optional<RegistryValue> QueryValue(RootKey root, const std::string& path,
                                            const std::string& name,
                                            std::size_t buffer_size) override;

private:
    struct Key {
        std::map<std::string, Key, CaseLess> subkeys;
        std::map<std::string, RegistryValue, CaseLess> values;
    };
    Key* Find(RootKey root, const std::string& path);
    Key& Create(RootKey root, const std::string& path);

    std::map<RootKey, Key> roots_;
};

}  // namespace tarvex
