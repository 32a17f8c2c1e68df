// Popup menus walked by keys: separators skipped, grayed items counted.
#include "helper.h"

namespace e2e {
namespace {

// The helper's menu: First(10), separator, Grayed(20), Sub > {Sub A(41), Sub B(42)}, Last(50).
struct PathCase {
    std::vector<int> path;
    DWORD command;
};

class MenuPathTest : public HelperCase, public ::testing::WithParamInterface<PathCase> {};

TEST_P(MenuPathTest, ChoosesTheItemAtThePath) {
    Process& p = helper("menu");
    HWND menu = p.waitPopupMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(chooseMenuItem(menu, GetParam().path));
    EXPECT_EQ(p.waitExit(), std::optional<DWORD>(GetParam().command));
}

INSTANTIATE_TEST_SUITE_P(Paths, MenuPathTest,
                         ::testing::Values(PathCase{{0}, 10}, PathCase{{3}, 50}, PathCase{{2, 0}, 41},
                                           PathCase{{2, 1}, 42}));

TEST_F(HelperCase, DismissesAPopupMenu) {
    Process& p = helper("menu");
    HWND menu = p.waitPopupMenu();
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(menuKeys(menu, {VK_DOWN, VK_DOWN, VK_DOWN, VK_RIGHT}));  // into the submenu
    ASSERT_TRUE(dismissMenu(menu));
    EXPECT_EQ(p.waitExit(), std::optional<DWORD>(0));
}

}  // namespace
}  // namespace e2e
