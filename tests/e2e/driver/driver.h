// The end-to-end driver: starts a program of the build inside the Wine
// prefix, finds and drives its windows from outside, and reads the registry
// and files it changes. One include for test authors.
//
// Conventions: every wait polls with short sleeps and gives up after a
// timeout (default kTimeout); a wait that gives up returns nullptr / empty /
// false, so the test asserts on the result. Strings are ANSI.
#pragma once

#include <windows.h>
#include <winver.h>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

using Ms = std::chrono::milliseconds;

// Generous on purpose: a loaded machine under Wine is slow, and no test
// may depend on how fast something happens, only on whether it does.
constexpr Ms kTimeout{15000};

// Polls cond every few milliseconds until it is true or the timeout passes.
bool waitUntil(const std::function<bool()>& cond, Ms timeout = kTimeout);

// ---- environment ---------------------------------------------------------

// "/a/b/c.exe" -> "Z:\a\b\c.exe"; a path that already has a drive is kept.
std::string windowsPath(const std::string& unixPath);
// The Windows path of the program named by an environment variable that
// CTest sets to a unix path (TARVEX_EXE, OSTREL_EXE, ...); empty if unset.
std::string exeFromEnv(const char* var);
inline std::string tarvexExe() { return exeFromEnv("TARVEX_EXE"); }
inline std::string ostrelExe() { return exeFromEnv("OSTREL_EXE"); }

// ---- processes -----------------------------------------------------------

class Process {
public:
    // Starts exe with the given arguments (the command line becomes
    // "\"exe\" args"); workDir empty = the exe's folder. Returns nullptr
    // if CreateProcessA fails.
    static std::unique_ptr<Process> start(const std::string& exe, const std::string& args = {},
                                          const std::string& workDir = {});
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    DWORD pid() const { return pid_; }
    HANDLE handle() const { return process_; }
    bool running() const;
    // Exit code once it has exited within the timeout, otherwise nullopt.
    std::optional<DWORD> waitExit(Ms timeout = kTimeout) const;
    // Waits until its first thread waits for input (WaitForInputIdle).
    bool waitIdle(Ms timeout = kTimeout) const;
    // Terminates it and every process it started (transitively, also those
    // whose parent has already exited), and waits until they are gone.
    void kill();

    // Window helpers scoped to this process (see the free functions below).
    HWND window(const std::string& cls, const std::string& title = {}) const;
    HWND waitWindow(const std::string& cls, const std::string& title = {}, Ms timeout = kTimeout) const;
    HWND waitVisibleWindow(const std::string& cls, const std::string& title = {},
                           Ms timeout = kTimeout) const;
    HWND waitMessageBox(Ms timeout = kTimeout) const;
    HWND waitPopupMenu(Ms timeout = kTimeout) const;

private:
    Process(HANDLE process, DWORD pid) : process_(process), pid_(pid) {}
    HANDLE process_;
    DWORD pid_;
};

// ---- windows -------------------------------------------------------------
// pid 0 matches any process; an empty class or title matches any.

// Top-level windows (hidden ones too) in Z order.
std::vector<HWND> topWindows(DWORD pid = 0, const std::string& cls = {}, const std::string& title = {});
HWND findWindow(DWORD pid, const std::string& cls, const std::string& title = {});
HWND waitWindow(DWORD pid, const std::string& cls, const std::string& title = {}, Ms timeout = kTimeout);
// Like waitWindow, but only a window that is visible counts.
HWND waitVisibleWindow(DWORD pid, const std::string& cls, const std::string& title = {},
                       Ms timeout = kTimeout);
// True once the window is destroyed (or hidden, for waitHidden).
bool waitGone(HWND w, Ms timeout = kTimeout);
bool waitHidden(HWND w, Ms timeout = kTimeout);
bool waitShown(HWND w, Ms timeout = kTimeout);

// Every descendant control, in EnumChildWindows order.
std::vector<HWND> children(HWND parent);
// First descendant with this class (empty = any) and text (empty = any).
HWND findChild(HWND parent, const std::string& cls, const std::string& text = {});
// Direct child by control id (GetDlgItem).
HWND childById(HWND parent, int id);

