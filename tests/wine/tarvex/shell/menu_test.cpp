// The real menus built from the tree, read back through the menu API.
#include "tarvex/shell/menu_win32.h"

#include <gtest/gtest.h>

#include <map>

namespace tarvex {
namespace {

std::string ItemText(HMENU menu, int position) {
    char text[256];
    memset(text, 0x55, sizeof text);  // an unterminated copy would show
    GetMenuStringA(menu, position, text, sizeof text, MF_BYPOSITION);
    return text;
}

// Walks the real menu beside the table: every row is where the tree puts
// it, with its caption, kind and design state.
TEST(Win32Menu, MatchesTheTree) {
    Win32Menu menu;
    HMENU open[8] = {};
    int position[8] = {};
    int tops = 0;
    std::map<HMENU, int> items_in;
    for (const MenuRow& row : kMenuTree) {
        SCOPED_TRACE(row.name);
        if (row.depth == 0) {
            open[0] = tops++ == 0 ? menu.popup() : menu.file_context();
            position[0] = 0;
            continue;
        }
        HMENU parent = open[row.depth - 1];
        const int at = position[row.depth - 1]++;
        ++items_in[parent];
        const UINT state = GetMenuState(parent, at, MF_BYPOSITION);
        ASSERT_NE(state, static_cast<UINT>(-1)) << "the item exists";
        EXPECT_EQ((state & MF_CHECKED) != 0, false) << "no marks in the design state";
        if (row.kind == MenuKind::Sep) {
            EXPECT_TRUE(state & MF_SEPARATOR);
            continue;
        }
        EXPECT_EQ((state & MF_GRAYED) != 0, row.kind == MenuKind::Off);
        EXPECT_EQ(ItemText(parent, at), MenuText(row.item, row.caption));
        HMENU sub = GetSubMenu(parent, at);
        EXPECT_EQ(sub != nullptr, row.kind == MenuKind::Sub);
        if (sub) {
            open[row.depth] = sub;
            position[row.depth] = 0;
        } else {
            EXPECT_EQ(GetMenuItemID(parent, at), CommandId(row.item));
        }
    }
    // No menu holds more items than the tree gives it.
    for (const auto& [submenu, count] : items_in) EXPECT_EQ(GetMenuItemCount(submenu), count);
    std::size_t submenus = 0;
    for (const MenuRow& row : kMenuTree) submenus += row.kind == MenuKind::Sub;
    EXPECT_EQ(items_in.size(), submenus) << "every submenu was visited";
}

TEST(Win32Menu, BarHoldsOptionsOnly) {
    Win32Menu menu;
    ASSERT_EQ(GetMenuItemCount(menu.bar()), 1);
    EXPECT_EQ(ItemText(menu.bar(), 0), "Options");
    EXPECT_EQ(GetSubMenu(menu.bar(), 0), menu.popup()) << "the bar's menu is the tray's popup";
    EXPECT_EQ(ItemText(menu.file_context(), 0), "Properties");
}

TEST(Win32Menu, MarksStatesAndCaptionsGoToTheRealItems) {
    Win32Menu menu;
    struct Case {
        MenuItem item;
    } cases[] = {{mnuDD75}, {mnuLogo}, {mnuMSMain}, {mnuA3DDemo}, {mnuFastReboot}, {mnuExit}};
    for (const Case& c : cases) {
        SCOPED_TRACE(kMenuTree[c.item].name);
        menu.SetChecked(c.item, true);
        EXPECT_TRUE(menu.Checked(c.item));
        menu.SetChecked(c.item, false);
        EXPECT_FALSE(menu.Checked(c.item));
        menu.SetEnabled(c.item, false);
        EXPECT_FALSE(menu.Enabled(c.item));
        menu.SetEnabled(c.item, true);
        EXPECT_TRUE(menu.Enabled(c.item));
        menu.SetCaption(c.item, "Changed");
        EXPECT_EQ(menu.Caption(c.item), "Changed");
    }
    // The command still reaches the item whose caption changed, and a
    // submenu keeps its items.
    EXPECT_NE(GetMenuState(menu.popup(), CommandId(mnuFastReboot), MF_BYCOMMAND), static_cast<UINT>(-1));
    EXPECT_GT(GetMenuItemCount(GetSubMenu(menu.popup(), 0)), 0);
    EXPECT_FALSE(menu.Enabled(mnuCDSpin));
}

}  // namespace
}  // namespace tarvex
