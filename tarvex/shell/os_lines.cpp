#include "tarvex/shell/os_lines.h"

#include <cstdio>

namespace tarvex {

std::optional<std::string> PlatformLine(std::uint32_t platform) {
    switch (platform) {
    case 0: return std::string("OS Platform = Unknown 32-Bit Windows");
    case 1: return std::string("OS Platform = Windows 95 / 98");
    case 2: return std::string("OS Platform = Windows NT");
    default: return std::nullopt;
    }
}

std::string VersionLine(const OsVersion& os, const std::string& decimal_separator) {
    // The version as one number, major + minor / 100, held in single
    // precision: seven significant digits are its shortest faithful form.
    const float version = static_cast<float>(os.major) + static_cast<float>(os.minor) / 100.0f;
    char text[32];
    std::snprintf(text, sizeof text, "%.7g", static_cast<double>(version));
    std::string line = "OS Version ";
    for (const char* c = text; *c; ++c) {
        if (*c == '.') line += decimal_separator;
        else line += *c;
    }
    return line;
}

std::string BuildLine(const OsVersion& os) {
    const std::uint32_t build = os.platform == 1 ? (os.build & 0xFFFFu) : os.build;
    return "OS Build " + std::to_string(build);
}

}  // namespace tarvex
