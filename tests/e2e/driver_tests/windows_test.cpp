// Finding windows, reading controls, broadcasting, and ending a process family.
#include "helper.h"

namespace e2e {
namespace {

TEST_F(HelperCase, FindsVisibleAndHiddenWindowsOfItsProcess) {
    Process& p = helper("window");
    HWND main = p.waitVisibleWindow("E2eHelper", "Helper");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(windowPid(main), p.pid());
    HWND hidden = p.waitWindow("E2eHelperHidden");
    ASSERT_NE(hidden, nullptr);
    EXPECT_FALSE(visible(hidden));
    EXPECT_EQ(text(hidden), "Hidden");
    EXPECT_EQ(waitVisibleWindow(p.pid(), "E2eHelperHidden", {}, Ms(500)), nullptr);
    EXPECT_EQ(findWindow(p.pid() + 4, "E2eHelper"), nullptr) << "another pid must not match";
}

TEST_F(HelperCase, ReadsControlsAcrossProcesses) {
    Process& p = helper("window");
    HWND main = p.waitVisibleWindow("E2eHelper");
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(listBoxItems(childById(main, 101)), (std::vector<std::string>{"alpha", "beta"}));
    EXPECT_EQ(listBoxSelection(childById(main, 101)), 1);
    EXPECT_EQ(comboItems(childById(main, 102)), (std::vector<std::string>{"one", "two", "three"}));
    EXPECT_EQ(comboSelection(childById(main, 102)), 2);
    EXPECT_EQ(listViewRows(childById(main, 103), 2),
              (std::vector<std::vector<std::string>>{{"D3DIM.DLL", "4.06.00.0318"},
                                                     {"SB16.VXD", "4.00.00.0950"}}));
    HWND check = findChild(main, "Button", "Check me");
    ASSERT_NE(check, nullptr);
    EXPECT_EQ(checkState(check), BST_CHECKED);
    ASSERT_TRUE(click(check));
    EXPECT_TRUE(waitUntil([&] { return checkState(check) == BST_UNCHECKED; }));
    HWND edit = childById(main, 105);
    EXPECT_EQ(text(edit), "typed");
    ASSERT_TRUE(setText(edit, "changed"));
    EXPECT_EQ(text(edit), "changed");
}

TEST_F(HelperCase, BroadcastReachesOtherProcesses) {
    Process& p = helper("window");
    HWND main = p.waitVisibleWindow("E2eHelper", "Helper");
    ASSERT_NE(main, nullptr);
    broadcast("TaskbarCreated");
    EXPECT_TRUE(waitUntil([&] { return text(main) == "Broadcast"; }));
}

TEST_F(HelperCase, KillEndsTheProcessAndEveryProcessItStarted) {
    Process& p = helper("spawn");
    HWND child = waitVisibleWindow(0, "E2eHelper");
    ASSERT_NE(child, nullptr);
    const DWORD childPid = windowPid(child);
    ASSERT_NE(childPid, p.pid());
    HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, childPid);
    ASSERT_NE(h, nullptr);
    p.kill();
    EXPECT_FALSE(p.running());
    EXPECT_EQ(WaitForSingleObject(h, 10000), WAIT_OBJECT_0);
    CloseHandle(h);
}

}  // namespace
}  // namespace e2e
