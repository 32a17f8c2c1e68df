#include "tarvex/shell/file_patterns.h"

#include <gtest/gtest.h>

namespace tarvex {
namespace {

TEST(ComponentPatterns, WhichFilesAreListed) {
    struct Case {
        const char* name;
        bool listed;
    } cases[] = {
        {"ddraw.dll", true},   {"DDRAW16.DLL", true}, {"d3dim700.dll", true}, {"DINPUT.DLL", true},
        {"dinput.vxd", true},  {"dinput8.dll", false}, {"dsound.vxd", true},  {"dplayx.dll", true},
        {"dpwsockx", true},    {"directx.cpl", true},  {"a3d.dll", true},     {"monster.bdi", true},
        {"sbawe32.drv", true}, {"sb16.vxd", true},     {"sbemul.dll", true},  {"sbemul.exe", false},
        {"asp4cpl.exe", true}, {"kernel32.dll", false}, {"d3d", false},       {"ddraw.dll.bak", false},
        {"xd3d.dll", false},   {"bdi", false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(MatchesAnyPattern(cases[i].name, kComponentPatterns), cases[i].listed)
            << "row " << i << " " << cases[i].name;
}

TEST(ComponentPatterns, Wildcards) {
    EXPECT_TRUE(MatchesPattern("abc", "a?c"));
    EXPECT_FALSE(MatchesPattern("ac", "a?c"));
    EXPECT_TRUE(MatchesPattern("a.b.c", "*.c"));
    EXPECT_TRUE(MatchesPattern("anything", "*"));
    EXPECT_TRUE(MatchesPattern("name", "name.*"));
    EXPECT_FALSE(MatchesPattern("names", "name.*"));
}

TEST(ComponentPatterns, ListIsSortedWithoutRegardToCase) {
    EXPECT_EQ(ComponentFiles({"dsound.dll", "DDRAW.DLL", "readme.txt", "d3dim.dll", "Dinput.dll"}),
              (std::vector<std::string>{"d3dim.dll", "DDRAW.DLL", "Dinput.dll", "dsound.dll"}));
    EXPECT_TRUE(ComponentFiles({}).empty());
}

}  // namespace
}  // namespace tarvex
