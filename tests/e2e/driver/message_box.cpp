// Reading and closing message boxes of another process.
#include "driver.h"
#include "icon_match.h"

#include <ostream>

namespace e2e {

namespace {

constexpr int kTextId = 0xFFFF;  // the text static of a message box, on Windows and Wine

bool isStatic(HWND c) { return className(c) == "Static"; }
bool isIcon(HWND c) { return isStatic(c) && (style(c) & SS_TYPEMASK) == SS_ICON; }

HWND textControl(HWND box) {
    HWND fallback = nullptr;
    for (HWND c : children(box)) {
        if (!isStatic(c) || isIcon(c)) continue;
        if (GetDlgCtrlID(c) == kTextId) return c;
        if (!fallback && !text(c).empty()) fallback = c;
    }
    return fallback;
}

}  // namespace

const char* iconName(Icon icon) {
    switch (icon) {
    case Icon::None: return "none";
    case Icon::Stop: return "stop";
    case Icon::Question: return "question";
    case Icon::Warning: return "warning";
    case Icon::Information: return "information";
    }
    return "?";
}

std::ostream& operator<<(std::ostream& os, Icon icon) { return os << iconName(icon); }

HWND waitMessageBox(DWORD pid, Ms timeout) {
    return waitVisibleWindow(pid, "#32770", {}, timeout);
}

Icon messageBoxIcon(HWND box) {
    for (HWND c : children(box))
        // Wine keeps the icon control of a box without icon, visible and empty;
        // the handle value it reports is a number only, but zero means none.
        if (isIcon(c) && visible(c) && send(c, STM_GETICON) != 0) {
            // A box that has just appeared may not be painted yet.
            Icon icon = Icon::None;
            waitUntil([&] { return (icon = matchIcon(c)) != Icon::None; }, Ms(3000));
            return icon;
        }
    return Icon::None;
}

MessageBoxInfo readMessageBox(HWND box) {
    MessageBoxInfo info;
    info.hwnd = box;
    info.title = text(box);
    if (HWND t = textControl(box)) info.text = text(t);
    info.icon = messageBoxIcon(box);
    for (HWND c : children(box))
        if (className(c) == "Button" && visible(c)) info.buttons.push_back(text(c));
    return info;
}

bool closeMessageBox(HWND box, int buttonId) {
    return pressButton(box, buttonId) && waitGone(box);
}

}  // namespace e2e
