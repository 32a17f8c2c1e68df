// The texts of the status window's status line.
#pragma once
#include <string>
#include <vector>

namespace ostrel {

// After the two registry copies: success, or Error #1 (USER.DAT failed),
// #2 (SYSTEM.DAT failed), #3 (both failed).
std::string CopyStatusText(bool system_copied, bool user_copied);

// After good copies whose restore scripts could not all be written; names
// the files that were not written.
std::string ScriptFailureText(const std::vector<std::string>& unwritten_scripts);

}  // namespace ostrel
