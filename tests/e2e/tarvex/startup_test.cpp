// Start-up: the splash by its option, then the hidden form behind its icon;
// one copy only.
#include "tarvex_case.h"

namespace tarvex_e2e {
namespace {

std::vector<std::string> LabelTexts(HWND splash) {
    std::vector<std::string> texts;
    for (HWND child : e2e::children(splash))
        if (e2e::className(child) == "Static" && !e2e::text(child).empty()) texts.push_back(e2e::text(child));
    return texts;
}

// A left-button press at a point of the screen, as the splash receives it.
void PressAt(HWND splash, POINT at) {
    ScreenToClient(splash, &at);
    e2e::post(splash, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(at.x, at.y));
}

TEST_F(TarvexCase, SplashShowsTheProductThenTheIconComesUp) {
    HWND splash = StartSplash(nullptr);
    ASSERT_TRUE(splash);
    EXPECT_EQ(LabelTexts(splash), (std::vector<std::string>{"Tarvex", "Windows 95/98", "Version 2.0.8"}));
    ASSERT_TRUE(HandedOver(splash)) << "the timer hands over";
    EXPECT_TRUE(e2e::waitUntil([&] { return TrayIconPresent(tray); }));
    form = program->waitWindow("TarvexMain", "Tarvex");
    ASSERT_TRUE(form);
    EXPECT_FALSE(e2e::visible(form)) << "the form stays hidden";
}

TEST_F(TarvexCase, SplashOffGoesStraightToTheTray) {
    e2e::Process& p = StartInTray();
    EXPECT_FALSE(p.window("TarvexSplash")) << "no splash was made";
    EXPECT_FALSE(e2e::visible(form));
}

TEST_F(TarvexCase, OtherOptionShowsDesignTextsUntilAKey) {
    HWND splash = StartSplash("2");
    ASSERT_TRUE(splash);
    EXPECT_EQ(LabelTexts(splash), (std::vector<std::string>{"Product", "Windows 95/98", "Version"}));
    Sleep(3000);  // longer than the timer would run: there is none
    EXPECT_TRUE(e2e::visible(splash));
    e2e::post(splash, WM_KEYDOWN, 'A', 0);
    EXPECT_TRUE(HandedOver(splash));
}

TEST_F(TarvexCase, ClickOnTheFrameHandsOverButNotOnALabel) {
    HWND splash = StartSplash("2");
    ASSERT_TRUE(splash);
    HWND label = e2e::findChild(splash, "Static", "Windows 95/98");
    HWND frame = e2e::findChild(splash, "Button");
    ASSERT_TRUE(label && frame);
    const RECT on_label = e2e::screenRect(label), on_frame = e2e::screenRect(frame);
    PressAt(splash, {on_label.left + 2, on_label.top + 2});
    Sleep(500);
    EXPECT_TRUE(e2e::visible(splash)) << "a label click does nothing";
    PressAt(splash, {on_frame.left + 4, on_frame.bottom - 4});
    EXPECT_TRUE(HandedOver(splash));
}

TEST_F(TarvexCase, DoubleClickOnTheLogoShowsTheRecipe) {
    HWND splash = StartSplash("2");
    ASSERT_TRUE(splash);
    HWND logo = nullptr;
    for (HWND child : e2e::children(splash))
        if (e2e::className(child) == "Static" && (e2e::style(child) & SS_TYPEMASK) == SS_ICON) logo = child;
    ASSERT_TRUE(logo);
    e2e::post(logo, WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(4, 4));
    HWND box = program->waitMessageBox();
    ASSERT_TRUE(box);
    const e2e::MessageBoxInfo info = e2e::readMessageBox(box);
    EXPECT_EQ(info.title, "Tarvex (Recipe)");
    EXPECT_EQ(info.icon, e2e::Icon::Information);
    EXPECT_EQ(std::count(info.text.begin(), info.text.end(), '\r'), 13) << "fourteen lines joined by CR";
    EXPECT_EQ(info.text.find('\n'), std::string::npos);
    EXPECT_TRUE(e2e::closeMessageBox(box));
    EXPECT_TRUE(e2e::visible(splash)) << "the splash stays";
}

TEST_F(TarvexCase, SecondCopyIsRefusedAndTheFirstKeepsItsIcon) {
    StartInTray();
    e2e::Process& second = launchTarvex();
    HWND box = second.waitMessageBox();
    ASSERT_TRUE(box);
    const e2e::MessageBoxInfo info = e2e::readMessageBox(box);
    EXPECT_EQ(info.text, "Tarvex is already running");
    EXPECT_EQ(info.title, "Tarvex");
    EXPECT_EQ(info.icon, e2e::Icon::Stop);
    EXPECT_TRUE(e2e::closeMessageBox(box));
    EXPECT_TRUE(second.waitExit());
    EXPECT_TRUE(TrayIconPresent(tray)) << "the first copy's icon is left";
    EXPECT_EQ(e2e::topWindows(second.pid(), "TarvexTray").size(), 0u);
}

TEST_F(TarvexCase, NewTaskbarGetsTheIconBack) {
    StartInTray();
    ASSERT_TRUE(RemoveTrayIcon(tray)) << "as a restarted shell forgets it";
    EXPECT_FALSE(TrayIconPresent(tray));
    e2e::broadcast("TaskbarCreated");
    EXPECT_TRUE(e2e::waitUntil([&] { return TrayIconPresent(tray); }));
}

}  // namespace
}  // namespace tarvex_e2e
