#include "ostrel/status/status_text.h"

namespace ostrel {

std::string CopyStatusText(bool system_copied, bool user_copied) {
    if (system_copied && user_copied) return "Status-- Registry backed up succesfully!";
    const char* number = system_copied ? "1" : user_copied ? "2" : "3";
    return std::string("Status-- Registry has not been backed up. Error #") + number;
}

std::string ScriptFailureText(const std::vector<std::string>& unwritten_scripts) {
    std::string text = "Status-- Could not write ";
    for (std::size_t i = 0; i < unwritten_scripts.size(); ++i) {
        if (i > 0) text += " or ";
        text += unwritten_scripts[i];
    }
    return text;
}

}  // namespace ostrel
