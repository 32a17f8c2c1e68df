#include <gtest/gtest.h>
#include <windows.h>

#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "ostrel/backup/backup.h"
#include "ostrel/backup/file_system_win32.h"
#include "ostrel/backup/restore_script.h"

namespace {

// Read-only, hidden, system: what a plain file has none of.
constexpr DWORD kRegistryAttributes = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY;

// The head of a Windows 95/98 registry file: the "CREG" signature, the
// version, the offset of the first "RGKN" block and the block count.
std::string RegistryFile(const std::string& body) {
    std::string head("CREG\0\0\1\0\x20\0\0\0\0\0\0\0\1\0\0\0\0\0\0\0\0\0\0\0\0\0\0\0", 32);
    std::string file = head + "RGKN" + body;
    file.resize(8192, '\0');
    return file;
}

void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::string name = found.cFileName;
            if (name == "." || name == "..") continue;
            std::string path = dir + "\\" + name;
            SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileA(path.c_str());
            }
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

std::set<std::string> Names(const std::string& dir) {
    std::set<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        std::string name = found.cFileName;
        if (name != "." && name != "..") names.insert(name);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

const char kOldStamp[] = "9:05:09 P.M. on March 7, 1998";
const char kNewStamp[] = "10:00:00 A.M. on March 8, 1998";

// In the prefix's temp folder: a Windows folder with the two registry files
// (hidden, system, read-only, as Windows keeps them), a drive root with
// the program's folder, and a backup made before the case.
class BackupFiles : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        GetTempPathA(sizeof temp, temp);
        root_ = std::string(temp) + "ostrel-backup-test";
        RemoveTree(root_);
        CreateDirectoryA(root_.c_str(), nullptr);
        folders_ = {root_ + "\\WINDOWS", root_ + "\\tempback\\", root_ + "\\TOOLS\\"};
        CreateDirectoryA(folders_.windows_dir.c_str(), nullptr);
        CreateDirectoryA(folders_.program_dir.c_str(), nullptr);
        PutSources("before");
        ostrel::BackupResult first = ostrel::RunBackup(fs_, folders_, kOldStamp);
        ASSERT_TRUE(first.system_copied && first.user_copied && first.unwritten_scripts.empty());
        PutSources("now");
    }
    void TearDown() override { RemoveTree(root_); }

    void PutSources(const std::string& when) {
        Put(Source("system.dat"), RegistryFile("system " + when), kRegistryAttributes);
        Put(Source("user.dat"), RegistryFile("user " + when), kRegistryAttributes);
    }
    static void Put(const std::string& path, const std::string& bytes, DWORD attributes) {
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
        SetFileAttributesA(path.c_str(), attributes);
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        return bytes.str();
    }
    std::string Source(const std::string& name) const { return folders_.windows_dir + "\\" + name; }
    std::string Backup(const std::string& name) const { return folders_.backup_dir + name; }
    std::string Script(const char* stamp) const {
        return ostrel::RestoreScript(folders_.windows_dir, folders_.backup_dir, stamp);
    }

    // The backup of SetUp, whole, and nothing else in its two folders.
    void ExpectPreviousBackup(const std::string& row) {
        EXPECT_EQ(Read(Backup("system.dat")), RegistryFile("system before")) << row;
        EXPECT_EQ(Read(Backup("user.dat")), RegistryFile("user before")) << row;
        EXPECT_EQ(Read(Backup("ostrel.bat")), Script(kOldStamp)) << row;
        EXPECT_EQ(Read(folders_.program_dir + "ostrel.bat"), Script(kOldStamp)) << row;
        EXPECT_EQ(Names(folders_.backup_dir), (std::set<std::string>{"ostrel.bat", "system.dat", "user.dat"}))
            << row;
        EXPECT_EQ(Names(folders_.program_dir), (std::set<std::string>{"ostrel.bat"})) << row;
    }

    std::string root_;
    ostrel::BackupFolders folders_;
    CWin32FileSystem fs_;
};

