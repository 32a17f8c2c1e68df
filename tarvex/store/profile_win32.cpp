#include "tarvex/store/profile_win32.h"

#include <windows.h>

#include <vector>

namespace tarvex {

namespace {

// A result of 0 is a failure and one of `size` or more the length the path
// would need; in both cases the buffer holds no directory.
std::string Directory(UINT (WINAPI *call)(LPSTR, UINT), std::size_t size) {
    std::vector<char> buffer(size, '\0');
    const UINT length = call(buffer.data(), static_cast<UINT>(size));
    if (length == 0 || length >= size) return "";
    return std::string(buffer.data());
}

}  // namespace

std::string Win32ProfileApi::WindowsDirectory(std::size_t size) {
    return Directory(GetWindowsDirectoryA, size);
}

std::string Win32ProfileApi::SystemDirectory(std::size_t size) {
    return Directory(GetSystemDirectoryA, size);
}

bool Win32ProfileApi::IsOrdinaryFile(const std::string& path) {
    WIN32_FIND_DATAA found;
    const HANDLE search = FindFirstFileA(path.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    const DWORD excluded = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (found.dwFileAttributes & excluded) == 0;
}

bool Win32ProfileApi::WriteString(const std::string& section, const std::string& key,
                                  const std::string& value, const std::string& file) {
    return WritePrivateProfileStringA(section.c_str(), key.c_str(), value.c_str(), file.c_str()) != 0;
}

std::string Win32ProfileApi::ReadString(const std::string& section, const std::string& key,
                                        const std::string& file, std::size_t size) {
    std::vector<char> buffer(size, '\0');
    const DWORD count = GetPrivateProfileStringA(section.c_str(), key.c_str(), "", buffer.data(),
                                                 static_cast<DWORD>(size), file.c_str());
    return std::string(buffer.data(), count);
}

}  // namespace tarvex
