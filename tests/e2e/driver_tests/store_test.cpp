// Registry and file helpers, and the snapshots a case restores after itself.
#include "driver.h"

namespace e2e {
namespace {

const char* const kKey = "Software\\E2eDriverTest";

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { reg::deleteKey(HKEY_CURRENT_USER, kKey); }
    void TearDown() override { reg::deleteKey(HKEY_CURRENT_USER, kKey); }
};

TEST_F(StoreTest, ValuesRoundTripWithTheirTypes) {
    const std::string sub = std::string(kKey) + "\\Inner";
    ASSERT_TRUE(reg::setString(HKEY_CURRENT_USER, sub, "Text", "hello"));
    ASSERT_TRUE(reg::setDword(HKEY_CURRENT_USER, sub, "Number", 0x01020304));
    ASSERT_TRUE(reg::setBinary(HKEY_CURRENT_USER, sub, "Bytes", {1, 0, 255}));
    ASSERT_TRUE(reg::setString(HKEY_CURRENT_USER, sub, "", "default"));
    EXPECT_EQ(reg::getString(HKEY_CURRENT_USER, sub, "Text"), std::optional<std::string>("hello"));
    EXPECT_EQ(reg::getString(HKEY_CURRENT_USER, sub, ""), std::optional<std::string>("default"));
    EXPECT_EQ(reg::getDword(HKEY_CURRENT_USER, sub, "Number"), std::optional<DWORD>(0x01020304));
    EXPECT_EQ(reg::getString(HKEY_CURRENT_USER, sub, "Number"), std::nullopt) << "a DWORD is no string";
    const auto bytes = reg::get(HKEY_CURRENT_USER, sub, "Bytes");
    ASSERT_TRUE(bytes);
    EXPECT_EQ(bytes->type, static_cast<DWORD>(REG_BINARY));
    EXPECT_EQ(bytes->data, (std::vector<std::uint8_t>{1, 0, 255}));
    EXPECT_EQ(reg::subkeyNames(HKEY_CURRENT_USER, kKey), std::vector<std::string>{"Inner"});
    ASSERT_TRUE(reg::deleteValue(HKEY_CURRENT_USER, sub, "Text"));
    EXPECT_EQ(reg::get(HKEY_CURRENT_USER, sub, "Text"), std::nullopt);
    ASSERT_TRUE(reg::deleteKey(HKEY_CURRENT_USER, kKey));
    EXPECT_FALSE(reg::keyExists(HKEY_CURRENT_USER, sub));
}

TEST_F(StoreTest, KeySnapshotRestoresTheTreeAsItWas) {
    const std::string sub = std::string(kKey) + "\\A\\B";
    ASSERT_TRUE(reg::setString(HKEY_CURRENT_USER, kKey, "Top", "1"));
    ASSERT_TRUE(reg::setDword(HKEY_CURRENT_USER, sub, "Deep", 7));
    const reg::Snapshot snap(HKEY_CURRENT_USER, kKey);
    ASSERT_TRUE(reg::setString(HKEY_CURRENT_USER, kKey, "Top", "changed"));
    ASSERT_TRUE(reg::setString(HKEY_CURRENT_USER, kKey, "Added", "x"));
    ASSERT_TRUE(reg::deleteKey(HKEY_CURRENT_USER, std::string(kKey) + "\\A"));
    snap.restore();
    EXPECT_EQ(reg::getString(HKEY_CURRENT_USER, kKey, "Top"), std::optional<std::string>("1"));
    EXPECT_EQ(reg::get(HKEY_CURRENT_USER, kKey, "Added"), std::nullopt);
    EXPECT_EQ(reg::getDword(HKEY_CURRENT_USER, sub, "Deep"), std::optional<DWORD>(7));
}

TEST_F(StoreTest, SnapshotOfAMissingKeyRemovesItAgain) {
    const reg::Snapshot snap(HKEY_CURRENT_USER, kKey);
    ASSERT_TRUE(reg::setString(HKEY_CURRENT_USER, std::string(kKey) + "\\New", "V", "x"));
    snap.restore();
    EXPECT_FALSE(reg::keyExists(HKEY_CURRENT_USER, kKey));
}

TEST(Files, SnapshotRestoresBytesAttributesAndAbsence) {
    const std::string path = files::join(files::windowsDir(), "e2e_driver_test.ini");
    files::remove(path);
    const files::Snapshot absent(path);
    ASSERT_TRUE(files::write(path, "[a]\r\nb=1\r\n"));
    ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
    const files::Snapshot present(path);
    ASSERT_TRUE(files::remove(path)) << "remove clears read-only first";
    present.restore();
    EXPECT_EQ(files::readText(path), std::optional<std::string>("[a]\r\nb=1\r\n"));
    EXPECT_TRUE(files::attributes(path) & FILE_ATTRIBUTE_READONLY);
    absent.restore();
    EXPECT_FALSE(files::exists(path));
}

TEST(Paths, UnixPathsMapToDriveZ) {
    EXPECT_EQ(windowsPath("/work/build/Tarvex.exe"), "Z:\\work\\build\\Tarvex.exe");
    EXPECT_EQ(windowsPath("C:\\Windows"), "C:\\Windows");
}

}  // namespace
}  // namespace e2e