TEST_F(BackupFiles, ReplacesThePreviousBackupWithPlainCopies) {
    ostrel::BackupResult r = ostrel::RunBackup(fs_, folders_, kNewStamp);
    EXPECT_TRUE(r.system_copied && r.user_copied && r.unwritten_scripts.empty());
    EXPECT_EQ(Read(Backup("system.dat")), RegistryFile("system now"));
    EXPECT_EQ(Read(Backup("user.dat")), RegistryFile("user now"));
    EXPECT_EQ(GetFileAttributesA(Backup("system.dat").c_str()) & kRegistryAttributes, 0u);
    EXPECT_EQ(GetFileAttributesA(Backup("user.dat").c_str()) & kRegistryAttributes, 0u);
    EXPECT_EQ(Read(Backup("ostrel.bat")), Script(kNewStamp));
    EXPECT_EQ(Read(folders_.program_dir + "ostrel.bat"), Script(kNewStamp));
    EXPECT_EQ(Names(folders_.backup_dir), (std::set<std::string>{"ostrel.bat", "system.dat", "user.dat"}));
}

TEST_F(BackupFiles, ACopyThatFailsLeavesThePreviousBackup) {
    struct Row {
        const char* what;
        const char* source;
        const char* bytes;  // nullptr: the source is missing
        bool system_copied, user_copied;
    } rows[] = {
        {"USER.DAT missing", "user.dat", nullptr, true, false},
        {"SYSTEM.DAT is no registry file", "system.dat", "MZ not a registry file", false, true},
        {"USER.DAT is empty", "user.dat", "", true, false},
    };
    for (const Row& row : rows) {
        SetUp();
        std::string source = Source(row.source);
        if (row.bytes == nullptr) {
            SetFileAttributesA(source.c_str(), FILE_ATTRIBUTE_NORMAL);
            DeleteFileA(source.c_str());
        } else {
            Put(source, row.bytes, kRegistryAttributes);
        }
        ostrel::BackupResult r = ostrel::RunBackup(fs_, folders_, kNewStamp);
        EXPECT_EQ(r.system_copied, row.system_copied) << row.what;
        EXPECT_EQ(r.user_copied, row.user_copied) << row.what;
        ExpectPreviousBackup(row.what);
    }
}

TEST_F(BackupFiles, AScriptThatCannotBeWrittenIsLeftWhole) {
    // A script held open by another program cannot be moved aside.
    const std::string held = folders_.program_dir + "ostrel.bat";
    HANDLE hold = CreateFileA(held.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);
    ostrel::BackupResult r = ostrel::RunBackup(fs_, folders_, kNewStamp);
    CloseHandle(hold);
    EXPECT_TRUE(r.system_copied && r.user_copied);
    EXPECT_EQ(r.unwritten_scripts, (std::vector<std::string>{held}));
    EXPECT_EQ(Read(held), Script(kOldStamp));
    EXPECT_EQ(Names(folders_.program_dir), (std::set<std::string>{"ostrel.bat"}));
    EXPECT_EQ(Read(Backup("ostrel.bat")), Script(kNewStamp)) << "the other script is written";

    // A program folder that is gone: nothing to write into.
    folders_.program_dir = root_ + "\\GONE\\";
    r = ostrel::RunBackup(fs_, folders_, kNewStamp);
    EXPECT_EQ(r.unwritten_scripts, (std::vector<std::string>{folders_.program_dir + "ostrel.bat"}));
}

TEST_F(BackupFiles, ReadOnlyCopiesOfAnEarlierRunDoNotBlockTheNext) {
    for (const char* name : {"system.dat", "user.dat", "ostrel.bat"}) {
        SetFileAttributesA(Backup(name).c_str(), kRegistryAttributes);
    }
    // And a half copy an interrupted run left, read-only as its source.
    Put(Backup("user.new"), "CREG", kRegistryAttributes);
    ostrel::BackupResult r = ostrel::RunBackup(fs_, folders_, kNewStamp);
    EXPECT_TRUE(r.system_copied && r.user_copied && r.unwritten_scripts.empty());
    EXPECT_EQ(Read(Backup("user.dat")), RegistryFile("user now"));
    EXPECT_EQ(GetFileAttributesA(Backup("user.dat").c_str()) & kRegistryAttributes, 0u);
    EXPECT_EQ(Read(Backup("ostrel.bat")), Script(kNewStamp));
    EXPECT_EQ(Names(folders_.backup_dir), (std::set<std::string>{"ostrel.bat", "system.dat", "user.dat"}));
}

}  // namespace
