#include "tarvex/store/notice.h"

namespace tarvex {

std::string JoinLines(std::initializer_list<const char*> lines) {
    std::string text;
    for (auto line = lines.begin(); line != lines.end(); ++line) {
        if (line != lines.begin()) text += '\r';
        text += *line;
    }
    return text;
}

void NotifyCDCacheChanged(Notifier& notifier) {
    notifier.Show({"CD Cache Settings Changed", kNoticeInfo, "Tarvex (CD)"});
}

void NotifyRefreshRateChanged(Notifier& notifier) {
    notifier.Show({"DirectDraw Refresh Rate Changed", kNoticeInfo, "Tarvex (DirectDraw)"});
}

void NotifyCDPrefetchChanged(Notifier& notifier) {
    notifier.Show({"CD Prefetch Settings Changed", kNoticeInfo, "Tarvex (CD)"});
}

}  // namespace tarvex
