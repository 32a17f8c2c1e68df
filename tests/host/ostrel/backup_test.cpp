#include <gtest/gtest.h>

#include "memory_file_system.h"
#include "ostrel/backup/backup.h"
#include "ostrel/backup/restore_script.h"

namespace ostrel {
namespace {

const char kStamp[] = "9:05:09 P.M. on March 7, 1998";
const std::string kSystemSource = "C:\\WINDOWS\\system.dat";
const std::string kUserSource = "C:\\WINDOWS\\user.dat";
const std::string kSystemCopy = "D:\\tempback\\system.dat";
const std::string kUserCopy = "D:\\tempback\\user.dat";
const std::string kBackupScript = "D:\\tempback\\ostrel.bat";
const std::string kProgramScript = "D:\\TOOLS\\ostrel.bat";

std::string RegistryFile(const std::string& body) { return "CREG" + std::string(28, '\x01') + body; }

// Windows on C:, the program in D:\TOOLS\, and a backup from an earlier start.
class BackupTest : public ::testing::Test {
protected:
    void SetUp() override {
        fs = MemoryFileSystem();
        fs.folders = {"C:\\WINDOWS\\", "D:\\", "D:\\TOOLS\\", "D:\\tempback\\"};
        // The live registry files are hidden, system and read-only.
        fs.files[kSystemSource] = {RegistryFile("system now"), false};
        fs.files[kUserSource] = {RegistryFile("user now"), false};
        fs.files[kSystemCopy] = {RegistryFile("system before"), true};
        fs.files[kUserCopy] = {RegistryFile("user before"), true};
        fs.files[kBackupScript] = {"script before", true};
        fs.files[kProgramScript] = {"script before", true};
        before = fs.files;
    }

    BackupResult Run() { return RunBackup(fs, {"C:\\WINDOWS", "D:\\tempback\\", "D:\\TOOLS\\"}, kStamp); }

    std::set<std::string> Names() const {
        std::set<std::string> names;
        for (const auto& entry : fs.files) names.insert(entry.first);
        return names;
    }
    std::string Bytes(const std::string& path) { return fs.files[path].bytes; }

