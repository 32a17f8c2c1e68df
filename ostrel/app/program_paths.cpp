#include "ostrel/app/program_paths.h"

namespace ostrel {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string DriveRoot(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':') return path.substr(0, 2) + "\\";
    if (path.compare(0, 2, "\\\\") == 0) {
        // \\server\share\ : the root ends at the backslash after the share name.
        std::string::size_type share = path.find('\\', 2);
        std::string::size_type end = share == std::string::npos ? share : path.find('\\', share + 1);
        if (end != std::string::npos) return path.substr(0, end + 1);
    }
    return std::string();
}

// Everything after the program's name and the blanks that follow it, split
// the way the C runtime splits off WinMain's command line.
std::string CommandLineArguments(const std::string& command_line) {
    std::string::size_type i = 0;
    if (!command_line.empty() && command_line[0] == '"') {
        std::string::size_type close = command_line.find('"', 1);
        i = close == std::string::npos ? command_line.size() : close + 1;
    } else {
        while (i < command_line.size() && !IsBlank(command_line[i])) ++i;
    }
    while (i < command_line.size() && IsBlank(command_line[i])) ++i;
    return command_line.substr(i);
}

}  // namespace

ProgramPaths ProgramPathsFrom(const std::string& module_path, const std::string& command_line) {
    ProgramPaths paths;
    std::string::size_type slash = module_path.rfind('\\');
    paths.folder = slash == std::string::npos ? std::string() : module_path.substr(0, slash + 1);
    paths.drive_root = DriveRoot(module_path);
    paths.run_value = "\"" + module_path + "\"";
    std::string arguments = CommandLineArguments(command_line);
    if (!arguments.empty()) paths.run_value += " " + arguments;
    return paths;
}

}  // namespace ostrel
