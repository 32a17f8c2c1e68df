#include "tarvex/shell/splash.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tarvex {
namespace {

TEST(Splash, ModeFollowsTheOption) {
    EXPECT_EQ(SplashModeFor(""), SplashMode::Timed);
    EXPECT_EQ(SplashModeFor("1"), SplashMode::Timed);
    EXPECT_EQ(SplashModeFor("0"), SplashMode::Skip);
    for (const char* other : {"2", "yes", " 1", "1 ", "00", "-1"}) EXPECT_EQ(SplashModeFor(other), SplashMode::Design) << other;
}

TEST(Splash, RecipeLayout) {
    const Notice recipe = RecipeNotice();
    EXPECT_EQ(recipe.flags, 64u);
    EXPECT_EQ(recipe.title, "Tarvex (Recipe)");
    EXPECT_EQ(recipe.text.find('\n'), std::string::npos) << "lines are joined by CR alone";
    std::vector<std::string> lines;
    std::stringstream in(recipe.text);
    for (std::string line; std::getline(in, line, '\r');) lines.push_back(line);
    ASSERT_EQ(lines.size(), 14u);  // title, blank, 8 ingredients, blank, instructions, blank, credit
    const bool blank[] = {false, true, false, false, false, false, false, false, false, false, true, false, true, false};
    for (std::size_t i = 0; i < std::size(blank); ++i) EXPECT_EQ(lines[i].empty(), blank[i]) << "line " << i;
}

}  // namespace
}  // namespace tarvex
