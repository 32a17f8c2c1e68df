#include <gtest/gtest.h>

#include "tarvex/store/memory_profile.h"
#include "tarvex/store/profile.h"

namespace tarvex {
namespace {

TEST(Profile, DirectoriesComeFromABufferOf255) {
    struct Row {
        std::optional<std::string> dir;
        std::string expected;
    };
    const Row rows[] = {
        {"C:\\WINDOWS", "C:\\WINDOWS"},
        {std::string(254, 'd'), std::string(254, 'd')},
        {std::string(255, 'd'), ""},  // no room for the NUL
        {std::nullopt, ""},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        MemoryProfile api;
        api.SetWindowsDirectory(rows[i].dir);
        api.SetSystemDirectory(rows[i].dir);
        Profile profile(api);
        EXPECT_EQ(profile.WindowsDirectory(), rows[i].expected) << "row " << i;
        EXPECT_EQ(profile.SystemDirectory(), rows[i].expected) << "row " << i;
    }
}

TEST(Profile, PathsInTheWindowsDirectory) {
    EXPECT_EQ(Profile::PathIn("C:\\WINDOWS", ProfileFile::WinIni), "C:\\WINDOWS\\WIN.INI");
    EXPECT_EQ(Profile::PathIn("C:\\WINDOWS", ProfileFile::SystemIni), "C:\\WINDOWS\\SYSTEM.INI");
    EXPECT_EQ(Profile::PathIn("", ProfileFile::WinIni), "\\WIN.INI");
    EXPECT_STREQ(Profile::Name(ProfileFile::WinIni), "WIN.INI");
    EXPECT_STREQ(Profile::Name(ProfileFile::SystemIni), "SYSTEM.INI");
}

FileAttributes With(bool FileAttributes::*flag) {
    FileAttributes attributes;
    attributes.*flag = true;
    return attributes;
}

TEST(Profile, OnlyOrdinaryFilesExist) {
    MemoryProfile api;
    api.AddFile("C:\\plain.ini");
    api.AddFile("C:\\readonly.ini", With(&FileAttributes::read_only));
    api.AddFile("C:\\hidden.ini", With(&FileAttributes::hidden));
    api.AddFile("C:\\system.ini", With(&FileAttributes::system));
    api.AddFile("C:\\folder.ini", With(&FileAttributes::directory));
    Profile profile(api);
    const std::pair<const char*, bool> rows[] = {
        {"C:\\plain.ini", true},   {"c:\\PLAIN.INI", true},    {"C:\\readonly.ini", true},
        {"C:\\hidden.ini", false}, {"C:\\system.ini", false},  {"C:\\folder.ini", false},
        {"C:\\absent.ini", false}, {"\\WIN.INI", false},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(profile.Exists(rows[i].first), rows[i].second) << "row " << i << " " << rows[i].first;
}

TEST(Profile, WriteThenReadBack) {
    MemoryProfile api;
    Profile profile(api);
    const std::string file = "C:\\WINDOWS\\WIN.INI";
    ASSERT_TRUE(profile.ProfileWrite("DIRECTDRAW", "ForceRefresh", "75", file));

    const ProfileReadResult read = profile.ProfileRead("DirectDraw", "forcerefresh", file);
    EXPECT_EQ(read.length, 2u);
    EXPECT_EQ(read.value, "75");

    ASSERT_TRUE(profile.ProfileWrite("DirectDraw", "ForceRefresh", "", file));
    EXPECT_EQ(api.Value(file, "DirectDraw", "ForceRefresh"), "") << "the key stays, empty";
    EXPECT_EQ(profile.ProfileRead("DirectDraw", "ForceRefresh", file).length, 0u);
}

TEST(Profile, ReadsOfAbsentOrLongValues) {
    MemoryProfile api;
    Profile profile(api);
    const std::string file = "C:\\WINDOWS\\SYSTEM.INI";
    profile.ProfileWrite("vcache", "Long", std::string(60, '9'), file);
    struct Row {
        const char* section;
        const char* key;
        const char* file;
        std::string value;
    };
    const Row rows[] = {
        {"vcache", "Long", file.c_str(), std::string(49, '9')},
        {"vcache", "Absent", file.c_str(), ""},
        {"absent", "Long", file.c_str(), ""},
        {"vcache", "Long", "C:\\absent.ini", ""},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const ProfileReadResult read = profile.ProfileRead(rows[i].section, rows[i].key, rows[i].file);
        EXPECT_EQ(read.value, rows[i].value) << "row " << i;
        EXPECT_EQ(read.length, rows[i].value.size()) << "row " << i;
    }
}

TEST(Profile, WritesToReadOnlyFilesFail) {
    MemoryProfile api;
    api.AddFile("C:\\locked.ini", With(&FileAttributes::read_only));
    Profile profile(api);
    EXPECT_FALSE(profile.ProfileWrite("s", "k", "v", "C:\\locked.ini"));
    EXPECT_EQ(api.Value("C:\\locked.ini", "s", "k"), std::nullopt);
}

}  // namespace
}  // namespace tarvex
