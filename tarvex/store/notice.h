// Notices: the small modal message boxes that report every outcome.
#pragma once
#include <string>

namespace tarvex {

enum NoticeFlags : unsigned { kNoticePlain = 0, kNoticeStop = 16, kNoticeInfo = 64 };

struct Notice {
    std::string text;  // lines joined by a carriage return alone
    unsigned flags;
    std::string title;
};

inline bool operator==(const Notice& a, const Notice& b) {
    return a.text == b.text && a.flags == b.flags && a.title == b.title;
}

class Notifier {
public:
    virtual ~Notifier() = default;
    // Shows the notice modally and returns when the user has closed it.
    virtual void Show(const Notice& notice) = 0;
};

// The titles; the area stands in parentheses behind the product name.
constexpr const char* kTitleApp = "Tarvex";
constexpr const char* kTitleError = "Tarvex (Error)";

// Joins lines with a carriage return alone.
std::string JoinLines(std::initializer_list<const char*> lines);

// The three shared notice procedures.
void NotifyCDCacheChanged(Notifier& notifier);
void NotifyRefreshRateChanged(Notifier& notifier);
void NotifyCDPrefetchChanged(Notifier& notifier);

}  // namespace tarvex
