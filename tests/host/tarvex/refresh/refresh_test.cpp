#include "tarvex/refresh/refresh.h"

#include <gtest/gtest.h>

#include "tarvex/store/memory_registry.h"

namespace tarvex {
namespace {

TEST(Refresh, SplashOptionSetsItsMark) {
    struct Case {
        const char* logo;  // nullptr: never stored
        bool before, after;
    } cases[] = {
        {nullptr, false, true}, {"", false, true}, {"1", false, true},
        {"0", true, false},     {"2", true, true}, {"2", false, false},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        MemoryRegistry api;
        Registry registry{api};
        Options options{registry};
        if (cases[i].logo) options.Set(kOptionLogo, cases[i].logo);
        MemoryMenu menu;
        menu.SetChecked(mnuLogo, cases[i].before);
        RefreshTarvex(menu, options);
        EXPECT_EQ(menu.Checked(mnuLogo), cases[i].after) << "row " << i;
    }
}

}  // namespace
}  // namespace tarvex
