#include <gtest/gtest.h>

#include "ostrel/app/program_paths.h"

namespace ostrel {
namespace {

TEST(ProgramPaths, FolderDriveAndRunValueComeFromTheModulePath) {
    struct Row {
        const char* module;
        const char* command_line;
        const char* folder;
        const char* drive;
        const char* run_value;
    } rows[] = {
        // As Windows starts it from the Run entry or the shell.
        {"D:\\TOOLS\\OSTREL\\OSTREL.EXE", "\"D:\\TOOLS\\OSTREL\\OSTREL.EXE\"", "D:\\TOOLS\\OSTREL\\", "D:\\",
         "\"D:\\TOOLS\\OSTREL\\OSTREL.EXE\""},
        {"C:\\OSTREL.EXE", "\"C:\\OSTREL.EXE\"", "C:\\", "C:\\", "\"C:\\OSTREL.EXE\""},
        // Unquoted, relative, with arguments that carry backslashes.
        {"D:\\TOOLS\\OSTREL.EXE", "D:\\TOOLS\\OSTREL.EXE", "D:\\TOOLS\\", "D:\\",
         "\"D:\\TOOLS\\OSTREL.EXE\""},
        {"E:\\APPS\\OSTREL.EXE", "ostrel", "E:\\APPS\\", "E:\\", "\"E:\\APPS\\OSTREL.EXE\""},
        {"E:\\APPS\\OSTREL.EXE", "..\\APPS\\ostrel.exe /x C:\\a\\b", "E:\\APPS\\", "E:\\",
         "\"E:\\APPS\\OSTREL.EXE\" /x C:\\a\\b"},
        {"C:\\Program Files\\Ostrel\\Ostrel.exe", "\"C:\\Program Files\\Ostrel\\Ostrel.exe\"  -q",
         "C:\\Program Files\\Ostrel\\", "C:\\", "\"C:\\Program Files\\Ostrel\\Ostrel.exe\" -q"},
        {"C:\\OSTREL.EXE", "\"C:\\OSTREL.EXE\"-q", "C:\\", "C:\\", "\"C:\\OSTREL.EXE\" -q"},
        // A program started from a network share backs up to the share's root.
        {"\\\\SERVER\\TOOLS\\OSTREL\\OSTREL.EXE", "\\\\SERVER\\TOOLS\\OSTREL\\OSTREL.EXE",
         "\\\\SERVER\\TOOLS\\OSTREL\\", "\\\\SERVER\\TOOLS\\", "\"\\\\SERVER\\TOOLS\\OSTREL\\OSTREL.EXE\""},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        ProgramPaths p = ProgramPathsFrom(rows[i].module, rows[i].command_line);
        EXPECT_EQ(p.folder, rows[i].folder) << "row " << i;
        EXPECT_EQ(p.drive_root, rows[i].drive) << "row " << i;
        EXPECT_EQ(p.run_value, rows[i].run_value) << "row " << i;
    }
}

}  // namespace
}  // namespace ostrel
