// The registry wrappers' raw calls on the real registry (ANSI calls that
// Windows 95 has). Every call opens or creates its key and closes it again.
#pragma once
#include "tarvex/store/registry_api.h"

namespace tarvex {

class Win32RegistryApi : public RegistryApi {
public:
    bool CreateKey(RootKey root, const std::string& path) override;
    bool DeleteKey(RootKey root, const std::string& path) override;
    bool SetValue(RootKey root, const std::string& path, const std::string& name,
                  std::uint32_t type, const std::vector<std::uint8_t>& data) override;
    bool DeleteValue(RootKey root, const std::string& path, const std::string& name) override;
    std::optional<RegistryValue> QueryValue(RootKey root, const std::string& path,
                                            const std::string& name,
                                            std::size_t buffer_size) override;
};

}  // namespace tarvex
