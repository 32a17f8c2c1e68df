// Where the program lives and how it registers itself, from its own module
// path: the command line may be quoted, unquoted, relative or carry
// arguments, the module path is always the full path.
#pragma once
#include <string>

namespace ostrel {

struct ProgramPaths {
    std::string folder;      // the program's folder, with its trailing backslash
    std::string drive_root;  // "D:\" (or "\\server\share\" for a network path)
    std::string run_value;   // what the Run entry starts
};

// module_path as GetModuleFileNameA gives it, command_line as
// GetCommandLineA gives it.
ProgramPaths ProgramPathsFrom(const std::string& module_path, const std::string& command_line);

}  // namespace ostrel
