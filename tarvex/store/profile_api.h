// The raw calls behind the profile-file access: directories, the file
// existence test, and WIN.INI / SYSTEM.INI keys. Implemented on Win32
// (profile_win32.cpp) and in memory (memory_profile.h).
#pragma once
#include <cstddef>
#include <string>

namespace tarvex {

class ProfileApi {
public:
    virtual ~ProfileApi() = default;
    // GetWindowsDirectoryA / GetSystemDirectoryA into a buffer of `size`
    // characters: the buffer's text up to the first NUL, or "" when the call
    // returns 0 (or more than the buffer holds).
    virtual std::string WindowsDirectory(std::size_t size) = 0;
    virtual std::string SystemDirectory(std::size_t size) = 0;
    // A directory lookup of exactly this path finds an ordinary file:
    // neither a directory, nor hidden, nor a system file.
    virtual bool IsOrdinaryFile(const std::string& path) = 0;
    // WritePrivateProfileStringA; whether it succeeded.
    virtual bool WriteString(const std::string& section, const std::string& key,
                             const std::string& value, const std::string& file) = 0;
    // GetPrivateProfileStringA with "" as default into a buffer of `size`
    // characters; the returned text (count = its length).
    virtual std::string ReadString(const std::string& section, const std::string& key,
                                   const std::string& file, std::size_t size) = 0;
};

}  // namespace tarvex
