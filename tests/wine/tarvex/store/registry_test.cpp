#include <gtest/gtest.h>
#include <windows.h>

#include <cstring>
#include <functional>

#include "contract/registry_contract.h"
#include "scratch_key.h"
#include "tarvex/store/registry_win32.h"

namespace tarvex::contract {

struct Win32Env {
    static constexpr bool kTextMayGainNul = true;
    wine::ScratchKey scratch{HKEY_LOCAL_MACHINE, "Software\\TarvexTest"};
    Win32RegistryApi registry;
    RegistryApi& api() { return registry; }
    RootKey root() const { return RootKey::LocalMachine; }
    std::string key() const { return scratch.path(); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, RegistryContract, Win32Env);

}  // namespace tarvex::contract

namespace tarvex {
namespace {

class RawRegistry : public ::testing::Test {
protected:
    RawRegistry() : key_(scratch_.Open()) {}
    ~RawRegistry() override { RegCloseKey(key_); }

    wine::ScratchKey scratch_{HKEY_LOCAL_MACHINE, "Software\\TarvexTest"};
    HKEY key_;
    Win32RegistryApi api_;
    Registry registry_{api_};
};

// The wrappers' values as RegQueryValueExA returns them, into a buffer
// pre-filled so that a byte too many shows.
TEST_F(RawRegistry, WrittenValuesAsTheSystemReadsThem) {
    using Write = std::function<bool(Registry&, const std::string&)>;
    struct Row {
        Write write;
        DWORD type;
        std::string bytes;
    };
    const Row rows[] = {
        {[](Registry& r, const std::string& k) { return r.SetDwordValue(RootKey::LocalMachine, k, "v", 0x01020304); },
         REG_DWORD, "\x04\x03\x02\x01"},
        {[](Registry& r, const std::string& k) { return r.SetBinaryValue(RootKey::LocalMachine, k, "v", 0x01020304); },
         REG_BINARY, "\x04\x03\x02\x01"},
        {[](Registry& r, const std::string& k) { return r.SetByteValue(RootKey::LocalMachine, k, "v", 257); },
         REG_BINARY, "\x01"},
        {[](Registry& r, const std::string& k) { return r.SetStringValue(RootKey::LocalMachine, k, "v", "abc"); },
         REG_SZ, "abc"},
        {[](Registry& r, const std::string& k) { return r.SetStringValue(RootKey::LocalMachine, k, "v", ""); },
         REG_SZ, ""},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        ASSERT_TRUE(rows[i].write(registry_, scratch_.path())) << "row " << i;
        BYTE buffer[16];
        std::memset(buffer, 0xCC, sizeof buffer);
        DWORD type = 0xdeadbeef, size = sizeof buffer;
        ASSERT_EQ(RegQueryValueExA(key_, "v", nullptr, &type, buffer, &size), ERROR_SUCCESS) << "row " << i;
        EXPECT_EQ(type, rows[i].type) << "row " << i;
        const std::string& bytes = rows[i].bytes;
        // Text may be kept with a NUL behind it; nothing more.
        const bool gained_nul = type == REG_SZ && size == bytes.size() + 1 && buffer[bytes.size()] == 0;
        if (!gained_nul) {
            EXPECT_EQ(size, bytes.size()) << "row " << i;
        }
        EXPECT_EQ(std::string(reinterpret_cast<char*>(buffer), bytes.size()), bytes) << "row " << i;
        EXPECT_EQ(buffer[size], 0xCC) << "row " << i;
    }
}

// Another program may have stored text with its NUL or without; the
// wide call stores it without whatever the system version.
TEST_F(RawRegistry, TextWithOrWithoutNulReadsTheSame) {
    ASSERT_EQ(RegSetValueExA(key_, "with", 0, REG_SZ, reinterpret_cast<const BYTE*>("abc"), 4),
              ERROR_SUCCESS);
    const wchar_t wide[] = L"abcX";
    ASSERT_EQ(RegSetValueExW(key_, L"without", 0, REG_SZ, reinterpret_cast<const BYTE*>(wide),
                             3 * sizeof(wchar_t)),
              ERROR_SUCCESS);
    DWORD type = 0, size = 0;
    ASSERT_EQ(RegQueryValueExA(key_, "without", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
    ASSERT_EQ(size, 3u) << "stored without a NUL";

    EXPECT_EQ(registry_.GetStringValue(RootKey::LocalMachine, scratch_.path(), "with"), "abc");
    EXPECT_EQ(registry_.GetStringValue(RootKey::LocalMachine, scratch_.path(), "without"), "abc");
}

}  // namespace
}  // namespace tarvex