std::string text(HWND w);       // WM_GETTEXT, works across processes
std::string className(HWND w);
bool visible(HWND w);           // IsWindowVisible
bool enabled(HWND w);           // IsWindowEnabled
RECT screenRect(HWND w);        // GetWindowRect
DWORD windowPid(HWND w);
LONG_PTR style(HWND w);         // GWL_STYLE

// Item texts of a list box / combo box (LB_GETTEXT / CB_GETLBTEXT, which
// Wine marshals across processes), and the index selected (-1 = none).
std::vector<std::string> listBoxItems(HWND listBox);
std::vector<std::string> comboItems(HWND combo);
int listBoxSelection(HWND listBox);
int comboSelection(HWND combo);
// Rows of a list view, each the texts of its columns (columns = how many
// columns to read). Reads through memory allocated in the owning process.
std::vector<std::vector<std::string>> listViewRows(HWND listView, int columns);
// Check state of a check box / radio button (BST_CHECKED, ...).
int checkState(HWND button);

// ---- messages ------------------------------------------------------------

// SendMessageTimeout with a generous timeout; 0 if it timed out.
LRESULT send(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0);
bool post(HWND w, UINT msg, WPARAM wp = 0, LPARAM lp = 0);
// Posts RegisterWindowMessageA(name) to HWND_BROADCAST; returns the message.
UINT broadcast(const char* name, WPARAM wp = 0, LPARAM lp = 0);
// Clicks a button: posts BM_CLICK to it.
bool click(HWND button);
// Presses a dialog button by id: posts WM_COMMAND(id, BN_CLICKED) to dlg.
bool pressButton(HWND dlg, int id);
// Sets a control's text (WM_SETTEXT); a single-line edit then sends EN_CHANGE itself.
bool setText(HWND edit, const std::string& value);

// ---- message boxes -------------------------------------------------------

// The icon kinds of MessageBoxA, as its MB_ICON* values.
enum class Icon { None = 0, Stop = MB_ICONHAND, Question = MB_ICONQUESTION,
                  Warning = MB_ICONEXCLAMATION, Information = MB_ICONASTERISK };
const char* iconName(Icon icon);
std::ostream& operator<<(std::ostream& os, Icon icon);

struct MessageBoxInfo {
    HWND hwnd = nullptr;
    std::string title;
    std::string text;                  // line breaks as the program wrote them
    Icon icon = Icon::None;
    std::vector<std::string> buttons;  // button captions, in control order
};

// The first visible dialog ("#32770") of the process, waiting for it.
HWND waitMessageBox(DWORD pid = 0, Ms timeout = kTimeout);
// Title, text, icon (matched on the screen pixels) and buttons of a box.
MessageBoxInfo readMessageBox(HWND box);
// The icon shown in a message box; Icon::None if it shows no icon.
Icon messageBoxIcon(HWND box);
// Presses OK (or the given button) and waits until the box is gone.
bool closeMessageBox(HWND box, int buttonId = IDOK);

// ---- popup menus ---------------------------------------------------------
// Another process's menu items cannot be read under Wine, but its popup
// menu window ("#32768") takes posted keys. VK_DOWN on a fresh popup selects
// the first item; separators are skipped, grayed items are not; VK_RIGHT
// opens a submenu on its first item; VK_RETURN chooses.

HWND waitPopupMenu(DWORD pid = 0, Ms timeout = kTimeout);
// Posts WM_KEYDOWN/WM_KEYUP for each virtual key, in order, with short pauses.
bool menuKeys(HWND menu, const std::vector<UINT>& keys);
// Chooses an item by its path of indices, counting every item except
// separators (grayed ones count): {2} = third item; {1, 0} = first item of
// the submenu of the second item. Waits until the menu is closed.
bool chooseMenuItem(HWND menu, const std::vector<int>& path);
// Closes the menu without choosing (VK_ESCAPE until it is gone).
bool dismissMenu(HWND menu);

