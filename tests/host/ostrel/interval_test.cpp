#include <gtest/gtest.h>

#include "ostrel/setup/interval.h"

namespace ostrel {
namespace {

TEST(SetupInterval, EditTextReadAndClamped) {
    struct Row {
        const char* text;
        std::uint32_t reading;
        std::uint32_t stored;
    } rows[] = {
        {"", 0, 1},
        {"0", 0, 1},
        {"1", 1, 1},
        {"5", 5, 5},
        {"050", 50, 50},
        {"51", 51, 50},
        {"99999", 99999, 50},
        {"2147483647", 2147483647u, 50},
        // Negative as a signed number: the smallest interval, not the largest.
        {"2147483648", 2147483648u, 1},
        {"4294967295", 4294967295u, 1},
        // Past 32 bits the reading fails, however long the digits go on.
        {"4294967296", 0, 1},
        {"99999999999999999999999", 0, 1},
        {"  7", 7, 7},
        {"12abc", 12, 12},
        {"abc", 0, 1},
        {"-3", 0, 1},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(ReadUnsigned(rows[i].text), rows[i].reading) << "row " << i;
        EXPECT_EQ(ClampInterval(ReadUnsigned(rows[i].text)), rows[i].stored) << "row " << i;
    }
}

}  // namespace
}  // namespace ostrel
