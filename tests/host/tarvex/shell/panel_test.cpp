// The tray callback, the show/hide toggle, the quit paths and the tray
// icon's placement, against a host that records what it is asked to do.
#include "tarvex/shell/panel.h"

#include <gtest/gtest.h>

#include <cstring>

#include "tarvex/store/memory_registry.h"
#include "tests/host/tarvex/shell/fakes.h"

namespace tarvex {
namespace {

using Log = std::vector<std::string>;

// A registry whose writes all fail.
class ReadOnlyRegistry : public MemoryRegistry {
public:
    bool SetValue(RootKey, const std::string&, const std::string&, std::uint32_t,
                  const std::vector<std::uint8_t>&) override {
        return false;
    }
};

class PanelTest : public ::testing::Test {
protected:
    // The state after the load: the icon in the tray, the form hidden.
    void SetUp() override {
        panel.PlaceTrayIcon();
        host.log.clear();
    }
    std::string Tip(const TrayRecord& record) { return record.tip.data(); }

    FakeHost host;
    MemoryMenu menu;
    MemoryRegistry registry_api;
    Registry registry{registry_api};
    Options options{registry};
    Panel panel{host, menu, options};
};

TEST_F(PanelTest, LeftClickTogglesFormAndIcon) {
    panel.OnTrayCallback(kTrayLeftDown);
    EXPECT_EQ(host.log, (Log{"show", "focus", "icon shown", "tray modify"}));
    EXPECT_EQ(host.records.back().icon, TrayIcon::Shown);

    host.log.clear();
    panel.OnTrayCallback(kTrayLeftDown);
    EXPECT_EQ(host.log, (Log{"hide", "icon hidden", "tray modify"}));
    EXPECT_EQ(host.records.back().icon, TrayIcon::Hidden);
}

TEST_F(PanelTest, RightClickOpensOptionsWithRefreshInBold) {
    panel.OnTrayCallback(kTrayRightUp);
    EXPECT_EQ(host.log, (Log{"popup mnuRefresh"}));
}

TEST_F(PanelTest, RightDoubleClickRemovesIconThenUnloads) {
    panel.OnTrayCallback(kTrayRightDoubleClick);
    EXPECT_EQ(host.log, (Log{"tray delete", "unload"}));
    EXPECT_FALSE(host.shell_has_icon);
}

TEST_F(PanelTest, OtherMouseMessagesAreIgnored) {
    for (unsigned message : {512u, 514u, 515u, 516u, 519u, 0u, 0x10201u}) panel.OnTrayCallback(message);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(PanelTest, TipStaysTheSameThroughToggles) {
    for (int i = 0; i < 5; ++i) panel.OnTrayCallback(kTrayLeftDown);
    panel.ToTray();
    for (const TrayRecord& record : host.records) EXPECT_EQ(Tip(record), "Tarvex 2.0.8");
}

TEST(TrayTip, IsNulTerminatedAndPaddedWithSpaces) {
    const auto field = TrayTipField();
    const char expected[] = "Tarvex 2.0.8";
    EXPECT_EQ(std::memcmp(field.data(), expected, sizeof expected), 0);
    for (std::size_t i = sizeof expected; i < field.size(); ++i) EXPECT_EQ(field[i], ' ') << "byte " << i;
}

TEST_F(PanelTest, SendToTrayHidesWithTheHiddenIcon) {
    panel.OnTrayCallback(kTrayLeftDown);
    host.log.clear();
    panel.ToTray();
    EXPECT_EQ(host.log, (Log{"icon hidden", "tray modify", "hide"}));
}

TEST_F(PanelTest, QuitPathsDeleteTheIconFirst) {
    panel.OnCommand(mnuExit);
    EXPECT_EQ(host.log, (Log{"tray delete", "end"}));

    host.log.clear();
    panel.CloseButton();
    panel.FormUnload();  // the unload that the button starts
    EXPECT_EQ(host.log, (Log{"tray delete", "unload", "tray delete"}));
}

TEST_F(PanelTest, AboutShowsTheFormWithoutTouchingTheTray) {
    panel.OnCommand(mnuAbout);
    EXPECT_EQ(host.log, (Log{"show", "focus"}));
    host.log.clear();
    panel.OnCommand(mnuAbout);
    EXPECT_EQ(host.log, (Log{"focus"}));
    EXPECT_EQ(host.icon, TrayIcon::Hidden);
}

TEST_F(PanelTest, ItemsWithoutHandlersDoNothing) {
    for (MenuItem item : {mnuDD75, mnuRefresh, mnuRCProp, mnuCDSpin, mnuPopup, kMenuItemCount}) panel.OnCommand(item);
    EXPECT_TRUE(host.log.empty());
}

TEST_F(PanelTest, DisplaySplashScreenStoresAndFlipsTheMark) {
    menu.SetChecked(mnuLogo, true);
    panel.OnCommand(mnuLogo);
    EXPECT_EQ(options.Get(kOptionLogo), "0");
    EXPECT_FALSE(menu.Checked(mnuLogo));
    panel.OnCommand(mnuLogo);
    EXPECT_EQ(options.Get(kOptionLogo), "1");
    EXPECT_TRUE(menu.Checked(mnuLogo));
}

TEST(PanelLogo, AFailedWriteLeavesTheMark) {
    FakeHost host;
    MemoryMenu menu;
    ReadOnlyRegistry api;
    Registry registry{api};
    Options options{registry};
    Panel panel{host, menu, options};
    menu.SetChecked(mnuLogo, true);
    panel.OnCommand(mnuLogo);
    EXPECT_TRUE(menu.Checked(mnuLogo));
}

// A panel whose shell has no taskbar yet, as at boot.
class PanelWithoutTaskbar : public PanelTest {
protected:
    void SetUp() override { host.taskbar_exists = false; }
};

TEST_F(PanelWithoutTaskbar, RetriesUntilTheTaskbarExistsThenStops) {
    panel.PlaceTrayIcon();
    EXPECT_TRUE(host.retry_timer);
    panel.OnTrayRetryTimer();
    EXPECT_TRUE(host.retry_timer);
    EXPECT_EQ(std::count(host.log.begin(), host.log.end(), "timer on"), 1) << "started once";

    host.taskbar_exists = true;
    panel.OnTrayRetryTimer();
    EXPECT_FALSE(host.retry_timer);
    EXPECT_TRUE(host.shell_has_icon);
    EXPECT_EQ(host.log.back(), "timer off");
}

TEST_F(PanelTest, NewTaskbarGetsTheIconAgain) {
    host.shell_has_icon = false;  // the shell restarted and forgot it
    panel.PlaceTrayIcon();
    EXPECT_EQ(host.log, (Log{"tray add"}));
    EXPECT_TRUE(host.shell_has_icon);
}

TEST_F(PanelTest, RepeatedTaskbarAnnouncementStartsNoTimer) {
    panel.PlaceTrayIcon();  // the icon is still there: the add fails, the modify confirms it
    EXPECT_EQ(host.log, (Log{"tray add", "tray modify"}));
    EXPECT_FALSE(host.retry_timer);
}

TEST_F(PanelWithoutTaskbar, QuittingWhileRetryingStopsTheTimer) {
    panel.PlaceTrayIcon();
    panel.OnCommand(mnuExit);
    EXPECT_FALSE(host.retry_timer);
    EXPECT_EQ(host.log.back(), "end");
}

}  // namespace
}  // namespace tarvex
