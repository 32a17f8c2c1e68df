// The registry wrappers of the panel: one small operation per kind of value.
// Writers return whether the write took effect; readers give 0 or the empty
// text for anything missing or of another kind, and never fail.
#pragma once
#include <cstdint>
#include <string>

#include "tarvex/store/registry_api.h"

namespace tarvex {

class Registry {
public:
    explicit Registry(RegistryApi& api) : api_(api) {}

    bool CreateKey(RootKey root, const std::string& key);
    bool DeleteKey(RootKey root, const std::string& key);
    // REG_SZ, the text's characters without a terminating NUL.
    bool SetStringValue(RootKey root, const std::string& key, const std::string& name,
                        const std::string& text);
    // REG_BINARY, the number's four bytes, little-endian.
    bool SetBinaryValue(RootKey root, const std::string& key, const std::string& name,
                        std::uint32_t number);
    // REG_DWORD, four bytes.
    bool SetDwordValue(RootKey root, const std::string& key, const std::string& name,
                       std::uint32_t number);
    // REG_BINARY, one byte: the lowest byte of the number.
    bool SetByteValue(RootKey root, const std::string& key, const std::string& name,
                      std::uint32_t number);
    bool DeleteValue(RootKey root, const std::string& key, const std::string& name);

    // The number when the value is a REG_DWORD of at most 4 bytes; else 0.
    std::uint32_t GetDwordValue(RootKey root, const std::string& key, const std::string& name);
    // The number when the value is a REG_BINARY of at most 4 bytes (shorter
    // data fill the low bytes); else 0.
    std::uint32_t GetBinaryValue(RootKey root, const std::string& key, const std::string& name);
    // The text up to its first NUL when the value is a REG_SZ; else "".
    std::string GetStringValue(RootKey root, const std::string& key, const std::string& name);

private:
    RegistryApi& api_;
};

}  // namespace tarvex
