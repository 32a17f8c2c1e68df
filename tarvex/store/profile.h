// The profile-file access: the Windows and system directories, the paths of
// WIN.INI and SYSTEM.INI, the existence test, ProfileWrite and ProfileRead.
#pragma once
#include <cstddef>
#include <string>

#include "tarvex/store/profile_api.h"

namespace tarvex {

// The buffer the directory and user-name calls write into.
constexpr std::size_t kSystemBufferSize = 255;
// The buffer a profile read fills: at most 49 characters and the NUL.
constexpr std::size_t kProfileReturnSize = 50;

enum class ProfileFile { WinIni, SystemIni };

struct ProfileReadResult {
    std::size_t length = 0;  // ProfileReadLength
    std::string value;       // ProfileReturn up to the returned length
};

class Profile {
public:
    explicit Profile(ProfileApi& api) : api_(api) {}

    // Obtained afresh on every call; "" when the system call fails.
    std::string WindowsDirectory();
    std::string SystemDirectory();
    // Directory + "\WIN.INI" or "\SYSTEM.INI" (so "\WIN.INI" without a directory).
    static std::string PathIn(const std::string& windows_dir, ProfileFile file);
    // The file's name as the error notices give it: "WIN.INI", "SYSTEM.INI".
    static const char* Name(ProfileFile file);
    bool Exists(const std::string& path);

    // Returns whether the write took effect. An empty value writes the key
    // with an empty value; nothing is ever deleted.
    bool ProfileWrite(const std::string& section, const std::string& key,
                      const std::string& value, const std::string& file);
    ProfileReadResult ProfileRead(const std::string& section, const std::string& key,
                                  const std::string& file);

private:
    ProfileApi& api_;
};

}  // namespace tarvex
