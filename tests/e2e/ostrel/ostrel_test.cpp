// Ostrel.exe in the prefix: setup, counting and backup starts, the status
// window and its about box. The program runs from a folder on C: so that its
// backup folder is C:\tempback, inside the prefix.
#include <chrono>
#include <regex>

#include "driver.h"

namespace e2e {
namespace {

const char kSettings[] = "Software\\Kelmora\\Ostrel";
const char kRun[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kProgramDir[] = "C:\\ostrel-e2e\\";
const char kBackupDir[] = "C:\\tempback\\";
const char kSuccess[] = "Status-- Registry backed up succesfully!";

// A registry file as Windows 95/98 writes it, in its essentials.
std::string RegistryFile(const std::string& body) {
    std::string file = std::string("CREG\0\0\1\0\x20\0\0\0", 12) + std::string(20, '\0') + "RGKN" + body;
    file.resize(4096, '\0');
    return file;
}

void RemoveTree(const std::string& dir) {
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) files::remove(dir + found.cFileName);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    RemoveDirectoryA(dir.c_str());
}

class Ostrel : public Case {
protected:
    void SetUp() override {
        ASSERT_FALSE(ostrelExe().empty()) << "OSTREL_EXE is not set";
        keepKey(HKEY_CURRENT_USER, kSettings);
        keepKey(HKEY_LOCAL_MACHINE, kRun);
        reg::deleteKey(HKEY_CURRENT_USER, kSettings);
        reg::deleteValue(HKEY_LOCAL_MACHINE, kRun, "Ostrel");
        // Wine's Windows folder has no registry files of this kind: ours stand in.
        for (const char* name : {"system.dat", "user.dat"}) {
            keepFile(Source(name));
            files::remove(Source(name));
        }
        ASSERT_TRUE(PutSource("system.dat", RegistryFile("system")));
        ASSERT_TRUE(PutSource("user.dat", RegistryFile("user")));
        backupDirExisted_ = files::exists(kBackupDir);
        for (const char* name : {"system.dat", "user.dat", "ostrel.bat"}) {
            keepFile(std::string(kBackupDir) + name);
            files::remove(std::string(kBackupDir) + name);
        }
        CreateDirectoryA(kProgramDir, nullptr);
        ASSERT_TRUE(CopyFileA(ostrelExe().c_str(), Program().c_str(), FALSE));
    }
    void TearDown() override {
        Case::TearDown();
        RemoveTree(kProgramDir);
        if (!backupDirExisted_) RemoveTree(kBackupDir);
    }

    static std::string Source(const std::string& name) { return files::join(files::windowsDir(), name); }
    static std::string Program() { return std::string(kProgramDir) + "Ostrel.exe"; }
    static bool PutSource(const std::string& name, const std::string& bytes) {
        return files::write(Source(name), bytes) &&
               SetFileAttributesA(Source(name).c_str(),
                                  FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY);
    }

    void SetCounter(DWORD interval, DWORD counter) {
        reg::setDword(HKEY_CURRENT_USER, kSettings, "IsSetup", 1);
        reg::setDword(HKEY_CURRENT_USER, kSettings, "BackEveryNumTimes", interval);
        reg::setDword(HKEY_CURRENT_USER, kSettings, "NumTimesBacked", counter);
    }
    std::optional<DWORD> Value(const char* name) { return reg::getDword(HKEY_CURRENT_USER, kSettings, name); }

    static HWND WaitDialog(Process& p, const std::string& title) {
        return p.waitVisibleWindow("#32770", title);
    }
    // The status window: the dialog without a caption that has a status line.
    static HWND WaitStatus(Process& p) {
        HWND status = nullptr;
        waitUntil([&] {
            for (HWND w : topWindows(p.pid(), "#32770"))
                if (visible(w) && text(w).empty() && childById(w, 1003)) status = w;
            return status != nullptr;
        });
        return status;
    }
    static std::string StatusLine(HWND status) { return text(childById(status, 1003)); }

