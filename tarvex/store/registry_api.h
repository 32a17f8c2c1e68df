// The raw registry calls the wrappers stand on, one per Win32 call family.
// Implemented on the real registry (registry_win32.cpp) and in memory
// (memory_registry.h) for the host tests.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace tarvex {

// The predefined root keys, by the values Windows gives their handles.
enum class RootKey : std::uint32_t {
    CurrentUser = 0x80000001u,
    LocalMachine = 0x80000002u,
};

// Value types as the registry numbers them.
enum : std::uint32_t { kRegSz = 1, kRegBinary = 3, kRegDword = 4 };

struct RegistryValue {
    std::uint32_t type = 0;
    std::vector<std::uint8_t> data;
};

class RegistryApi {
public:
    virtual ~RegistryApi() = default;
    // RegCreateKeyA on the whole path (creating what is missing), RegCloseKey.
    virtual bool CreateKey(RootKey root, const std::string& path) = 0;
    // RegDeleteKeyA on the root with the whole path.
    virtual bool DeleteKey(RootKey root, const std::string& path) = 0;
    // RegCreateKeyA, RegSetValueExA with exactly these bytes, RegCloseKey.
    virtual bool SetValue(RootKey root, const std::string& path, const std::string& name,
                          std::uint32_t type, const std::vector<std::uint8_t>& data) = 0;
    // RegOpenKeyA, RegDeleteValueA, RegCloseKey.
    virtual bool DeleteValue(RootKey root, const std::string& path, const std::string& name) = 0;
    // RegOpenKeyA, RegQueryValueExA with a buffer of buffer_size bytes
    // (no buffer at all when buffer_size is 0: type and size only, data stays
    // empty), RegCloseKey. Fails when the value is larger than the buffer.
    // On success data holds the bytes read; on a size-only query its size()
    // is the value's size and its bytes are zero.
    virtual std::optional<RegistryValue> QueryValue(RootKey root, const std::string& path,
                                                    const std::string& name,
                                                    std::size_t buffer_size) = 0;
};

}  // namespace tarvex