// ---- registry --------------------------------------------------------------
// Paths are relative to root, e.g. reg::setString(HKEY_CURRENT_USER,
// "Software\\Tarvex\\Options", "Logo", "1").

namespace reg {

struct Value {
    DWORD type = REG_NONE;
    std::vector<std::uint8_t> data;
};

bool keyExists(HKEY root, const std::string& key);
bool createKey(HKEY root, const std::string& key);
// Deletes the key with all its subkeys; true if it is gone afterwards.
bool deleteKey(HKEY root, const std::string& key);
bool deleteValue(HKEY root, const std::string& key, const std::string& name);

std::optional<Value> get(HKEY root, const std::string& key, const std::string& name);
// REG_SZ / REG_EXPAND_SZ without the terminating NUL; nullopt for other types.
std::optional<std::string> getString(HKEY root, const std::string& key, const std::string& name);
std::optional<DWORD> getDword(HKEY root, const std::string& key, const std::string& name);
std::vector<std::string> valueNames(HKEY root, const std::string& key);
std::vector<std::string> subkeyNames(HKEY root, const std::string& key);

// Each creates the key if needed.
bool set(HKEY root, const std::string& key, const std::string& name, const Value& value);
bool setString(HKEY root, const std::string& key, const std::string& name, const std::string& value);
bool setDword(HKEY root, const std::string& key, const std::string& name, DWORD value);
bool setBinary(HKEY root, const std::string& key, const std::string& name,
               const std::vector<std::uint8_t>& value);

// A whole key tree (or its absence), saved now and written back by restore().
class Snapshot {
public:
    Snapshot(HKEY root, std::string key);
    void restore() const;
private:
    struct Tree;
    HKEY root_;
    std::string key_;
    std::shared_ptr<Tree> tree_;  // null: the key did not exist
};

}  // namespace reg

// ---- files -----------------------------------------------------------------
// Windows paths.

namespace files {

bool exists(const std::string& path);
// GetFileAttributesA; INVALID_FILE_ATTRIBUTES if missing.
DWORD attributes(const std::string& path);
std::optional<std::vector<std::uint8_t>> read(const std::string& path);
std::optional<std::string> readText(const std::string& path);  // bytes as they are
bool write(const std::string& path, const std::string& bytes);
bool remove(const std::string& path);  // clears read-only first; true if gone
std::string windowsDir();               // GetWindowsDirectoryA
std::string systemDir();                // GetSystemDirectoryA
std::string join(const std::string& dir, const std::string& name);
// The fixed part of a file's version resource; nullopt if it has none.
std::optional<VS_FIXEDFILEINFO> fixedVersion(const std::string& path);

// A file's bytes and attributes (or its absence), saved now, written back by restore().
class Snapshot {
public:
    explicit Snapshot(std::string path);
    void restore() const;
private:
    std::string path_;
    std::optional<std::vector<std::uint8_t>> bytes_;
    DWORD attributes_;
};

}  // namespace files

// ---- the test fixture ------------------------------------------------------

// Base class of every end-to-end case. Whatever a case starts is killed at
// the end (with every process it started), and every key or file it asked
// to keep is restored, even when the case fails.
class Case : public ::testing::Test {
protected:
    // Starts a program; a failure to start fails the case (it throws, and
    // TearDown still runs). The reference stays valid until the case ends.
    Process& launch(const std::string& exe, const std::string& args = {});
    Process& launchTarvex(const std::string& args = {}) { return launch(tarvexExe(), args); }
    Process& launchOstrel(const std::string& args = {}) { return launch(ostrelExe(), args); }

    // Saves a key tree / a file now; it is put back after the case.
    void keepKey(HKEY root, const std::string& key);
    void keepFile(const std::string& path);

    void TearDown() override;

private:
    std::vector<std::unique_ptr<Process>> processes_;
    std::vector<reg::Snapshot> keys_;
    std::vector<files::Snapshot> files_;
};

}  // namespace e2e
