// The tray icon's callback, the form it shows, the popup menu and the ways
// to quit.
#include "tarvex_case.h"

namespace tarvex_e2e {
namespace {


TEST_F(TarvexCase, LeftClickTogglesTheFormAndItsIcon) {
    StartInTray();
    const auto hidden_icon = TrayPixels();
    ASSERT_FALSE(hidden_icon.empty());
    Callback(513);
    ASSERT_TRUE(e2e::waitShown(form));
    EXPECT_TRUE(e2e::waitUntil([&] { return TrayPixels() != hidden_icon; })) << "the shown-state icon";
    Callback(513);
    ASSERT_TRUE(e2e::waitHidden(form));
    EXPECT_TRUE(e2e::waitUntil([&] { return TrayPixels() == hidden_icon; })) << "the hidden-state icon again";
    EXPECT_TRUE(TrayIconPresent(tray));
}

TEST_F(TarvexCase, OtherMouseMessagesDoNothing) {
    e2e::Process& p = StartInTray();
    for (unsigned message : {512u, 514u, 515u, 516u, 519u}) Callback(message);
    Sleep(500);
    EXPECT_FALSE(e2e::visible(form));
    EXPECT_FALSE(p.window("#32768")) << "no menu";
    EXPECT_TRUE(p.running());
}

TEST_F(TarvexCase, FormShowsThePanel) {
    StartInTray();
    Callback(513);
    ASSERT_TRUE(e2e::waitShown(form));
    EXPECT_EQ(e2e::text(form), "Tarvex");
    auto control = [&](const char* cls, const std::string& text) { return e2e::findChild(form, cls, text); };
    EXPECT_TRUE(control("Static", "Version 2.0.8"));
    EXPECT_TRUE(control("Static", "DirectX Components Installed In"));
    EXPECT_TRUE(control("Static", e2e::files::systemDir()));
    EXPECT_TRUE(control("Button", "Send to Tray"));
    EXPECT_TRUE(control("Button", "Exit"));

    std::vector<HWND> lists;
    for (HWND child : e2e::children(form))
        if (e2e::className(child) == "ListBox") lists.push_back(child);
    ASSERT_EQ(lists.size(), 2u);
    EXPECT_EQ(e2e::listBoxItems(lists[0]),
              (std::vector<std::string>{"OS Platform = Windows 95 / 98", "OS Version 4.1", "OS Build 2222"}));
    const auto components = e2e::listBoxItems(lists[1]);
    auto listed = [&](const char* name) {
        for (const std::string& c : components)
            if (lstrcmpiA(c.c_str(), name) == 0) return true;
        return false;
    };
    for (const char* name : {"ddraw.dll", "dsound.dll", "dinput.dll", "directx.cpl", "a3d.dll", "monster.bdi",
                             "sbawe32.drv", "asp4cpl.exe"})
        EXPECT_TRUE(listed(name)) << name;
    EXPECT_FALSE(listed("kernel32.dll"));

    HWND user = nullptr;
    for (HWND child : e2e::children(form))
        if (e2e::className(child) == "Edit" && user == nullptr) user = child;
    ASSERT_TRUE(user);
    EXPECT_FALSE(e2e::text(user).empty());
    EXPECT_NE(e2e::text(user), "Text1");
}

TEST_F(TarvexCase, SendToTrayHidesTheForm) {
    StartInTray();
    const auto hidden_icon = TrayPixels();
    Callback(513);
    ASSERT_TRUE(e2e::waitShown(form));
    ASSERT_TRUE(e2e::waitUntil([&] { return TrayPixels() != hidden_icon; }));
    EXPECT_TRUE(e2e::click(e2e::findChild(form, "Button", "Send to Tray")));
    EXPECT_TRUE(e2e::waitHidden(form));
    EXPECT_TRUE(e2e::waitUntil([&] { return TrayPixels() == hidden_icon; }));
    Callback(513);
    EXPECT_TRUE(e2e::waitShown(form)) << "the next click shows it again";
}

TEST_F(TarvexCase, RightClickMenuReachesAboutAndExit) {
    e2e::Process& p = StartInTray();
    Callback(517);
    HWND menu = p.waitPopupMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(e2e::chooseMenuItem(menu, MenuPath(tarvex::mnuAbout)));
    EXPECT_TRUE(e2e::waitShown(form)) << "About shows the form";

    Callback(517);
    menu = p.waitPopupMenu();
    ASSERT_TRUE(menu);
    ASSERT_TRUE(e2e::chooseMenuItem(menu, MenuPath(tarvex::mnuExit)));
    EXPECT_TRUE(p.waitExit());
    EXPECT_FALSE(TrayIconPresent(tray)) << "the icon went with it";
}

TEST_F(TarvexCase, DisplaySplashScreenFlipsTheStoredOption) {
    HWND splash = StartSplash(nullptr);
    ASSERT_TRUE(splash);
    e2e::post(splash, WM_KEYDOWN, VK_SPACE, 0);
    ASSERT_TRUE(HandedOver(splash));
    ASSERT_TRUE(e2e::waitUntil([&] { return TrayIconPresent(tray); }));
    e2e::Process& p = *program;
    for (const char* expected : {"0", "1"}) {
        Callback(517);
        HWND menu = p.waitPopupMenu();
        ASSERT_TRUE(menu);
        ASSERT_TRUE(e2e::chooseMenuItem(menu, MenuPath(tarvex::mnuLogo)));
        EXPECT_TRUE(e2e::waitUntil([&] {
            return e2e::reg::getString(HKEY_CURRENT_USER, kOptionsKey, "Logo") == std::string(expected);
        })) << expected;
    }
}

TEST_F(TarvexCase, RightDoubleClickQuits) {
    e2e::Process& p = StartInTray();
    Callback(518);
    EXPECT_TRUE(p.waitExit());
    EXPECT_FALSE(TrayIconPresent(tray));
}

TEST_F(TarvexCase, ExitButtonQuits) {
    e2e::Process& p = StartInTray();
    Callback(513);
    ASSERT_TRUE(e2e::waitShown(form));
    EXPECT_TRUE(e2e::click(e2e::findChild(form, "Button", "Exit")));
    EXPECT_TRUE(p.waitExit());
    EXPECT_FALSE(TrayIconPresent(tray));
}

TEST_F(TarvexCase, ClosingTheFormQuits) {
    e2e::Process& p = StartInTray();
    e2e::post(form, WM_CLOSE);
    EXPECT_TRUE(p.waitExit());
    EXPECT_FALSE(TrayIconPresent(tray));
}

}  // namespace
}  // namespace tarvex_e2e
