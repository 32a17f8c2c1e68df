#include "tarvex/shell/menu_win32.h"

#include <cstddef>

namespace tarvex {
namespace {

// MENUITEMINFOA as Windows 95 and NT 4 know it: without hbmpItem.
constexpr UINT kMenuItemInfoSize = offsetof(MENUITEMINFOA, hbmpItem);

}  // namespace

std::string MenuText(MenuItem item, const std::string& caption) {
    return item == kShortcutItem ? caption + "\t" + kShortcutText : caption;
}

Win32Menu::Win32Menu() : bar_(CreateMenu()), top_{nullptr, nullptr}, places_(kMenuItemCount) {
    // One submenu handle per depth on the way down the tree.
    HMENU open[8] = {};
    int tops = 0;
    for (const MenuRow& row : kMenuTree) {
        HMENU parent = row.depth == 0 ? nullptr : open[row.depth - 1];
        UINT position = parent ? static_cast<UINT>(GetMenuItemCount(parent)) : static_cast<UINT>(tops);
        places_[row.item] = {parent, position};
        const std::string text = MenuText(row.item, row.caption);
        switch (row.kind) {
        case MenuKind::Sub:
            open[row.depth] = CreatePopupMenu();
            if (parent) AppendMenuA(parent, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(open[row.depth]), text.c_str());
            else top_[tops++] = open[row.depth];
            break;
        case MenuKind::Sep:
            AppendMenuA(parent, MF_SEPARATOR, 0, nullptr);
            break;
        case MenuKind::Item:
        case MenuKind::Off:
            AppendMenuA(parent, MF_STRING | (row.kind == MenuKind::Off ? MF_GRAYED : 0), CommandId(row.item),
                        text.c_str());
            break;
        }
    }
    // Only "Options" is on the bar; "FileRightClick" stays hidden.
    AppendMenuA(bar_, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup()), kMenuTree[mnuPopup].caption);
    places_[mnuPopup] = {bar_, 0};
}

Win32Menu::~Win32Menu() {
    DestroyMenu(file_context());
    // The bar destroys "Options" and everything below it, unless a window
    // that is being destroyed has taken the bar with it already.
    if (IsMenu(bar_)) DestroyMenu(bar_);
}

UINT Win32Menu::State(MenuItem item) {
    const Place& p = places_[item];
    return p.parent ? GetMenuState(p.parent, p.position, MF_BYPOSITION) : 0;
}

bool Win32Menu::Checked(MenuItem item) { return (State(item) & MF_CHECKED) != 0; }

void Win32Menu::SetChecked(MenuItem item, bool checked) {
    const Place& p = places_[item];
    if (p.parent) CheckMenuItem(p.parent, p.position, MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

bool Win32Menu::Enabled(MenuItem item) { return (State(item) & (MF_GRAYED | MF_DISABLED)) == 0; }

void Win32Menu::SetEnabled(MenuItem item, bool enabled) {
    const Place& p = places_[item];
    if (p.parent) EnableMenuItem(p.parent, p.position, MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

std::string Win32Menu::Caption(MenuItem item) {
    const Place& p = places_[item];
    if (!p.parent) return kMenuTree[item].caption;
    char text[256] = "";
    GetMenuStringA(p.parent, p.position, text, sizeof text, MF_BYPOSITION);
    std::string caption = text;
    return caption.substr(0, caption.find('\t'));
}

void Win32Menu::SetCaption(MenuItem item, const std::string& caption) {
    const Place& p = places_[item];
    if (!p.parent) return;
    std::string text = MenuText(item, caption);
    MENUITEMINFOA info = {};
    info.cbSize = kMenuItemInfoSize;
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = &text[0];
    SetMenuItemInfoA(p.parent, p.position, TRUE, &info);
}

}  // namespace tarvex
