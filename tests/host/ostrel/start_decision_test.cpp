#include <gtest/gtest.h>

#include "ostrel/app/start_decision.h"

namespace ostrel {
namespace {

constexpr std::optional<std::uint32_t> kMissing = std::nullopt;

TEST(StartDecision, SetupIsDueUntilAnsweredWithAUsableInterval) {
    struct Row {
        std::optional<std::uint32_t> is_setup, interval;
        bool due;
    } rows[] = {
        {kMissing, kMissing, true},  // first start
        {1, 5, false},
        {2, 5, true},  // only exactly 1 counts
        {0, 5, true},
        {kMissing, 5, true},
        {1, kMissing, true},  // setup dismissed with Escape
        {1, 0, true},
        {1, 51, true},
        {1, 0xFFFFFFFFu, true},
        {1, 1, false},
        {1, 50, false},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(SetupDue(rows[i].is_setup, rows[i].interval), rows[i].due) << "row " << i;
    }
}

TEST(StartDecision, CountsUpToTheIntervalThenBacksUp) {
    struct Row {
        std::optional<std::uint32_t> interval, counter;
        StartKind kind;
        std::uint32_t counter_after;
    } rows[] = {
        {5, 5, StartKind::Backup, 1},  // the start that ran the setup backs up at once
        {5, 1, StartKind::Counting, 2},
        {5, 4, StartKind::Counting, 5},
        {5, 0, StartKind::Counting, 1},
        {1, 1, StartKind::Backup, 1},  // N = 1: every start
        // A counter set above N by hand still leads to a backup.
        {5, 6, StartKind::Backup, 1},
        {5, 0xFFFFFFFFu, StartKind::Backup, 1},
        {50, 49, StartKind::Counting, 50},
        {5, kMissing, StartKind::Backup, 1},
        // Never decided on an interval that is not there or out of range.
        {kMissing, 3, StartKind::Idle, 0},
        {kMissing, kMissing, StartKind::Idle, 0},
        {0, 0, StartKind::Idle, 0},
        {51, 51, StartKind::Idle, 0},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        StartDecision d = DecideStart(rows[i].interval, rows[i].counter);
        EXPECT_EQ(d.kind, rows[i].kind) << "row " << i;
        if (d.kind != StartKind::Idle) {
            EXPECT_EQ(d.counter, rows[i].counter_after) << "row " << i;
        }
    }
}

TEST(StartDecision, WithIntervalFiveEveryFifthStartBacksUp) {
    std::uint32_t counter = 5;  // as the setup dialog leaves it
    std::vector<int> backups;
    for (int start = 1; start <= 12; ++start) {
        StartDecision d = DecideStart(5u, counter);
        if (d.kind == StartKind::Backup) backups.push_back(start);
        counter = d.counter;
    }
    EXPECT_EQ(backups, (std::vector<int>{1, 6, 11}));
}

}  // namespace
}  // namespace ostrel