    // Both restore scripts, with the time stamp line checked for its shape
    // and then left out.
    void ExpectScripts() {
        const std::string w = files::windowsDir();
        const std::vector<std::string> lines = {
            "@echo off",
            "rem This is an automatically generated file!! Do NOT edit!!!",
            "rem Created by Ostrel. http://www.kelmora.example/",
            "echo The registry was last backed up at #",
            "cd " + w + "\\",
            "attrib " + w + "\\system.dat -h -s -r",
            "attrib " + w + "\\user.dat -h -s -r",
            "copy C:\\tempback\\system.dat " + w,
            "copy C:\\tempback\\user.dat " + w,
            "attrib " + w + "\\system.dat +h +s +r",
            "attrib " + w + "\\user.dat +h +s +r",
            "echo \"Now restart your computer.\"",
        };
        std::string expected;
        for (const std::string& line : lines) expected += line + "\r\n";
        for (const std::string& path :
             {std::string(kBackupDir) + "ostrel.bat", std::string(kProgramDir) + "ostrel.bat"}) {
            std::optional<std::string> script = files::readText(path);
            ASSERT_TRUE(script) << path;
            const std::string lead = "backed up at ";
            std::size_t from = script->find(lead);
            ASSERT_NE(from, std::string::npos) << *script;
            std::size_t to = script->find("\r\n", from);
            std::string stamp = script->substr(from + lead.size(), to - from - lead.size());
            EXPECT_TRUE(std::regex_match(
                stamp, std::regex(R"(1?\d:\d\d:\d\d [AP]\.M\. on [A-Z][a-z]+ [1-3]?\d, \d{4})")))
                << stamp;
            EXPECT_EQ(script->substr(0, from + lead.size()) + "#" + script->substr(to), expected) << path;
        }
    }

private:
    bool backupDirExisted_ = false;
};

TEST_F(Ostrel, FirstStartAsksForTheIntervalAndBacksUpAtOnce) {
    Process& p = launch(Program());
    HWND setup = WaitDialog(p, "Setup Ostrel");
    ASSERT_NE(setup, nullptr);
    EXPECT_FALSE(style(setup) & WS_SYSMENU) << "no close box";
    HWND edit = childById(setup, 1005);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(text(edit), "");
    EXPECT_EQ(text(childById(setup, 1006)), "OK");
    ASSERT_TRUE(setText(edit, "3"));
    ASSERT_TRUE(click(childById(setup, 1006)));

    HWND status = WaitStatus(p);
    ASSERT_NE(status, nullptr);
    const auto shown = std::chrono::steady_clock::now();
    EXPECT_EQ(StatusLine(status), kSuccess);
    EXPECT_TRUE(style(status) & WS_THICKFRAME);
    EXPECT_FALSE(style(status) & WS_CAPTION);
    EXPECT_TRUE(GetWindowLongA(status, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_EQ(Value("IsSetup"), 1u);
    EXPECT_EQ(Value("BackEveryNumTimes"), 3u);
    EXPECT_EQ(Value("NumTimesBacked"), 1u) << "stored before the window opened";
    EXPECT_EQ(reg::getString(HKEY_LOCAL_MACHINE, kRun, "Ostrel"), "\"" + Program() + "\"");
    EXPECT_EQ(files::readText(std::string(kBackupDir) + "system.dat"), RegistryFile("system"));
    EXPECT_EQ(files::readText(std::string(kBackupDir) + "user.dat"), RegistryFile("user"));
    EXPECT_EQ(files::attributes(std::string(kBackupDir) + "user.dat") &
                  (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_READONLY),
              0u);
    ExpectScripts();

    // It closes by itself, five seconds after it opened.
    ASSERT_TRUE(p.waitExit());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - shown).count();
    EXPECT_GT(seconds, 3.5);
    EXPECT_LT(seconds, 9.0);
}

TEST_F(Ostrel, CountingStartShowsNothingAndAdvancesTheCounter) {
    SetCounter(3, 1);
    Process& p = launch(Program());
    bool window = false;
    waitUntil([&] {
        for (HWND w : topWindows(p.pid()))
            if (visible(w)) window = true;
        return !p.running();
    });
    EXPECT_FALSE(p.running());
    EXPECT_FALSE(window);
    EXPECT_EQ(Value("NumTimesBacked"), 2u);
    EXPECT_FALSE(files::exists(std::string(kBackupDir) + "ostrel.bat")) << "no backup on a counting start";
}

TEST_F(Ostrel, CounterAboveTheIntervalBacksUpWhateverTheArguments) {
    SetCounter(2, 7);
    // Arguments with backslashes do not move the backup or the script.
    Process& p = launch(Program(), "/q D:\\elsewhere\\x");
    HWND status = WaitStatus(p);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(StatusLine(status), kSuccess);
    EXPECT_EQ(Value("NumTimesBacked"), 1u);
    EXPECT_EQ(reg::getString(HKEY_LOCAL_MACHINE, kRun, "Ostrel"), "\"" + Program() + "\" /q D:\\elsewhere\\x");
    ExpectScripts();
}

TEST_F(Ostrel, EscapeOnTheSetupBringsItBackNextStart) {
    Process& first = launch(Program());
    HWND setup = WaitDialog(first, "Setup Ostrel");
    ASSERT_NE(setup, nullptr);
    ASSERT_TRUE(post(childById(setup, 1005), WM_KEYDOWN, VK_ESCAPE, 1));
    ASSERT_TRUE(first.waitExit());
    EXPECT_EQ(Value("IsSetup"), 1u);
    EXPECT_FALSE(Value("BackEveryNumTimes"));
    EXPECT_FALSE(Value("NumTimesBacked")) << "nothing counted on no interval";

    Process& second = launch(Program());
    setup = WaitDialog(second, "Setup Ostrel");
    ASSERT_NE(setup, nullptr);
    ASSERT_TRUE(setText(childById(setup, 1005), "0"));
    ASSERT_TRUE(post(childById(setup, 1005), WM_KEYDOWN, VK_RETURN, 1)) << "Enter presses the default button";
    ASSERT_NE(WaitStatus(second), nullptr);
    EXPECT_EQ(Value("BackEveryNumTimes"), 1u) << "0 is stored as 1";
}

TEST_F(Ostrel, AFailedCopyIsReportedAndThePreviousBackupKept) {
    SetCounter(1, 1);
    Process& good = launch(Program());
    ASSERT_TRUE(good.waitExit());
    const auto before = files::readText(std::string(kBackupDir) + "ostrel.bat");
    ASSERT_TRUE(before);

    files::remove(Source("user.dat"));
    Process& p = launch(Program());
    HWND status = WaitStatus(p);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(StatusLine(status), "Status-- Registry has not been backed up. Error #1");
    EXPECT_EQ(files::readText(std::string(kBackupDir) + "user.dat"), RegistryFile("user"));
    EXPECT_EQ(files::readText(std::string(kBackupDir) + "ostrel.bat"), before);
    EXPECT_TRUE(p.waitExit()) << "closes by itself";
}

TEST_F(Ostrel, AnUnwrittenScriptKeepsTheWindowOpenAndTheAboutBoxOpens) {
    SetCounter(1, 1);
    Process& good = launch(Program());
    ASSERT_TRUE(good.waitExit());
    // Held open without sharing: the script cannot be replaced.
    const std::string script = std::string(kProgramDir) + "ostrel.bat";
    HANDLE hold = CreateFileA(script.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hold, INVALID_HANDLE_VALUE);

    Process& p = launch(Program());
    HWND status = WaitStatus(p);
    CloseHandle(hold);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(StatusLine(status), "Status-- Could not write " + script);
    EXPECT_FALSE(p.waitExit(Ms(7000))) << "no close timer";

    // System command ids 16 to 31 open the about box; 32 gets the default handling.
    ASSERT_TRUE(post(status, WM_SYSCOMMAND, 32));
    EXPECT_EQ(p.waitVisibleWindow("#32770", "About Ostrel", Ms(1500)), nullptr);
    for (WPARAM id : {16, 31}) {
        ASSERT_TRUE(post(status, WM_SYSCOMMAND, id));
        HWND about = WaitDialog(p, "About Ostrel");
        ASSERT_NE(about, nullptr) << id;
        EXPECT_NE(findChild(about, "Static", "Ostrel Version 1.0"), nullptr);
        ASSERT_TRUE(pressButton(about, IDOK));
        EXPECT_TRUE(waitGone(about)) << id;
    }
    // Escape closes it, and the program ends.
    ASSERT_TRUE(post(status, WM_KEYDOWN, VK_ESCAPE, 1));
    EXPECT_TRUE(p.waitExit());
}

}  // namespace
}  // namespace e2e
