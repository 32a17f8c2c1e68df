// The operating-system lines of the information panel.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace tarvex {

// What the operating system reports of itself.
struct OsVersion {
    std::uint32_t platform = 0;  // 0 Win32s, 1 Windows 95/98, 2 Windows NT
    std::uint32_t major = 0;
    std::uint32_t minor = 0;
    std::uint32_t build = 0;  // as reported: on 95/98 the high word repeats the version
};

// "OS Platform = ..." for the codes 0, 1 and 2; no line for any other code.
std::optional<std::string> PlatformLine(std::uint32_t platform);
// "OS Version " and the version as one single-precision number in its
// shortest form (4.10 reads 4.1, 4.0 reads 4), with the user's separator.
std::string VersionLine(const OsVersion& os, const std::string& decimal_separator);
// "OS Build " and the build number (its low word on Windows 95/98).
std::string BuildLine(const OsVersion& os);

}  // namespace tarvex
