// A registry key that lives for one test: created at the start, deleted with
// everything below it at the end.
#pragma once
#include <windows.h>

#include <string>

namespace tarvex::wine {

// Deletes a key and its subkeys, whether the system deletes a key with
// subkeys (Windows 9x) or refuses to (NT).
inline bool DeleteTree(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyA(root, path.c_str(), &key) != ERROR_SUCCESS) return false;
    char name[MAX_PATH];
    bool ok = true;
    while (ok && RegEnumKeyA(key, 0, name, sizeof name) == ERROR_SUCCESS) ok = DeleteTree(key, name);
    RegCloseKey(key);
    return RegDeleteKeyA(root, path.c_str()) == ERROR_SUCCESS;
}

inline bool KeyExists(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyA(root, path.c_str(), &key) != ERROR_SUCCESS) return false;
    RegCloseKey(key);
    return true;
}

class ScratchKey {
public:
    ScratchKey(HKEY root, std::string path) : root_(root), path_(std::move(path)) {
        DeleteTree(root_, path_);  // what an aborted run left behind
        HKEY key;
        if (RegCreateKeyA(root_, path_.c_str(), &key) == ERROR_SUCCESS) RegCloseKey(key);
    }
    ~ScratchKey() { DeleteTree(root_, path_); }
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    const std::string& path() const { return path_; }
    // The open key, for raw calls; closed by the caller.
    HKEY Open() const {
        HKEY key = nullptr;
        RegOpenKeyA(root_, path_.c_str(), &key);
        return key;
    }

private:
    HKEY root_;
    std::string path_;
};

}  // namespace tarvex::wine
