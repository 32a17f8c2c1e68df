// The time stamp of a backup, as the restore script shows it:
// "9:05:09 P.M. on March 7, 1998".
#pragma once
#include <string>

namespace ostrel {

// Local time broken down the way the C runtime does it.
struct LocalTime {
    int second = 0;  // 0 to 59
    int minute = 0;  // 0 to 59
    int hour = 0;    // 0 to 23
    int day = 1;     // 1 to 31
    int month = 0;   // 0 (January) to 11
    int year = 0;    // years since 1900
};

std::string FormatTimeStamp(const LocalTime& time);

}  // namespace ostrel
