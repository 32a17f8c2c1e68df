#include <gtest/gtest.h>

#include <vector>

#include "tarvex/store/load_errors.h"
#include "tarvex/store/notice.h"

namespace tarvex {
namespace {

struct RecordingNotifier : Notifier {
    void Show(const Notice& notice) override { shown.push_back(notice); }
    std::vector<Notice> shown;
};

TEST(Notice, LinesJoinedByCarriageReturnAlone) {
    EXPECT_EQ(JoinLines({}), "");
    EXPECT_EQ(JoinLines({"one"}), "one");
    EXPECT_EQ(JoinLines({"one", "two"}), "one\rtwo");
    EXPECT_EQ(JoinLines({"one", "", "one"}), "one\r\rone");
}

TEST(Notice, SharedProceduresShowOneInformationNotice) {
    struct Row {
        void (*procedure)(Notifier&);
        Notice expected;
    };
    const Row rows[] = {
        {NotifyCDCacheChanged, {"CD Cache Settings Changed", 64, "Tarvex (CD)"}},
        {NotifyRefreshRateChanged, {"DirectDraw Refresh Rate Changed", 64, "Tarvex (DirectDraw)"}},
        {NotifyCDPrefetchChanged, {"CD Prefetch Settings Changed", 64, "Tarvex (CD)"}},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        RecordingNotifier notifier;
        rows[i].procedure(notifier);
        ASSERT_EQ(notifier.shown.size(), 1u) << "row " << i;
        EXPECT_EQ(notifier.shown[0], rows[i].expected) << "row " << i;
    }
}

TEST(LoadErrors, ErrorNoticeHasTwoLines) {
    EXPECT_EQ(ErrorNotice(5, "Invalid procedure call"),
              (Notice{"Error Code: 5\rError Description: Invalid procedure call", 16, "Tarvex (Error)"}));
}

// Every step runs; each error but a type mismatch is reported once, in order.
TEST(LoadErrors, LoadGoesOnAfterEveryError) {
    RecordingNotifier notifier;
    std::vector<int> ran;
    RunLoadSteps(
        {
            [&] { ran.push_back(1); },
            [&] { ran.push_back(2); throw LoadError(kErrorTypeMismatch, "Type mismatch"); },
            [&] { ran.push_back(3); throw LoadError(53, "File not found"); },
            [&] { ran.push_back(4); throw std::bad_alloc(); },
            [&] { ran.push_back(5); throw std::logic_error("anything"); },
            [&] { ran.push_back(6); },
        },
        notifier);
    EXPECT_EQ(ran, (std::vector<int>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(notifier.shown, (std::vector<Notice>{ErrorNotice(53, "File not found"),
                                                   ErrorNotice(7, "Out of memory"),
                                                   ErrorNotice(51, "Internal error")}));
}

}  // namespace
}  // namespace tarvex
