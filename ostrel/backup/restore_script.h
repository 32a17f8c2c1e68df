// The restore batch file "ostrel.bat": twelve lines, each ended by CR LF,
// that put the two backed-up registry files back into the Windows folder.
#pragma once
#include <string>

namespace ostrel {

// windows_dir as GetWindowsDirectoryA gives it (no trailing backslash);
// backup_dir is the "tempback" folder with its trailing backslash.
std::string RestoreScript(const std::string& windows_dir, const std::string& backup_dir,
                          const std::string& time_stamp);

}  // namespace ostrel
