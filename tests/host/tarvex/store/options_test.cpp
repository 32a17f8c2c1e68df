#include <gtest/gtest.h>

#include "tarvex/store/memory_registry.h"
#include "tarvex/store/options.h"

namespace tarvex {
namespace {

TEST(Options, AbsentUntilWrittenThenKeptAsTextPerUser) {
    MemoryRegistry api;
    Registry registry(api);
    Options options(registry);
    EXPECT_EQ(options.Get(kOptionDXPath), "");
    EXPECT_EQ(options.Get(kOptionLogo), "");

    ASSERT_TRUE(options.Set(kOptionLogo, "0"));
    ASSERT_TRUE(options.Set(kOptionDXPath, "C:\\DXTOOLS"));
    EXPECT_EQ(options.Get(kOptionLogo), "0");
    EXPECT_EQ(options.Get(kOptionDXPath), "C:\\DXTOOLS");

    const auto stored = api.QueryValue(RootKey::CurrentUser, "Software\\Tarvex\\Options", "Logo", 16);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->type, kRegSz);
    EXPECT_EQ(stored->data, std::vector<std::uint8_t>{'0'});
    EXPECT_EQ(registry.GetStringValue(RootKey::LocalMachine, kOptionsKey, kOptionLogo), "");
}

}  // namespace
}  // namespace tarvex
