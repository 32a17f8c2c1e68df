#include <gtest/gtest.h>

#include "ostrel/app/program_paths.h"
#include "ostrel/backup/restore_script.h"

namespace ostrel {
namespace {

const char kStamp[] = "9:05:09 P.M. on March 7, 1998";

TEST(RestoreScript, ProgramOnDWithWindowsOnC) {
    ProgramPaths paths =
        ProgramPathsFrom("D:\\TOOLS\\OSTREL\\OSTREL.EXE", "\"D:\\TOOLS\\OSTREL\\OSTREL.EXE\"");
    EXPECT_EQ(RestoreScript("C:\\WINDOWS", paths.drive_root + "tempback\\", kStamp),
              "@echo off\r\n"
              "rem This is an automatically generated file!! Do NOT edit!!!\r\n"
              "rem Created by Ostrel. http://www.kelmora.example/\r\n"
              "echo The registry was last backed up at 9:05:09 P.M. on March 7, 1998\r\n"
              "cd C:\\WINDOWS\\\r\n"
              "attrib C:\\WINDOWS\\system.dat -h -s -r\r\n"
              "attrib C:\\WINDOWS\\user.dat -h -s -r\r\n"
              "copy D:\\tempback\\system.dat C:\\WINDOWS\r\n"
              "copy D:\\tempback\\user.dat C:\\WINDOWS\r\n"
              "attrib C:\\WINDOWS\\system.dat +h +s +r\r\n"
              "attrib C:\\WINDOWS\\user.dat +h +s +r\r\n"
              "echo \"Now restart your computer.\"\r\n");
}

TEST(RestoreScript, ProgramInTheRootOfTheWindowsDrive) {
    ProgramPaths paths = ProgramPathsFrom("C:\\OSTREL.EXE", "\"C:\\OSTREL.EXE\"");
    std::string script = RestoreScript("C:\\WIN98", paths.drive_root + "tempback\\", kStamp);
    EXPECT_NE(script.find(
                  "\r\ncopy C:\\tempback\\system.dat C:\\WIN98\r\ncopy C:\\tempback\\user.dat C:\\WIN98\r\n"),
              std::string::npos)
        << script;
    EXPECT_NE(script.find("\r\ncd C:\\WIN98\\\r\n"), std::string::npos) << script;
}

}  // namespace
}  // namespace ostrel
