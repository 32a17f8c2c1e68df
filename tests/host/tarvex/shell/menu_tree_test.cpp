// Walks the menu tree table itself: any inconsistent row fails here.
#include "tarvex/shell/menu_tree.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tarvex {
namespace {

// The names of the items from the top menu down to this one.
std::vector<std::string> PathTo(MenuItem item) {
    std::vector<std::string> path;
    int depth = kMenuTree[item].depth;
    path.insert(path.begin(), kMenuTree[item].name);
    for (int i = item - 1; i >= 0 && depth > 0; --i) {
        if (kMenuTree[i].depth == depth - 1) {
            path.insert(path.begin(), kMenuTree[i].name);
            --depth;
        }
    }
    return path;
}

TEST(MenuTree, RowsAreConsistent) {
    std::set<std::string> names;
    for (int i = 0; i < kMenuItemCount; ++i) {
        const MenuRow& row = kMenuTree[i];
        SCOPED_TRACE(row.name);
        EXPECT_EQ(row.item, i) << "rows are in enum order";
        EXPECT_TRUE(names.insert(row.name).second) << "names are unique";
        EXPECT_EQ(std::string(row.name).rfind("mnu", 0), 0u);
        EXPECT_STRNE(row.caption, "");
        const int next_depth = i + 1 < kMenuItemCount ? kMenuTree[i + 1].depth : 0;
        if (i > 0) {
            EXPECT_LE(row.depth, kMenuTree[i - 1].depth + 1) << "no level is skipped";
        }
        if (row.kind == MenuKind::Sub) {
            EXPECT_EQ(next_depth, row.depth + 1) << "a submenu has items";
        } else {
            EXPECT_LE(next_depth, row.depth) << "only submenus have items";
        }
        const bool spacer = std::string(row.name).rfind("mnuSpacer", 0) == 0;
        EXPECT_EQ(spacer, row.kind == MenuKind::Sep);
        if (spacer) {
            EXPECT_STREQ(row.caption, "-");
        }
    }
}

TEST(MenuTree, TopMenusAndTheirPlaces) {
    std::vector<std::string> tops;
    for (const MenuRow& row : kMenuTree)
        if (row.depth == 0) tops.push_back(row.name);
    EXPECT_EQ(tops, (std::vector<std::string>{"mnuPopup", "mnuFRC"}));

    const std::vector<std::vector<std::string>> paths = {
        {"mnuPopup", "mnuDD", "mnuDDAdv", "mnuDDRR", "mnuDD75"},
        {"mnuPopup", "mnuD3D", "mnuD3DAdv", "mnuDBD3D", "mnuD3DDBMore"},
        {"mnuPopup", "mnuMSMain", "mnuMSSafeMode", "mnuMSSafeDisable"},
        {"mnuPopup", "mnuDC", "mnuCDSpin"},
        {"mnuPopup", "mnuExit"},
        {"mnuFRC", "mnuRCProp"},
    };
    const MenuItem items[] = {mnuDD75, mnuD3DDBMore, mnuMSSafeDisable, mnuCDSpin, mnuExit, mnuRCProp};
    for (std::size_t i = 0; i < paths.size(); ++i) EXPECT_EQ(PathTo(items[i]), paths[i]) << "row " << i;
}

TEST(MenuTree, OnlySpindownIsDisabled) {
    for (const MenuRow& row : kMenuTree) EXPECT_EQ(row.kind == MenuKind::Off, row.item == mnuCDSpin) << row.name;
}

TEST(MenuTree, CommandIdsRoundTrip) {
    for (int i = 0; i < kMenuItemCount; ++i) EXPECT_EQ(ItemForCommand(CommandId(static_cast<MenuItem>(i))), i);
    EXPECT_EQ(ItemForCommand(kMenuCommandBase - 1), kMenuItemCount);
    EXPECT_EQ(ItemForCommand(kMenuCommandBase + kMenuItemCount), kMenuItemCount);
    EXPECT_EQ(ItemForCommand(0), kMenuItemCount);
}

}  // namespace
}  // namespace tarvex
