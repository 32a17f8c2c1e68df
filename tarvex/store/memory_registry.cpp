#include "tarvex/store/memory_registry.h"

#include <sstream>

namespace tarvex {

namespace {

// The parts of a "\"-separated key path; empty parts name no key.
std::vector<std::string> PathParts(const std::string& path) {
    std::vector<std::string> parts;
    std::istringstream in(path);
    for (std::string part; std::getline(in, part, '\\');)
        if (!part.empty()) parts.push_back(part);
    return parts;
}

}  // namespace

MemoryRegistry::Key* MemoryRegistry::Find(RootKey root, const std::string& path) {
    Key* key = &roots_[root];
    for (const auto& part : PathParts(path)) {
        const auto it = key->subkeys.find(part);
        if (it == key->subkeys.end()) return nullptr;
        key = &it->second;
    }
    return key;
}

MemoryRegistry::Key& MemoryRegistry::Create(RootKey root, const std::string& path) {
    Key* key = &roots_[root];
    for (const auto& part : PathParts(path)) key = &key->subkeys[part];
    return *key;
}

bool MemoryRegistry::CreateKey(RootKey root, const std::string& path) {
    Create(root, path);
    return true;
}

bool MemoryRegistry::DeleteKey(RootKey root, const std::string& path) {
    auto parts = PathParts(path);
    if (parts.empty()) return false;  // a root key cannot be deleted
    const std::string leaf = parts.back();
    parts.pop_back();
    Key* parent = &roots_[root];
    for (const auto& part : parts) {
        const auto it = parent->subkeys.find(part);
        if (it == parent->subkeys.end()) return false;
        parent = &it->second;
    }
    return parent->subkeys.erase(leaf) == 1;
}

bool MemoryRegistry::SetValue(RootKey root, const std::string& path, const std::string& name,
                              std::uint32_t type, const std::vector<std::uint8_t>& data) {
    Create(root, path).values[name] = RegistryValue{type, data};
    return true;
}

bool MemoryRegistry::DeleteValue(RootKey root, const std::string& path, const std::string& name) {
    Key* key = Find(root, path);
    return key && key->values.erase(name) == 1;
}

std::optional<RegistryValue> MemoryRegistry::QueryValue(RootKey root, const std::string& path,
                                                        const std::string& name,
                                                        std::size_t buffer_size) {
    Key* key = Find(root, path);
    if (!key) return std::nullopt;
    const auto it = key->values.find(name);
    if (it == key->values.end()) return std::nullopt;
    const RegistryValue& value = it->second;
    if (buffer_size == 0) return RegistryValue{value.type, std::vector<std::uint8_t>(value.data.size())};
    if (value.data.size() > buffer_size) return std::nullopt;
    return value;
}

}  // namespace tarvex
