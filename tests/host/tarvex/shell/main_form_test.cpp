// The main form's load: its steps, their order, and how it goes on after a
// failing step or ends for a second copy.
#include "tarvex/shell/main_form.h"

#include <gtest/gtest.h>

#include "tarvex/store/load_errors.h"
#include "tarvex/store/memory_profile.h"
#include "tarvex/store/memory_registry.h"
#include "tests/host/tarvex/shell/fakes.h"

namespace tarvex {
namespace {

class LoadTest : public ::testing::Test {
protected:
    MainTarvex Form() {
        return MainTarvex({panel, host, view, system, profile, notifier, [this] { refresh(); },
                           [this](const std::string& dir) { calls.push_back("read back " + dir); }});
    }

    FakeHost host;
    FakeView view;
    FakeSystem system;
    MemoryProfile profile_api;
    Profile profile{profile_api};
    RecordingNotifier notifier;
    MemoryMenu menu;
    MemoryRegistry registry_api;
    Registry registry{registry_api};
    Options options{registry};
    Panel panel{host, menu, options};
    std::vector<std::string> calls;
    std::function<void()> refresh = [this] { calls.push_back("refresh"); };
};

TEST_F(LoadTest, FillsThePanelAndStaysHidden) {
    system.dir_files = {"kernel32.dll", "DSOUND.DLL", "ddraw.dll", "d3dim.dll", "sbawe32.drv", "notes.txt"};
    MainTarvex form = Form();
    form.Load();

    EXPECT_EQ(view.Text(Control::VerLabel), "Version 2.0.8");
    EXPECT_EQ(view.lines, (std::vector<std::string>{"OS Platform = Windows 95 / 98", "OS Version 4.1",
                                                    "OS Build 2222"}));
    EXPECT_EQ(view.Text(Control::Label2), "DirectX Components Installed In");
    EXPECT_EQ(view.Text(Control::Label12), "C:\\WINDOWS\\SYSTEM");
    EXPECT_EQ(system.listed_dir, "C:\\WINDOWS\\SYSTEM");
    EXPECT_EQ(view.files, (std::vector<std::string>{"d3dim.dll", "ddraw.dll", "DSOUND.DLL", "sbawe32.drv"}));
    EXPECT_EQ(view.Text(Control::Text1), "Ada");
    EXPECT_EQ(form.help_file(), "TARVEX.HLP");
    EXPECT_EQ(calls, (std::vector<std::string>{"refresh", "read back C:\\WINDOWS"}));
    EXPECT_TRUE(host.shell_has_icon);
    EXPECT_EQ(host.icon, TrayIcon::Hidden);
    EXPECT_FALSE(host.visible);
    EXPECT_TRUE(notifier.shown.empty());
}

TEST_F(LoadTest, UnknownPlatformAddsNoPlatformLine) {
    system.version = {3, 5, 0, 100};
    Form().Load();
    EXPECT_EQ(view.lines, (std::vector<std::string>{"OS Version 5", "OS Build 100"}));
}

TEST_F(LoadTest, UserNameThatCannotBeReadShowsUnknownUser) {
    system.user.reset();
    Form().Load();
    EXPECT_EQ(view.Text(Control::Text1), "Unknown User");
}

TEST_F(LoadTest, MissingDirectoriesGiveEmptyTexts) {
    profile_api.SetWindowsDirectory(std::nullopt);
    profile_api.SetSystemDirectory(std::nullopt);
    Form().Load();
    EXPECT_EQ(view.Text(Control::Label12), "");
    EXPECT_EQ(calls.back(), "read back ");
}

TEST_F(LoadTest, SecondCopyIsRefusedAndLeavesNoIcon) {
    system.another = true;
    Form().Load();
    ASSERT_EQ(notifier.shown.size(), 1u);
    EXPECT_EQ(notifier.shown[0], (Notice{"Tarvex is already running", 16, "Tarvex"}));
    EXPECT_FALSE(host.shell_has_icon);
    EXPECT_EQ(host.log.back(), "end");
    EXPECT_FALSE(view.Text(Control::VerLabel)) << "nothing after the refusal runs";
    EXPECT_TRUE(calls.empty());
}

TEST_F(LoadTest, ErrorsAreReportedAndTheLoadGoesOn) {
    struct Case {
        long number;
        std::size_t notices;
    } cases[] = {{kErrorTypeMismatch, 0}, {5, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        notifier.shown.clear();
        calls.clear();
        refresh = [&] { throw LoadError(c.number, "Invalid procedure call or argument"); };
        MainTarvex form = Form();
        form.Load();
        ASSERT_EQ(notifier.shown.size(), c.notices);
        if (c.notices) {
            EXPECT_EQ(notifier.shown[0],
                      (Notice{"Error Code: 5\rError Description: Invalid procedure call or argument", 16,
                              "Tarvex (Error)"}));
        }
        EXPECT_EQ(calls, (std::vector<std::string>{"read back C:\\WINDOWS"})) << "the next step still runs";
        EXPECT_EQ(view.Text(Control::Text1), "Ada") << "the load runs to its end";
    }
}

}  // namespace
}  // namespace tarvex
