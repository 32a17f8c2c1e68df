#include "ostrel/backup/time_stamp.h"

#include <cstdio>

namespace ostrel {
namespace {

const char* const kMonths[12] = {"January", "February", "March",     "April",   "May",      "June",
                                 "July",    "August",   "September", "October", "November", "December"};

// Out-of-range fields cannot come from the clock; they are pinned so that a
// bad value can never index past the month table.
const char* MonthName(int month) { return kMonths[month < 0 ? 0 : month > 11 ? 11 : month]; }

}  // namespace

std::string FormatTimeStamp(const LocalTime& t) {
    int hour12 = t.hour % 12 == 0 ? 12 : t.hour % 12;
    const char* clock = t.minute < 10 ? (t.second < 10 ? "%i:0%i:0%i" : "%i:0%i:%i")
                                      : (t.second < 10 ? "%i:%i:0%i" : "%i:%i:%i");
    char buffer[96];
    int used = std::snprintf(buffer, sizeof buffer, clock, hour12, t.minute, t.second);
    std::snprintf(buffer + used, sizeof buffer - used, "%s%s %i, %i", t.hour < 12 ? " A.M. on " : " P.M. on ",
                  MonthName(t.month), t.day, t.year + 1900);
    return buffer;
}

}  // namespace ostrel
