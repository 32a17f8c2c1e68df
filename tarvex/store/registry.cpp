#include "tarvex/store/registry.h"

namespace tarvex {

namespace {

std::vector<std::uint8_t> LittleEndian(std::uint32_t number, std::size_t width) {
    std::vector<std::uint8_t> bytes(width);
    for (std::size_t i = 0; i < width; ++i) bytes[i] = static_cast<std::uint8_t>(number >> (8 * i));
    return bytes;
}

// The query writes into a number that starts at 0, so data shorter than
// four bytes fill its low bytes; anything longer makes the query fail.
std::uint32_t QueryNumber(RegistryApi& api, RootKey root, const std::string& key,
                          const std::string& name, std::uint32_t wanted_type) {
    const auto value = api.QueryValue(root, key, name, sizeof(std::uint32_t));
    if (!value || value->type != wanted_type) return 0;
    std::uint32_t number = 0;
    for (std::size_t i = 0; i < value->data.size() && i < sizeof number; ++i)
        number |= static_cast<std::uint32_t>(value->data[i]) << (8 * i);
    return number;
}

}  // namespace

bool Registry::CreateKey(RootKey root, const std::string& key) { return api_.CreateKey(root, key); }

bool Registry::DeleteKey(RootKey root, const std::string& key) { return api_.DeleteKey(root, key); }

bool Registry::SetStringValue(RootKey root, const std::string& key, const std::string& name,
                              const std::string& text) {
    return api_.SetValue(root, key, name, kRegSz, std::vector<std::uint8_t>(text.begin(), text.end()));
}

bool Registry::SetBinaryValue(RootKey root, const std::string& key, const std::string& name,
                              std::uint32_t number) {
    return api_.SetValue(root, key, name, kRegBinary, LittleEndian(number, 4));
}

bool Registry::SetDwordValue(RootKey root, const std::string& key, const std::string& name,
                             std::uint32_t number) {
    return api_.SetValue(root, key, name, kRegDword, LittleEndian(number, 4));
}

bool Registry::SetByteValue(RootKey root, const std::string& key, const std::string& name,
                            std::uint32_t number) {
    return api_.SetValue(root, key, name, kRegBinary, LittleEndian(number, 1));
}

bool Registry::DeleteValue(RootKey root, const std::string& key, const std::string& name) {
    return api_.DeleteValue(root, key, name);
}

std::uint32_t Registry::GetDwordValue(RootKey root, const std::string& key, const std::string& name) {
    return QueryNumber(api_, root, key, name, kRegDword);
}

std::uint32_t Registry::GetBinaryValue(RootKey root, const std::string& key, const std::string& name) {
    return QueryNumber(api_, root, key, name, kRegBinary);
}

// Two queries: the first learns type and size, the second reads exactly that
// many bytes. Windows 9x stores text with its NUL, so the text ends there.
std::string Registry::GetStringValue(RootKey root, const std::string& key, const std::string& name) {
    const auto probe = api_.QueryValue(root, key, name, 0);
    if (!probe || probe->type != kRegSz) return "";
    const auto value = api_.QueryValue(root, key, name, probe->data.size());
    if (!value) return "";
    std::string text(value->data.begin(), value->data.end());
    return text.substr(0, text.find('\0'));
}

}  // namespace tarvex
