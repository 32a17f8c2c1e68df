// Which files of the system directory the component list shows.
#pragma once
#include <string>
#include <vector>

namespace tarvex {

// Twelve patterns separated by ";".
constexpr const char* kComponentPatterns =
    "D3*.DLL;DD*.DLL;DINPUT.*;DSOUND.*;DP*.*;DIRECTX.CPL;A3*.*;*.BDI;SB*.DRV;SB*.DLL;SB*.VXD;ASP*.*";

// DOS wildcard matching without regard to case: "*" any run, "?" one
// character, and a trailing ".*" also matches a name without an extension.
bool MatchesPattern(const std::string& name, const std::string& pattern);
// Whether the name matches one of the ";"-separated patterns.
bool MatchesAnyPattern(const std::string& name, const std::string& patterns);
// The names matching the patterns, sorted as the list shows them
// (alphabetically, without regard to case).
std::vector<std::string> ComponentFiles(std::vector<std::string> names,
                                        const std::string& patterns = kComponentPatterns);

}  // namespace tarvex
