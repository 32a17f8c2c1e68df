// The registry wrappers' cases that must hold on every RegistryApi: the
// in-memory one of the host tests and the real registry under Wine.
// An environment type provides `RegistryApi& api()`, `RootKey root()` and
// `std::string key()`: a scratch key that exists for one test and is
// deleted with the environment. `kTextMayGainNul` tells whether the store
// may keep text written without a NUL with one behind it, as Windows does.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "tarvex/store/registry.h"

namespace tarvex::contract {

using Bytes = std::vector<std::uint8_t>;

inline Bytes Text(const std::string& s) { return Bytes(s.begin(), s.end()); }

template <class Env>
class RegistryContract : public ::testing::Test {
protected:
    Env env;
    RegistryApi& api = env.api();
    Registry registry{api};
    RootKey root = env.root();
    std::string key = env.key();
};

TYPED_TEST_SUITE_P(RegistryContract);

// Each writer's value as every reader sees it, and the type and bytes stored.
TYPED_TEST_P(RegistryContract, WrittenValuesByKind) {
    using Write = std::function<bool(Registry&, RootKey, const std::string&)>;
    const std::string long_text(64 * 1024, 'x');
    struct Row {
        Write write;
        std::uint32_t type;
        Bytes stored;
        std::uint32_t dword, binary;
        std::string text;
    };
    const Row rows[] = {
        {[](Registry& r, RootKey k, const std::string& p) { return r.SetDwordValue(k, p, "v", 0x12345678); },
         kRegDword, {0x78, 0x56, 0x34, 0x12}, 0x12345678, 0, ""},
        {[](Registry& r, RootKey k, const std::string& p) { return r.SetBinaryValue(k, p, "v", 0x12345678); },
         kRegBinary, {0x78, 0x56, 0x34, 0x12}, 0, 0x12345678, ""},
        {[](Registry& r, RootKey k, const std::string& p) { return r.SetByteValue(k, p, "v", 257); },
         kRegBinary, {0x01}, 0, 1, ""},
        {[](Registry& r, RootKey k, const std::string& p) { return r.SetByteValue(k, p, "v", 0x123456FF); },
         kRegBinary, {0xFF}, 0, 0xFF, ""},
        {[](Registry& r, RootKey k, const std::string& p) { return r.SetStringValue(k, p, "v", "abc"); },
         kRegSz, Text("abc"), 0, 0, "abc"},
        {[](Registry& r, RootKey k, const std::string& p) { return r.SetStringValue(k, p, "v", ""); },
         kRegSz, {}, 0, 0, ""},
        {[&](Registry& r, RootKey k, const std::string& p) { return r.SetStringValue(k, p, "v", long_text); },
         kRegSz, Text(long_text), 0, 0, long_text},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        const std::string key = this->key + "\\row" + std::to_string(i);
        ASSERT_TRUE(row.write(this->registry, this->root, key)) << "row " << i;
        const auto value = this->api.QueryValue(this->root, key, "v", 1 << 20);
        ASSERT_TRUE(value) << "row " << i;
        EXPECT_EQ(value->type, row.type) << "row " << i;
        Bytes with_nul = row.stored;
        with_nul.push_back(0);
        const bool gained_nul = TypeParam::kTextMayGainNul && row.type == kRegSz && value->data == with_nul;
        if (!gained_nul) {
            EXPECT_EQ(value->data, row.stored) << "row " << i;
        }
        EXPECT_EQ(this->registry.GetDwordValue(this->root, key, "v"), row.dword) << "row " << i;
        EXPECT_EQ(this->registry.GetBinaryValue(this->root, key, "v"), row.binary) << "row " << i;
        EXPECT_EQ(this->registry.GetStringValue(this->root, key, "v"), row.text) << "row " << i;
    }
}

// Values of every width and type, however another program stored them.
TYPED_TEST_P(RegistryContract, StoredValuesRead) {
    struct Row {
        std::uint32_t type;
        Bytes data;
        std::uint32_t dword, binary;
        std::string text;
    };
    const std::uint32_t kRegExpandSz = 2;
    const Row rows[] = {
        {kRegBinary, {0x01}, 0, 1, ""},
        {kRegBinary, {0x01, 0x00, 0x00, 0x00}, 0, 1, ""},
        {kRegBinary, {0x01, 0x02, 0x03}, 0, 0x030201, ""},
        {kRegBinary, {0x01, 0x00, 0x00, 0x00, 0x00}, 0, 0, ""},
        {kRegBinary, {}, 0, 0, ""},
        {kRegDword, {0x05, 0x00, 0x00, 0x00}, 5, 0, ""},
        {kRegDword, {0x05, 0x00, 0x00, 0x00, 0x00}, 0, 0, ""},
        {kRegSz, Text(std::string("abc", 4)), 0, 0, "abc"},
        {kRegSz, Text("abc"), 0, 0, "abc"},
        {kRegSz, Text(std::string("ab\0cd", 6)), 0, 0, "ab"},
        {kRegExpandSz, Text(std::string("abc", 4)), 0, 0, ""},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& row = rows[i];
        ASSERT_TRUE(this->api.SetValue(this->root, this->key, "v", row.type, row.data)) << "row " << i;
        EXPECT_EQ(this->registry.GetDwordValue(this->root, this->key, "v"), row.dword) << "row " << i;
        EXPECT_EQ(this->registry.GetBinaryValue(this->root, this->key, "v"), row.binary) << "row " << i;
        EXPECT_EQ(this->registry.GetStringValue(this->root, this->key, "v"), row.text) << "row " << i;
    }
}

TYPED_TEST_P(RegistryContract, MissingKeyOrValueReadsAsNothing) {
    Registry& r = this->registry;
    const std::string missing_key = this->key + "\\missing";
    ASSERT_TRUE(r.SetDwordValue(this->root, this->key, "present", 7));
    for (const auto& [key, name] : {std::pair{missing_key, "present"}, std::pair{this->key, "absent"}}) {
        EXPECT_EQ(r.GetDwordValue(this->root, key, name), 0u) << key << " " << name;
        EXPECT_EQ(r.GetBinaryValue(this->root, key, name), 0u) << key << " " << name;
        EXPECT_EQ(r.GetStringValue(this->root, key, name), "") << key << " " << name;
        EXPECT_FALSE(r.DeleteValue(this->root, key, name)) << key << " " << name;
    }
    EXPECT_TRUE(r.DeleteValue(this->root, this->key, "present"));
    EXPECT_EQ(r.GetDwordValue(this->root, this->key, "present"), 0u);
}

TYPED_TEST_P(RegistryContract, NamesIgnoreCase) {
    Registry& r = this->registry;
    ASSERT_TRUE(r.SetStringValue(this->root, this->key + "\\Sub\\Key", "Value", "text"));
    EXPECT_EQ(r.GetStringValue(this->root, this->key + "\\SUB\\key", "vALUE"), "text");
    ASSERT_TRUE(r.SetStringValue(this->root, this->key + "\\sub\\KEY", "VALUE", "other"));
    EXPECT_EQ(r.GetStringValue(this->root, this->key + "\\Sub\\Key", "Value"), "other");
}

// Windows 9x deletes a key with all its subkeys.
TYPED_TEST_P(RegistryContract, KeysCreatedAndDeleted) {
    Registry& r = this->registry;
    const std::string parent = this->key + "\\a";
    const std::string child = parent + "\\b\\c";
    EXPECT_FALSE(r.DeleteKey(this->root, child));
    EXPECT_TRUE(r.CreateKey(this->root, child));
    EXPECT_TRUE(r.DeleteKey(this->root, child));
    EXPECT_FALSE(r.DeleteKey(this->root, child));

    ASSERT_TRUE(r.SetDwordValue(this->root, child, "v", 1));
    EXPECT_TRUE(r.DeleteKey(this->root, parent));
    EXPECT_EQ(r.GetDwordValue(this->root, child, "v"), 0u);
    EXPECT_FALSE(r.DeleteKey(this->root, child));
}

TYPED_TEST_P(RegistryContract, QueryNeedsRoomForTheWholeValue) {
    const Bytes five = {1, 2, 3, 4, 5};
    ASSERT_TRUE(this->api.SetValue(this->root, this->key, "v", kRegBinary, five));
    EXPECT_FALSE(this->api.QueryValue(this->root, this->key, "v", 4));
    const auto read = this->api.QueryValue(this->root, this->key, "v", 5);
    ASSERT_TRUE(read);
    EXPECT_EQ(read->type, kRegBinary);
    EXPECT_EQ(read->data, five);
    const auto probe = this->api.QueryValue(this->root, this->key, "v", 0);
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe->type, kRegBinary);
    EXPECT_EQ(probe->data.size(), 5u);
}

REGISTER_TYPED_TEST_SUITE_P(RegistryContract, WrittenValuesByKind, StoredValuesRead,
                            MissingKeyOrValueReadsAsNothing, NamesIgnoreCase, KeysCreatedAndDeleted,
                            QueryNeedsRoomForTheWholeValue);

}  // namespace tarvex::contract
