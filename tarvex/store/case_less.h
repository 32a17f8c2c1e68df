// Ordering that ignores ASCII case, as registry and profile names do.
#pragma once
#include <algorithm>
#include <cctype>
#include <string>

namespace tarvex {

struct CaseLess {
    bool operator()(const std::string& a, const std::string& b) const {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [](unsigned char x, unsigned char y) {
                                                return std::tolower(x) < std::tolower(y);
                                            });
    }
};

}  // namespace tarvex