    MemoryFileSystem fs;
    std::map<std::string, MemoryFileSystem::File> before;
    const std::string script = RestoreScript("C:\\WINDOWS", "D:\\tempback\\", kStamp);
};

TEST_F(BackupTest, GoodBackupReplacesTheCopiesAndBothScripts) {
    BackupResult r = Run();
    EXPECT_TRUE(r.system_copied);
    EXPECT_TRUE(r.user_copied);
    EXPECT_TRUE(r.unwritten_scripts.empty());
    EXPECT_EQ(Bytes(kSystemCopy), RegistryFile("system now"));
    EXPECT_EQ(Bytes(kUserCopy), RegistryFile("user now"));
    EXPECT_TRUE(fs.files[kSystemCopy].plain);
    EXPECT_TRUE(fs.files[kUserCopy].plain);
    EXPECT_EQ(Bytes(kBackupScript), script);
    EXPECT_EQ(Bytes(kProgramScript), script);
    EXPECT_EQ(Names(), (std::set<std::string>{kSystemSource, kUserSource, kSystemCopy, kUserCopy,
                                              kBackupScript, kProgramScript}))
        << "no temporary name is left behind";
}

TEST_F(BackupTest, FirstBackupMakesTheFolderAndEveryFile) {
    fs.folders.erase("D:\\tempback\\");
    for (const std::string& name : {kSystemCopy, kUserCopy, kBackupScript, kProgramScript})
        fs.files.erase(name);
    BackupResult r = Run();
    EXPECT_TRUE(r.system_copied && r.user_copied && r.unwritten_scripts.empty());
    EXPECT_EQ(Bytes(kUserCopy), RegistryFile("user now"));
    EXPECT_EQ(Bytes(kProgramScript), script);
}

TEST_F(BackupTest, AFailedCopyKeepsThePreviousBackupWhole) {
    struct Row {
        const char* what;
        void (*fault)(MemoryFileSystem&);
        bool system_copied, user_copied;
    } rows[] = {
        {"USER.DAT missing", [](MemoryFileSystem& fs) { fs.files.erase(kUserSource); }, true, false},
        {"SYSTEM.DAT no registry file",
         [](MemoryFileSystem& fs) { fs.files[kSystemSource].bytes = "MZ" + std::string(40, 'x'); }, false,
         true},
        {"both missing",
         [](MemoryFileSystem& fs) {
             fs.files.erase(kSystemSource);
             fs.files.erase(kUserSource);
         },
         false, false},
        {"backup folder takes no files",
         [](MemoryFileSystem& fs) { fs.locked_folders.insert("D:\\tempback\\"); }, false, false},
        // Both copies good, but one cannot be put in place: neither is.
        {"USER.DAT copy cannot be renamed",
         [](MemoryFileSystem& fs) { fs.failing_moves.insert("D:\\tempback\\user.new"); }, true, false},
        {"SYSTEM.DAT copy cannot be renamed",
         [](MemoryFileSystem& fs) { fs.failing_moves.insert("D:\\tempback\\system.new"); }, false, true},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        SetUp();
        rows[i].fault(fs);
        BackupResult r = Run();
        EXPECT_EQ(r.system_copied, rows[i].system_copied) << "row " << i << ": " << rows[i].what;
        EXPECT_EQ(r.user_copied, rows[i].user_copied) << "row " << i << ": " << rows[i].what;
        EXPECT_TRUE(r.unwritten_scripts.empty()) << "row " << i;
        for (const std::string& name : {kSystemCopy, kUserCopy, kBackupScript, kProgramScript}) {
            EXPECT_EQ(Bytes(name), before[name].bytes) << "row " << i << ": " << rows[i].what << ", " << name;
        }
        for (const std::string& name : Names()) {
            EXPECT_TRUE(name.find(".new") == std::string::npos && name.find(".old") == std::string::npos)
                << "row " << i << ": " << name << " left behind";
        }
    }
}

TEST_F(BackupTest, AScriptThatCannotBeWrittenStaysAsItWas) {
    fs.locked_folders.insert("D:\\TOOLS\\");
    BackupResult r = Run();
    EXPECT_TRUE(r.system_copied && r.user_copied);
    EXPECT_EQ(r.unwritten_scripts, (std::vector<std::string>{kProgramScript}));
    EXPECT_EQ(Bytes(kBackupScript), script);
    EXPECT_EQ(Bytes(kProgramScript), "script before");

    SetUp();
    fs.failing_moves = {"D:\\tempback\\ostrel.new"};
    r = Run();
    EXPECT_EQ(r.unwritten_scripts, (std::vector<std::string>{kBackupScript}));
    EXPECT_EQ(Bytes(kBackupScript), "script before");
    EXPECT_EQ(Bytes(kProgramScript), script);
    EXPECT_FALSE(fs.Exists("D:\\tempback\\ostrel.new") || fs.Exists("D:\\tempback\\ostrel.old"));
}

TEST_F(BackupTest, LeftoversOfEarlierRunsDoNotBlockTheNext) {
    // Copies left read-only, hidden or system, and a read-only half copy.
    fs.files[kSystemCopy].plain = false;
    fs.files[kUserCopy].plain = false;
    fs.files["D:\\tempback\\user.new"] = {"CR", false};
    BackupResult r = Run();
    EXPECT_TRUE(r.system_copied && r.user_copied && r.unwritten_scripts.empty());
    EXPECT_EQ(Bytes(kUserCopy), RegistryFile("user now"));
    EXPECT_TRUE(fs.files[kSystemCopy].plain && fs.files[kUserCopy].plain);
    EXPECT_FALSE(fs.Exists("D:\\tempback\\user.new"));
}

TEST_F(BackupTest, AnInterruptedReplaceIsRepairedFromTheOldName) {
    // Stopped after the previous copy was moved aside: only its old name is left.
    fs.files["D:\\tempback\\system.old"] = fs.files[kSystemCopy];
    fs.files.erase(kSystemCopy);
    fs.files.erase(kUserSource);
    BackupResult r = Run();
    EXPECT_FALSE(r.user_copied);
    EXPECT_EQ(Bytes(kSystemCopy), RegistryFile("system before"));
    EXPECT_FALSE(fs.Exists("D:\\tempback\\system.old"));
}

}  // namespace
}  // namespace ostrel
