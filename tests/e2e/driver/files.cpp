// File access for assertions and for setting up a case.
#include "driver.h"

namespace e2e::files {

bool exists(const std::string& path) { return attributes(path) != INVALID_FILE_ATTRIBUTES; }

DWORD attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

std::optional<std::vector<std::uint8_t>> read(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                           OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    std::uint8_t buf[65536];
    DWORD got = 0;
    bool ok = true;
    while ((ok = ReadFile(h, buf, sizeof buf, &got, nullptr) != FALSE) && got > 0)
        bytes.insert(bytes.end(), buf, buf + got);
    CloseHandle(h);
    if (!ok) return std::nullopt;
    return bytes;
}

std::optional<std::string> readText(const std::string& path) {
    auto bytes = read(path);
    if (!bytes) return std::nullopt;
    return std::string(bytes->begin(), bytes->end());
}

namespace {

bool writeBytes(const std::string& path, const void* data, size_t size) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD put = 0;
    const bool ok = WriteFile(h, data, static_cast<DWORD>(size), &put, nullptr) && put == size;
    return CloseHandle(h) && ok;
}

}  // namespace

bool write(const std::string& path, const std::string& bytes) {
    return writeBytes(path, bytes.data(), bytes.size());
}

bool remove(const std::string& path) {
    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(path.c_str());
    return !exists(path);
}

std::string windowsDir() {
    char buf[MAX_PATH];
    const UINT n = GetWindowsDirectoryA(buf, sizeof buf);
    return std::string(buf, n < sizeof buf ? n : 0);
}

std::string systemDir() {
    char buf[MAX_PATH];
    const UINT n = GetSystemDirectoryA(buf, sizeof buf);
    return std::string(buf, n < sizeof buf ? n : 0);
}

std::string join(const std::string& dir, const std::string& name) {
    if (dir.empty() || dir.back() == '\\') return dir + name;
    return dir + "\\" + name;
}

std::optional<VS_FIXEDFILEINFO> fixedVersion(const std::string& path) {
    DWORD handle = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &handle);
    if (!size) return std::nullopt;
    std::vector<char> data(size);
    void* fixed = nullptr;
    UINT len = 0;
    if (!GetFileVersionInfoA(path.c_str(), 0, size, data.data()) ||
        !VerQueryValueA(data.data(), "\\", &fixed, &len) || len < sizeof(VS_FIXEDFILEINFO))
        return std::nullopt;
    return *static_cast<VS_FIXEDFILEINFO*>(fixed);
}

Snapshot::Snapshot(std::string path)
    : path_(std::move(path)), bytes_(read(path_)), attributes_(attributes(path_)) {}

void Snapshot::restore() const {
    if (!bytes_) {
        remove(path_);
        return;
    }
    SetFileAttributesA(path_.c_str(), FILE_ATTRIBUTE_NORMAL);
    writeBytes(path_, bytes_->data(), bytes_->size());
    SetFileAttributesA(path_.c_str(), attributes_);
}

}  // namespace e2e::files
