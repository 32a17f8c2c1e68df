// The main form and its tray window as real windows: the form's frame,
// its controls at the screen's DPI, the icons, and the tray record the
// shell receives.
#include "tarvex/shell/main_form_win32.h"

#include <gtest/gtest.h>

#include "tarvex/shell/tray_win32.h"

namespace tarvex {
namespace {

TEST(MainFormWindow, IsAHiddenFixedFormWithTheOptionsBar) {
    MainFormWindow form;
    HWND window = form.form();
    ASSERT_TRUE(IsWindow(window));
    char text[64];
    GetClassNameA(window, text, sizeof text);
    EXPECT_STREQ(text, kMainClass);
    GetWindowTextA(window, text, sizeof text);
    EXPECT_STREQ(text, "Tarvex");
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_EQ(GetMenu(window), form.menu().bar());
    const LONG style = GetWindowLongA(window, GWL_STYLE);
    EXPECT_FALSE(style & WS_SYSMENU) << "no control box";
    EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
    // Owned by the hidden tray window, so it gets no taskbar button.
    HWND owner = GetWindow(window, GW_OWNER);
    ASSERT_TRUE(owner);
    GetClassNameA(owner, text, sizeof text);
    EXPECT_STREQ(text, kTrayClass);

    RECT client;
    GetClientRect(window, &client);
    const int dpi = FormControls::Dpi();
    EXPECT_EQ(client.right, TwipsToPixels(kMainFormLayout.client_width, dpi));
    EXPECT_EQ(client.bottom, TwipsToPixels(kMainFormLayout.client_height, dpi));
}

TEST(MainFormWindow, ControlsSitWhereTheLayoutPutsThem) {
    MainFormWindow form;
    const int dpi = FormControls::Dpi();
    struct Case {
        Control id;
        int left, top;  // twips, in the form
    } cases[] = {{Control::List1, 120, 1320}, {Control::ToTray, 240, 3000}, {Control::CloseTarvex, 1560, 3000},
                 {Control::File1, 3000, 480}, {Control::AttArc, 8040, 3000}};
    for (const Case& c : cases) {
        HWND control = GetDlgItem(form.form(), static_cast<int>(c.id));
        ASSERT_TRUE(control) << static_cast<int>(c.id);
        RECT r;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, form.form(), reinterpret_cast<POINT*>(&r), 2);
        EXPECT_EQ(r.left, TwipsToPixels(c.left, dpi)) << static_cast<int>(c.id);
        EXPECT_EQ(r.top, TwipsToPixels(c.top, dpi)) << static_cast<int>(c.id);
    }
    form.SetText(Control::Text1, "Unknown User");
    char text[64];
    GetDlgItemTextA(form.form(), static_cast<int>(Control::Text1), text, sizeof text);
    EXPECT_STREQ(text, "Unknown User");
}

TEST(MainFormWindow, ShowHideAndIcons) {
    MainFormWindow form;
    form.SetFormIcon(TrayIcon::Hidden);
    const LRESULT hidden_icon = SendMessageA(form.form(), WM_GETICON, ICON_SMALL, 0);
    form.SetFormIcon(TrayIcon::Shown);
    const LRESULT shown_icon = SendMessageA(form.form(), WM_GETICON, ICON_SMALL, 0);
    EXPECT_NE(hidden_icon, 0);
    EXPECT_NE(shown_icon, 0);
    EXPECT_NE(hidden_icon, shown_icon);
    EXPECT_EQ(form.FormIcon(), TrayIcon::Shown);

    form.SetFormVisible(true);
    EXPECT_TRUE(form.FormVisible());
    RECT r;
    GetWindowRect(form.form(), &r);
    EXPECT_NEAR((r.left + r.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1) << "centred when first shown";
    form.SetFormVisible(false);
    EXPECT_FALSE(form.FormVisible());
}

TEST(TrayRecord, IsTheFirstVersionOfTheShellRecord) {
    TrayRecord record;
    record.tip = TrayTipField();
    HWND window = reinterpret_cast<HWND>(0x1234);
    HICON icon = reinterpret_cast<HICON>(0x5678);
    const NOTIFYICONDATAA data = ToNotifyIconData(record, window, icon);
    EXPECT_EQ(data.cbSize, NOTIFYICONDATAA_V1_SIZE);
    if (sizeof(void*) == 4) {
        EXPECT_EQ(data.cbSize, 88u);
    }
    EXPECT_EQ(data.hWnd, window);
    EXPECT_EQ(data.uID, 1u);
    EXPECT_EQ(data.uFlags, 7u);
    EXPECT_EQ(data.uCallbackMessage, 512u);
    EXPECT_EQ(data.hIcon, icon);
    EXPECT_STREQ(data.szTip, "Tarvex 2.0.8");
    EXPECT_EQ(data.szTip[63], ' ');
}

TEST(MainFormWindow, TheShellTakesAddModifyAndDelete) {
    MainFormWindow form;
    TrayRecord record;
    record.tip = TrayTipField();
    ASSERT_TRUE(form.NotifyTray(TrayOp::Add, record)) << "needs the prefix's desktop with its tray";
    EXPECT_FALSE(form.NotifyTray(TrayOp::Add, record)) << "the same icon twice";
    record.icon = TrayIcon::Shown;
    EXPECT_TRUE(form.NotifyTray(TrayOp::Modify, record));
    EXPECT_TRUE(form.NotifyTray(TrayOp::Delete, record));
    EXPECT_FALSE(form.NotifyTray(TrayOp::Modify, record)) << "gone";
    EXPECT_FALSE(form.NotifyTray(TrayOp::Delete, record)) << "a second delete fails harmlessly";
}

}  // namespace
}  // namespace tarvex

namespace tarvex {
namespace {

// Ctrl+X is "Exit" while the shown form has the focus, and nothing otherwise.
TEST(MainFormWindow, CtrlXWorksOnlyOnTheShownForm) {
    MainFormWindow form;  // no panel attached: the command goes nowhere
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    auto ctrl_x = [&](HWND target) {
        MSG msg = {target, WM_KEYDOWN, 'X', 0x002D0001, GetTickCount(), {0, 0}};
        return form.TranslateShortcut(&msg);
    };
    HWND list = GetDlgItem(form.form(), static_cast<int>(Control::List1));
    EXPECT_FALSE(ctrl_x(form.form())) << "hidden";
    form.SetFormVisible(true);
    EXPECT_TRUE(ctrl_x(form.form()));
    EXPECT_TRUE(ctrl_x(list)) << "a control on the form has the focus";
    EXPECT_FALSE(ctrl_x(nullptr)) << "another window";
    keys[VK_CONTROL] = 0;
    SetKeyboardState(keys);
    EXPECT_FALSE(ctrl_x(form.form())) << "X alone";
}

}  // namespace
}  // namespace tarvex
