#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "ostrel/registry/registry_key_win32.h"

namespace {

// The key path as Ostrel writes its own: leading and trailing backslash.
const char kScratch[] = "\\Software\\Kelmora\\OstrelScratch\\";
const char kScratchPlain[] = "Software\\Kelmora\\OstrelScratch";

class RegistryKeyTest : public ::testing::Test {
protected:
    RegistryKeyTest() { RegDeleteKeyA(HKEY_CURRENT_USER, kScratchPlain); }
    ~RegistryKeyTest() override {
        RegDeleteKeyA(HKEY_CURRENT_USER, kScratchPlain);
        HKEY parent;
        if (RegOpenKeyA(HKEY_CURRENT_USER, "Software\\Kelmora", &parent) == ERROR_SUCCESS) {
            char name[MAX_PATH];
            bool empty = RegEnumKeyA(parent, 0, name, sizeof name) != ERROR_SUCCESS;
            RegCloseKey(parent);
            if (empty) RegDeleteKeyA(HKEY_CURRENT_USER, "Software\\Kelmora");
        }
    }

    // The value as the registry holds it, read past CRegistryKey.
    static bool Raw(const char* name, DWORD& type, std::string& data) {
        HKEY key;
        if (RegOpenKeyA(HKEY_CURRENT_USER, kScratchPlain, &key) != ERROR_SUCCESS) return false;
        char buffer[256];
        DWORD size = sizeof buffer;
        LONG result = RegQueryValueExA(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buffer), &size);
        RegCloseKey(key);
        data.assign(buffer, result == ERROR_SUCCESS ? size : 0);
        return result == ERROR_SUCCESS;
    }

    static void SetRaw(const char* name, DWORD type, const std::string& data) {
        HKEY key;
        ASSERT_EQ(RegCreateKeyA(HKEY_CURRENT_USER, kScratchPlain, &key), ERROR_SUCCESS);
        RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(data.data()),
                       static_cast<DWORD>(data.size()));
        RegCloseKey(key);
    }
};

TEST_F(RegistryKeyTest, WritesValuesOfTheExpectedShape) {
    CRegistryKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kScratch), ERROR_SUCCESS) << "creates the missing key";
    EXPECT_EQ(key.WriteDword("Number", 0x01020304), ERROR_SUCCESS);
    EXPECT_EQ(key.WriteString("Text", "\"C:\\OSTREL.EXE\""), ERROR_SUCCESS);
    key.Close();

    DWORD type = 0;
    std::string data;
    ASSERT_TRUE(Raw("Number", type, data));
    EXPECT_EQ(type, DWORD{REG_DWORD});
    EXPECT_EQ(data, std::string("\x04\x03\x02\x01", 4));
    ASSERT_TRUE(Raw("Text", type, data));
    EXPECT_EQ(type, DWORD{REG_SZ});
    EXPECT_EQ(data, std::string("\"C:\\OSTREL.EXE\"\0", 16)) << "the terminating zero is stored";

    CRegistryKey again;
    ASSERT_EQ(again.Open(HKEY_CURRENT_USER, kScratch), ERROR_SUCCESS) << "opens the existing key";
    DWORD value = 0;
    EXPECT_EQ(again.ReadDword("Number", value), ERROR_SUCCESS);
    EXPECT_EQ(value, 0x01020304u);
}

TEST_F(RegistryKeyTest, ReadDwordLeavesTheVariableWhenItCannotRead) {
    SetRaw("Long", REG_SZ, std::string("longer than four bytes", 23));
    SetRaw("Bytes", REG_BINARY, std::string("\x2a\0\0\0", 4));
    CRegistryKey key;
    key.Open(HKEY_CURRENT_USER, kScratch);

    DWORD value = 0xDEADBEEF;
    EXPECT_NE(key.ReadDword("Missing", value), ERROR_SUCCESS);
    EXPECT_EQ(value, 0xDEADBEEFu);
    EXPECT_NE(key.ReadDword("Long", value), ERROR_SUCCESS) << "does not fit in four bytes";
    EXPECT_EQ(value, 0xDEADBEEFu);
    EXPECT_EQ(key.ReadDword("Bytes", value), ERROR_SUCCESS) << "the stored type is not examined";
    EXPECT_EQ(value, 42u);

    key.Close();
    EXPECT_EQ(key.Close(), ERROR_SUCCESS) << "closing twice is harmless";
    value = 7;
    EXPECT_NE(key.ReadDword("Bytes", value), ERROR_SUCCESS) << "no key open";
    EXPECT_EQ(value, 7u);
}

}  // namespace
