#include "tarvex/shell/file_patterns.h"

#include <algorithm>
#include <cctype>

namespace tarvex {
namespace {

char Fold(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

bool Match(const char* n, const char* p) {
    for (; *p; ++p) {
        if (*p == '*') {
            // ".*" at the end matches a name that has no dot at all.
            if (p[1] == '\0') return true;
            for (const char* rest = n;; ++rest) {
                if (Match(rest, p + 1)) return true;
                if (!*rest) return false;
            }
        }
        if (*p == '.' && p[1] == '*' && p[2] == '\0' && *n == '\0') return true;
        if (!*n) return false;
        if (*p != '?' && Fold(*p) != Fold(*n)) return false;
        ++n;
    }
    return *n == '\0';
}

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
    return Match(name.c_str(), pattern.c_str());
}

bool MatchesAnyPattern(const std::string& name, const std::string& patterns) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = patterns.find(';', start);
        if (MatchesPattern(name, patterns.substr(start, end - start))) return true;
        if (end == std::string::npos) return false;
        start = end + 1;
    }
}

std::vector<std::string> ComponentFiles(std::vector<std::string> names, const std::string& patterns) {
    names.erase(std::remove_if(names.begin(), names.end(),
                               [&](const std::string& n) { return !MatchesAnyPattern(n, patterns); }),
                names.end());
    std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](char x, char y) { return Fold(x) < Fold(y); });
    });
    return names;
}

}  // namespace tarvex
