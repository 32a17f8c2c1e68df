#include "tarvex/store/registry_win32.h"

#include <windows.h>

namespace tarvex {

namespace {

// By name, not by casting the number: on 64-bit Windows the predefined
// handles are sign-extended.
HKEY Handle(RootKey root) {
    return root == RootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}

// An open key, closed when it goes out of scope.
class OpenKey {
public:
    OpenKey(RootKey root, const std::string& path, bool create) {
        const LONG rc = create ? RegCreateKeyA(Handle(root), path.c_str(), &key_)
                               : RegOpenKeyA(Handle(root), path.c_str(), &key_);
        if (rc != ERROR_SUCCESS) key_ = nullptr;
    }
    ~OpenKey() {
        if (key_) RegCloseKey(key_);
    }
    OpenKey(const OpenKey&) = delete;
    OpenKey& operator=(const OpenKey&) = delete;
    HKEY get() const { return key_; }

private:
    HKEY key_ = nullptr;
};

}  // namespace

bool Win32RegistryApi::CreateKey(RootKey root, const std::string& path) {
    return OpenKey(root, path, true).get() != nullptr;
}

bool Win32RegistryApi::DeleteKey(RootKey root, const std::string& path) {
    return RegDeleteKeyA(Handle(root), path.c_str()) == ERROR_SUCCESS;
}

bool Win32RegistryApi::SetValue(RootKey root, const std::string& path, const std::string& name,
                                std::uint32_t type, const std::vector<std::uint8_t>& data) {
    OpenKey key(root, path, true);
    if (!key.get()) return false;
    // A NUL behind the data: for text the system reads up to it (Windows 9x
    // ignores the count) or peeks at the byte after the count (NT).
    std::vector<BYTE> bytes(data.begin(), data.end());
    bytes.push_back(0);
    return RegSetValueExA(key.get(), name.c_str(), 0, type, bytes.data(),
                          static_cast<DWORD>(data.size())) == ERROR_SUCCESS;
}

bool Win32RegistryApi::DeleteValue(RootKey root, const std::string& path, const std::string& name) {
    OpenKey key(root, path, false);
    return key.get() && RegDeleteValueA(key.get(), name.c_str()) == ERROR_SUCCESS;
}

std::optional<RegistryValue> Win32RegistryApi::QueryValue(RootKey root, const std::string& path,
                                                          const std::string& name,
                                                          std::size_t buffer_size) {
    OpenKey key(root, path, false);
    if (!key.get()) return std::nullopt;
    RegistryValue value;
    DWORD type = 0;
    DWORD size = static_cast<DWORD>(buffer_size);
    if (buffer_size == 0) {
        if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
            return std::nullopt;
        value.data.assign(size, 0);
    } else {
        value.data.assign(buffer_size, 0);
        if (RegQueryValueExA(key.get(), name.c_str(), nullptr, &type, value.data.data(), &size) !=
            ERROR_SUCCESS)
            return std::nullopt;
        value.data.resize(size);
    }
    value.type = type;
    return value;
}

}  // namespace tarvex
