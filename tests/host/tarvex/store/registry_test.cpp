#include <gtest/gtest.h>

#include "contract/registry_contract.h"
#include "tarvex/store/memory_registry.h"
#include "tarvex/store/registry.h"

namespace tarvex::contract {

struct MemoryEnv {
    static constexpr bool kTextMayGainNul = false;
    MemoryRegistry registry;
    RegistryApi& api() { return registry; }
    RootKey root() const { return RootKey::LocalMachine; }
    std::string key() const { return "Software\\Scratch"; }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Memory, RegistryContract, MemoryEnv);

}  // namespace tarvex::contract

namespace tarvex {
namespace {

// Records the buffer size of every query, to show how the readers ask.
class QueryLog : public MemoryRegistry {
public:
    std::optional<RegistryValue> QueryValue(RootKey root, const std::string& path,
                                            const std::string& name,
                                            std::size_t buffer_size) override {
        sizes.push_back(buffer_size);
        return MemoryRegistry::QueryValue(root, path, name, buffer_size);
    }
    std::vector<std::size_t> sizes;
};

TEST(Registry, ReadersAskWithTheirBufferSizes) {
    QueryLog api;
    Registry registry(api);
    const RootKey root = RootKey::LocalMachine;
    registry.SetStringValue(root, "K", "text", "hello");
    registry.SetDwordValue(root, "K", "number", 1);

    EXPECT_EQ(registry.GetStringValue(root, "K", "text"), "hello");
    EXPECT_EQ(api.sizes, (std::vector<std::size_t>{0, 5})) << "size query, then a read of that size";

    api.sizes.clear();
    registry.GetStringValue(root, "K", "number");
    EXPECT_EQ(api.sizes, (std::vector<std::size_t>{0})) << "no read of a value of another type";

    api.sizes.clear();
    registry.GetDwordValue(root, "K", "number");
    registry.GetBinaryValue(root, "K", "number");
    EXPECT_EQ(api.sizes, (std::vector<std::size_t>{4, 4}));
}

TEST(MemoryRegistry, RootsAreSeparate) {
    MemoryRegistry api;
    Registry registry(api);
    registry.SetDwordValue(RootKey::LocalMachine, "K", "v", 1);
    EXPECT_EQ(registry.GetDwordValue(RootKey::CurrentUser, "K", "v"), 0u);
    EXPECT_FALSE(registry.DeleteKey(RootKey::CurrentUser, "K"));
}

}  // namespace
}  // namespace tarvex
