// The menu tree as data: every item's name, caption, nesting and kind lives
// in menu_tree.def; the menu bar, the tray popup and command dispatch are
// all built from this one table.
#pragma once
#include <cstddef>

namespace tarvex {

enum class MenuKind { Sub, Item, Sep, Off };

enum MenuItem : int {
#define MENU_ROW(depth, name, caption, kind) name,
#include "tarvex/shell/menu_tree.def"
#undef MENU_ROW
    kMenuItemCount
};

struct MenuRow {
    int depth;
    MenuItem item;
    const char* name;
    const char* caption;
    MenuKind kind;
};

extern const MenuRow kMenuTree[kMenuItemCount];

// Menu command ids are the item's row number above this base.
constexpr unsigned kMenuCommandBase = 1000;
constexpr unsigned CommandId(MenuItem item) { return kMenuCommandBase + static_cast<unsigned>(item); }
// The item a command id stands for, or kMenuItemCount for any other id.
MenuItem ItemForCommand(unsigned id);

// The one keyboard shortcut of the menu: Ctrl+X on "Exit".
constexpr MenuItem kShortcutItem = mnuExit;
constexpr char kShortcutKey = 'X';
constexpr const char* kShortcutText = "Ctrl+X";

// The tray popup's bold default item.
constexpr MenuItem kPopupDefaultItem = mnuRefresh;

}  // namespace tarvex
