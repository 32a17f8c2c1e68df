// Message boxes: title, text, icon kind and closing, against MessageBoxA itself.
#include "helper.h"

namespace e2e {
namespace {

struct BoxCase {
    UINT style;
    Icon icon;
};

class MessageBoxTest : public HelperCase, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(MessageBoxTest, ReadsTitleTextAndIconThenPressesOk) {
    const BoxCase c = GetParam();
    Process& p = helper("msgbox " + std::to_string(c.style) + " \"Box title\" \"First line\\rSecond line\"");
    HWND box = p.waitMessageBox();
    ASSERT_NE(box, nullptr);
    const MessageBoxInfo info = readMessageBox(box);
    EXPECT_EQ(info.title, "Box title");
    EXPECT_EQ(info.text, "First line\rSecond line");
    EXPECT_EQ(info.icon, c.icon);
    EXPECT_EQ(info.buttons, std::vector<std::string>{"OK"});
    ASSERT_TRUE(closeMessageBox(box));
    EXPECT_EQ(p.waitExit(), std::optional<DWORD>(IDOK));
}

INSTANTIATE_TEST_SUITE_P(Icons, MessageBoxTest,
                         ::testing::Values(BoxCase{MB_OK, Icon::None}, BoxCase{MB_ICONHAND, Icon::Stop},
                                           BoxCase{MB_ICONASTERISK, Icon::Information},
                                           BoxCase{MB_ICONQUESTION, Icon::Question},
                                           BoxCase{MB_ICONEXCLAMATION, Icon::Warning}),
                         [](const auto& info) { return std::string(iconName(info.param.icon)); });

TEST_F(HelperCase, PressesTheChosenButtonOfAMessageBox) {
    Process& p = helper("msgbox " + std::to_string(MB_YESNO | MB_ICONQUESTION) + " Ask \"Go on?\"");
    HWND box = p.waitMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(readMessageBox(box).buttons, (std::vector<std::string>{"&Yes", "&No"}));
    ASSERT_TRUE(closeMessageBox(box, IDNO));
    EXPECT_EQ(p.waitExit(), std::optional<DWORD>(IDNO));
}

}  // namespace
}  // namespace e2e
