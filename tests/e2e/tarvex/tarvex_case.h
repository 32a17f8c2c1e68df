// What the Tarvex cases share: a start from a known splash option, the
// program's windows, its tray icon as the shell holds it, and menu paths
// taken from the program's own menu table.
#pragma once
#include <windows.h>

#include <shellapi.h>

#include <string>
#include <vector>

#include "driver.h"
#include "tarvex/shell/menu_tree.h"

namespace tarvex_e2e {

constexpr const char* kOptionsKey = "Software\\Tarvex\\Options";

// The shell's record of Tarvex's icon: its owner window and id 1.
inline NOTIFYICONDATAA IconOf(HWND owner) {
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = 1;
    return data;
}

// Whether the shell holds the icon: a modify that changes nothing succeeds
// only for an icon that is there.
inline bool TrayIconPresent(HWND owner) {
    NOTIFYICONDATAA data = IconOf(owner);
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

inline bool RemoveTrayIcon(HWND owner) {
    NOTIFYICONDATAA data = IconOf(owner);
    return Shell_NotifyIconA(NIM_DELETE, &data) != FALSE;
}

// The pixels of the tray's end of the taskbar, where the only icon of the
// prefix sits. Another process's icon handles cannot be read under Wine, so
// the icon shown is compared by what the shell draws.
inline std::vector<COLORREF> TrayPixels() {
    std::vector<COLORREF> pixels;
    HWND bar = FindWindowA("Shell_TrayWnd", nullptr);
    if (!bar) return pixels;
    RECT r;
    GetWindowRect(bar, &r);
    HDC screen = GetDC(nullptr);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.right - 24; x < r.right; ++x) pixels.push_back(GetPixel(screen, x, y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

// The key path that chooses an item of the tray popup: for each level the
// item's index among the items of its menu that are not separators.
inline std::vector<int> MenuPath(tarvex::MenuItem item) {
    using namespace tarvex;
    std::vector<int> path;
    int depth = kMenuTree[item].depth;
    for (int i = item; i >= 0 && depth > 0; --i) {
        if (kMenuTree[i].depth != depth) continue;
        int index = 0;
        for (int j = i - 1; j >= 0 && kMenuTree[j].depth >= depth; --j)
            if (kMenuTree[j].depth == depth && kMenuTree[j].kind != MenuKind::Sep) ++index;
        path.insert(path.begin(), index);
        --depth;
    }
    return path;
}

class TarvexCase : public e2e::Case {
protected:
    void SetUp() override { keepKey(HKEY_CURRENT_USER, kOptionsKey); }

    // Starts Tarvex with the splash option as given (nullptr: none stored).
    e2e::Process& Start(const char* logo) {
        if (logo) e2e::reg::setString(HKEY_CURRENT_USER, kOptionsKey, "Logo", logo);
        else e2e::reg::deleteValue(HKEY_CURRENT_USER, kOptionsKey, "Logo");
        return launchTarvex();
    }

    // Starts Tarvex with this splash option and waits until the splash shows.
    HWND StartSplash(const char* logo) {
        program = &Start(logo);
        return program->waitVisibleWindow("TarvexSplash");
    }

    // Whether the splash handed over: it is gone and the tray window is up.
    bool HandedOver(HWND splash) {
        if (!e2e::waitGone(splash)) return false;
        tray = program->waitWindow("TarvexTray");
        return tray != nullptr;
    }

    // Starts Tarvex without its splash and waits until its icon is in the tray.
    e2e::Process& StartInTray() {
        e2e::Process& p = Start("0");
        tray = p.waitWindow("TarvexTray");
        form = p.waitWindow("TarvexMain");
        EXPECT_TRUE(tray && form);
        EXPECT_TRUE(e2e::waitUntil([&] { return TrayIconPresent(tray); })) << "the icon is in the tray";
        return p;
    }

    void Callback(unsigned mouse_message) { e2e::post(tray, 512, 1, mouse_message); }

    e2e::Process* program = nullptr;  // the one StartSplash started
    HWND tray = nullptr;
    HWND form = nullptr;
};

}  // namespace tarvex_e2e
