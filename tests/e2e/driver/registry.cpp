// Registry access for assertions and for setting up a case.
#include "driver.h"

#include <cstring>

namespace e2e::reg {

namespace {

// An open key that closes itself.
class Key {
public:
    Key(HKEY root, const std::string& path, REGSAM access, bool create = false) {
        const LONG rc = create ? RegCreateKeyExA(root, path.c_str(), 0, nullptr, 0, access, nullptr, &h_, nullptr)
                               : RegOpenKeyExA(root, path.c_str(), 0, access, &h_);
        if (rc != ERROR_SUCCESS) h_ = nullptr;
    }
    ~Key() { if (h_) RegCloseKey(h_); }
    Key(const Key&) = delete;
    Key& operator=(const Key&) = delete;
    explicit operator bool() const { return h_ != nullptr; }
    HKEY get() const { return h_; }
private:
    HKEY h_ = nullptr;
};

std::string child(const std::string& key, const std::string& name) {
    return key.empty() ? name : key + "\\" + name;
}

}  // namespace

bool keyExists(HKEY root, const std::string& key) {
    return static_cast<bool>(Key(root, key, KEY_READ));
}

bool createKey(HKEY root, const std::string& key) {
    return static_cast<bool>(Key(root, key, KEY_WRITE, true));
}

bool deleteKey(HKEY root, const std::string& key) {
    // Subkeys first: NT-style RegDeleteKeyA refuses a key that has any.
    for (const auto& sub : subkeyNames(root, key)) deleteKey(root, child(key, sub));
    RegDeleteKeyA(root, key.c_str());
    return !keyExists(root, key);
}

bool deleteValue(HKEY root, const std::string& key, const std::string& name) {
    Key k(root, key, KEY_SET_VALUE);
    return k && RegDeleteValueA(k.get(), name.c_str()) == ERROR_SUCCESS;
}

std::optional<Value> get(HKEY root, const std::string& key, const std::string& name) {
    Key k(root, key, KEY_QUERY_VALUE);
    if (!k) return std::nullopt;
    Value v;
    DWORD size = 0;
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &v.type, nullptr, &size) != ERROR_SUCCESS)
        return std::nullopt;
    v.data.resize(size);
    if (RegQueryValueExA(k.get(), name.c_str(), nullptr, &v.type, v.data.data(), &size) != ERROR_SUCCESS)
        return std::nullopt;
    v.data.resize(size);
    return v;
}

std::optional<std::string> getString(HKEY root, const std::string& key, const std::string& name) {
    auto v = get(root, key, name);
    if (!v || (v->type != REG_SZ && v->type != REG_EXPAND_SZ)) return std::nullopt;
    std::string s(v->data.begin(), v->data.end());
    while (!s.empty() && s.back() == '\0') s.pop_back();
    return s;
}

std::optional<DWORD> getDword(HKEY root, const std::string& key, const std::string& name) {
    auto v = get(root, key, name);
    if (!v || v->type != REG_DWORD || v->data.size() != sizeof(DWORD)) return std::nullopt;
    DWORD d;
    std::memcpy(&d, v->data.data(), sizeof d);
    return d;
}

std::vector<std::string> valueNames(HKEY root, const std::string& key) {
    std::vector<std::string> out;
    Key k(root, key, KEY_QUERY_VALUE);
    if (!k) return out;
    char name[16384];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof name;
        if (RegEnumValueA(k.get(), i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        out.emplace_back(name, len);
    }
    return out;
}

std::vector<std::string> subkeyNames(HKEY root, const std::string& key) {
    std::vector<std::string> out;
    Key k(root, key, KEY_ENUMERATE_SUB_KEYS);
    if (!k) return out;
    char name[256];
    for (DWORD i = 0;; ++i) {
        DWORD len = sizeof name;
        if (RegEnumKeyExA(k.get(), i, name, &len, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        out.emplace_back(name, len);
    }
    return out;
}

bool set(HKEY root, const std::string& key, const std::string& name, const Value& value) {
    Key k(root, key, KEY_SET_VALUE, true);
    return k && RegSetValueExA(k.get(), name.c_str(), 0, value.type, value.data.data(),
                               static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
}

bool setString(HKEY root, const std::string& key, const std::string& name, const std::string& value) {
    Value v{REG_SZ, {value.begin(), value.end()}};
    v.data.push_back(0);
    return set(root, key, name, v);
}

bool setDword(HKEY root, const std::string& key, const std::string& name, DWORD value) {
    Value v{REG_DWORD, std::vector<std::uint8_t>(sizeof value)};
    std::memcpy(v.data.data(), &value, sizeof value);
    return set(root, key, name, v);
}

bool setBinary(HKEY root, const std::string& key, const std::string& name,
               const std::vector<std::uint8_t>& value) {
    return set(root, key, name, Value{REG_BINARY, value});
}

struct Snapshot::Tree {
    std::vector<std::pair<std::string, Value>> values;
    std::vector<std::pair<std::string, Tree>> subkeys;

    static Tree read(HKEY root, const std::string& key) {
        Tree t;
        for (const auto& name : valueNames(root, key))
            if (auto v = get(root, key, name)) t.values.emplace_back(name, *v);
        for (const auto& sub : subkeyNames(root, key))
            t.subkeys.emplace_back(sub, read(root, child(key, sub)));
        return t;
    }
    void write(HKEY root, const std::string& key) const {
        createKey(root, key);
        for (const auto& [name, v] : values) set(root, key, name, v);
        for (const auto& [name, sub] : subkeys) sub.write(root, child(key, name));
    }
};

Snapshot::Snapshot(HKEY root, std::string key) : root_(root), key_(std::move(key)) {
    if (keyExists(root_, key_)) tree_ = std::make_shared<Tree>(Tree::read(root_, key_));
}

void Snapshot::restore() const {
    deleteKey(root_, key_);
    if (tree_) tree_->write(root_, key_);
}

}  // namespace e2e::reg
