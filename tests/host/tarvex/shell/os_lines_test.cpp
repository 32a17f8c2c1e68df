#include "tarvex/shell/os_lines.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(OsLines, PlatformCodes) {
    EXPECT_EQ(PlatformLine(0), "OS Platform = Unknown 32-Bit Windows");
    EXPECT_EQ(PlatformLine(1), "OS Platform = Windows 95 / 98");
    EXPECT_EQ(PlatformLine(2), "OS Platform = Windows NT");
    EXPECT_FALSE(PlatformLine(3));
}

TEST(OsLines, VersionInItsShortestForm) {
    struct Case {
        OsVersion os;
        const char* separator;
        const char* line;
    } cases[] = {
        {{1, 4, 0, 950}, ".", "OS Version 4"},      {{1, 4, 10, 2222}, ".", "OS Version 4.1"},
        {{1, 4, 90, 3000}, ".", "OS Version 4.9"},  {{2, 5, 1, 2600}, ".", "OS Version 5.01"},
        {{2, 10, 0, 19045}, ".", "OS Version 10"},  {{1, 4, 10, 2222}, ",", "OS Version 4,1"},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(VersionLine(cases[i].os, cases[i].separator), cases[i].line) << "row " << i;
}

TEST(OsLines, BuildIsTheLowWordOn95And98) {
    EXPECT_EQ(BuildLine({1, 4, 10, 0x040A08AE}), "OS Build 2222");
    EXPECT_EQ(BuildLine({2, 6, 1, 7601}), "OS Build 7601");
    EXPECT_EQ(BuildLine({2, 10, 0, 0x00010000}), "OS Build 65536");
}

}  // namespace
}  // namespace tarvex
