#include <gtest/gtest.h>

#include "ostrel/backup/time_stamp.h"

namespace ostrel {
namespace {

LocalTime At(int hour, int minute, int second, int day = 7, int month = 2, int year = 98) {
    LocalTime t;
    t.hour = hour;
    t.minute = minute;
    t.second = second;
    t.day = day;
    t.month = month;
    t.year = year;
    return t;
}

TEST(TimeStamp, ClockFormatsHalvesOfTheDayAndDates) {
    struct Row {
        LocalTime time;
        const char* expected;
    } rows[] = {
        // The four minute/second formats, at their borders.
        {At(21, 5, 9), "9:05:09 P.M. on March 7, 1998"},
        {At(21, 5, 10), "9:05:10 P.M. on March 7, 1998"},
        {At(21, 10, 5), "9:10:05 P.M. on March 7, 1998"},
        {At(21, 10, 10), "9:10:10 P.M. on March 7, 1998"},
        {At(9, 0, 5), "9:00:05 A.M. on March 7, 1998"},
        {At(9, 59, 59), "9:59:59 A.M. on March 7, 1998"},
        // Midnight, noon and the last hour.
        {At(0, 0, 0), "12:00:00 A.M. on March 7, 1998"},
        {At(12, 30, 0), "12:30:00 P.M. on March 7, 1998"},
        {At(23, 1, 2), "11:01:02 P.M. on March 7, 1998"},
        {At(11, 1, 2), "11:01:02 A.M. on March 7, 1998"},
        // Months at both ends, day without a leading zero, years past 1999.
        {At(1, 2, 3, 1, 0, 100), "1:02:03 A.M. on January 1, 2000"},
        {At(13, 2, 3, 31, 11, 99), "1:02:03 P.M. on December 31, 1999"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(FormatTimeStamp(rows[i].time), rows[i].expected) << "row " << i;
    }
}

}  // namespace
}  // namespace ostrel
