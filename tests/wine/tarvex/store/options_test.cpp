#include <gtest/gtest.h>
#include <windows.h>

#include "scratch_key.h"
#include "tarvex/store/options.h"
#include "tarvex/store/registry_win32.h"

namespace tarvex {
namespace {

// The real options key belongs to the prefix's Tarvex; the test uses an
// option of its own there and leaves the key as it found it.
class RealOptions : public ::testing::Test {
protected:
    ~RealOptions() override {
        api_.DeleteValue(RootKey::CurrentUser, kOptionsKey, kName);
        if (!had_product_key_) wine::DeleteTree(HKEY_CURRENT_USER, "Software\\Tarvex");
    }

    static constexpr const char* kName = "TarvexTestOption";
    const bool had_product_key_ = wine::KeyExists(HKEY_CURRENT_USER, "Software\\Tarvex");
    Win32RegistryApi api_;
    Registry registry_{api_};
    Options options_{registry_};
};

TEST_F(RealOptions, TextValuesOfTheUsersOptionsKey) {
    EXPECT_EQ(options_.Get(kName), "");
    ASSERT_TRUE(options_.Set(kName, "C:\\DXTOOLS"));

    HKEY key;
    ASSERT_EQ(RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Tarvex\\Options", &key), ERROR_SUCCESS);
    char buffer[32] = {};
    DWORD type = 0, size = sizeof buffer;
    EXPECT_EQ(RegQueryValueExA(key, kName, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size),
              ERROR_SUCCESS);
    EXPECT_EQ(type, static_cast<DWORD>(REG_SZ));
    EXPECT_STREQ(buffer, "C:\\DXTOOLS");

    ASSERT_EQ(RegSetValueExA(key, kName, 0, REG_SZ, reinterpret_cast<const BYTE*>("0"), 2), ERROR_SUCCESS);
    RegCloseKey(key);
    EXPECT_EQ(options_.Get(kName), "0");
}

}  // namespace
}  // namespace tarvex
