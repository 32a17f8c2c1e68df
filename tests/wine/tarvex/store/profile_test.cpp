#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <sstream>

#include "tarvex/store/profile.h"
#include "tarvex/store/profile_win32.h"

namespace tarvex {
namespace {

// A folder of scratch files in the prefix's temp folder, removed at the end.
class ScratchFolder : public ::testing::Test {
protected:
    ScratchFolder() {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        dir_ = std::string(temp) + "tarvex-profile-test";
        RemoveAll();
        CreateDirectoryA(dir_.c_str(), nullptr);
    }
    ~ScratchFolder() override { RemoveAll(); }

    std::string Path(const std::string& name) const { return dir_ + "\\" + name; }

    void MakeFile(const std::string& name, DWORD attributes, const std::string& text = "") {
        std::ofstream(Path(name), std::ios::binary) << text;
        SetFileAttributesA(Path(name).c_str(), attributes);
    }

    std::string Contents(const std::string& name) const {
        std::ifstream in(Path(name), std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

    Win32ProfileApi api_;
    Profile profile_{api_};

private:
    void RemoveAll() {
        WIN32_FIND_DATAA found;
        const HANDLE search = FindFirstFileA((dir_ + "\\*").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do {
                const std::string path = Path(found.cFileName);
                SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
                if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                    RemoveDirectoryA(path.c_str());
                else
                    DeleteFileA(path.c_str());
            } while (FindNextFileA(search, &found));
            FindClose(search);
        }
        RemoveDirectoryA(dir_.c_str());
    }

    std::string dir_;
};

TEST_F(ScratchFolder, DirectoriesOfThePrefixHoldItsProfileFiles) {
    const std::string windows = profile_.WindowsDirectory();
    const std::string system = profile_.SystemDirectory();
    char expected[MAX_PATH];
    ASSERT_GT(GetWindowsDirectoryA(expected, sizeof expected), 0u);
    EXPECT_EQ(windows, expected);
    ASSERT_GT(GetSystemDirectoryA(expected, sizeof expected), 0u);
    EXPECT_EQ(system, expected);
    EXPECT_NE(windows, system);

    EXPECT_TRUE(profile_.Exists(Profile::PathIn(windows, ProfileFile::WinIni)));
    EXPECT_TRUE(profile_.Exists(Profile::PathIn(windows, ProfileFile::SystemIni)));
    EXPECT_FALSE(profile_.Exists(Profile::PathIn("", ProfileFile::WinIni))) << "no directory, no file";
}

TEST_F(ScratchFolder, OnlyOrdinaryFilesExist) {
    MakeFile("plain.ini", FILE_ATTRIBUTE_NORMAL);
    MakeFile("archive.ini", FILE_ATTRIBUTE_ARCHIVE);
    MakeFile("readonly.ini", FILE_ATTRIBUTE_READONLY);
    MakeFile("hidden.ini", FILE_ATTRIBUTE_HIDDEN);
    MakeFile("system.ini", FILE_ATTRIBUTE_SYSTEM);
    CreateDirectoryA(Path("folder.ini").c_str(), nullptr);
    const std::pair<const char*, bool> rows[] = {
        {"plain.ini", true},   {"PLAIN.INI", true},    {"archive.ini", true}, {"readonly.ini", true},
        {"hidden.ini", false}, {"system.ini", false},  {"folder.ini", false}, {"absent.ini", false},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(profile_.Exists(Path(rows[i].first)), rows[i].second) << "row " << i << " " << rows[i].first;
}

TEST_F(ScratchFolder, WriteThenReadBack) {
    const std::string file = Path("win.ini");
    MakeFile("win.ini", FILE_ATTRIBUTE_NORMAL, "[windows]\r\nload=\r\n");
    ASSERT_TRUE(profile_.ProfileWrite("DIRECTDRAW", "ForceRefresh", "75", file));

    const ProfileReadResult read = profile_.ProfileRead("DirectDraw", "forcerefresh", file);
    EXPECT_EQ(read.length, 2u);
    EXPECT_EQ(read.value, "75");

    ASSERT_TRUE(profile_.ProfileWrite("DirectDraw", "ForceRefresh", "", file));
    EXPECT_EQ(profile_.ProfileRead("DirectDraw", "ForceRefresh", file).length, 0u);
    EXPECT_NE(Contents("win.ini").find("ForceRefresh="), std::string::npos)
        << "the key stays, empty:\n" << Contents("win.ini");
    EXPECT_NE(Contents("win.ini").find("[windows]"), std::string::npos) << "the rest stays";
}

TEST_F(ScratchFolder, ReadsOfAbsentOrLongValues) {
    const std::string file = Path("system.ini");
    MakeFile("system.ini", FILE_ATTRIBUTE_NORMAL, "[vcache]\r\nLong=" + std::string(60, '9') + "\r\n");
    struct Row {
        std::string section, key, file, value;
    };
    const Row rows[] = {
        {"vcache", "Long", file, std::string(49, '9')},
        {"vcache", "Absent", file, ""},
        {"absent", "Long", file, ""},
        {"vcache", "Long", Path("absent.ini"), ""},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const ProfileReadResult read = profile_.ProfileRead(rows[i].section, rows[i].key, rows[i].file);
        EXPECT_EQ(read.value, rows[i].value) << "row " << i;
        EXPECT_EQ(read.length, rows[i].value.size()) << "row " << i;
    }
}

TEST_F(ScratchFolder, WriteCreatesAMissingFile) {
    EXPECT_TRUE(profile_.ProfileWrite("s", "k", "v", Path("new.ini")));
    EXPECT_EQ(profile_.ProfileRead("s", "k", Path("new.ini")).value, "v");
}

}  // namespace
}  // namespace tarvex
