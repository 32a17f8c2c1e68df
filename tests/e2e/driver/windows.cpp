// Finding windows of another process and reading their state.
#include "driver.h"

namespace e2e {

std::string text(HWND w) {
    // WM_GETTEXTLENGTH can overstate (DBCS), never understate.
    const LRESULT len = send(w, WM_GETTEXTLENGTH);
    std::string buf(static_cast<size_t>(len) + 1, '\0');
    DWORD_PTR got = 0;
    if (!SendMessageTimeoutA(w, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()),
                             SMTO_ABORTIFHUNG, 5000, &got))
        return {};
    buf.resize(got);
    return buf;
}

std::string className(HWND w) {
    char buf[256];
    const int n = GetClassNameA(w, buf, sizeof buf);
    return std::string(buf, n > 0 ? n : 0);
}

bool visible(HWND w) { return IsWindowVisible(w) != FALSE; }
bool enabled(HWND w) { return IsWindowEnabled(w) != FALSE; }

RECT screenRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

DWORD windowPid(HWND w) {
    DWORD pid = 0;
    GetWindowThreadProcessId(w, &pid);
    return pid;
}

LONG_PTR style(HWND w) { return GetWindowLongPtrA(w, GWL_STYLE); }

namespace {

struct TopQuery {
    DWORD pid;
    const std::string* cls;
    const std::string* title;
    std::vector<HWND> found;
};

bool matches(HWND w, DWORD pid, const std::string& cls, const std::string& title) {
    if (pid && windowPid(w) != pid) return false;
    if (!cls.empty() && className(w) != cls) return false;
    return title.empty() || text(w) == title;
}

BOOL CALLBACK collectTop(HWND w, LPARAM lp) {
    auto* q = reinterpret_cast<TopQuery*>(lp);
    if (matches(w, q->pid, *q->cls, *q->title)) q->found.push_back(w);
    return TRUE;
}

BOOL CALLBACK collectChild(HWND w, LPARAM lp) {
    reinterpret_cast<std::vector<HWND>*>(lp)->push_back(w);
    return TRUE;
}

}  // namespace

std::vector<HWND> topWindows(DWORD pid, const std::string& cls, const std::string& title) {
    TopQuery q{pid, &cls, &title, {}};
    EnumWindows(collectTop, reinterpret_cast<LPARAM>(&q));
    return q.found;
}

HWND findWindow(DWORD pid, const std::string& cls, const std::string& title) {
    auto all = topWindows(pid, cls, title);
    return all.empty() ? nullptr : all.front();
}

HWND waitWindow(DWORD pid, const std::string& cls, const std::string& title, Ms timeout) {
    HWND w = nullptr;
    waitUntil([&] { return (w = findWindow(pid, cls, title)) != nullptr; }, timeout);
    return w;
}

HWND waitVisibleWindow(DWORD pid, const std::string& cls, const std::string& title, Ms timeout) {
    HWND w = nullptr;
    waitUntil([&] {
        for (HWND c : topWindows(pid, cls, title))
            if (visible(c)) return (w = c), true;
        return false;
    }, timeout);
    return w;
}

bool waitGone(HWND w, Ms timeout) {
    return waitUntil([&] { return !IsWindow(w); }, timeout);
}
bool waitHidden(HWND w, Ms timeout) {
    return waitUntil([&] { return !IsWindow(w) || !visible(w); }, timeout);
}
bool waitShown(HWND w, Ms timeout) {
    return waitUntil([&] { return visible(w); }, timeout);
}

std::vector<HWND> children(HWND parent) {
    std::vector<HWND> out;
    EnumChildWindows(parent, collectChild, reinterpret_cast<LPARAM>(&out));
    return out;
}

HWND findChild(HWND parent, const std::string& cls, const std::string& title) {
    for (HWND c : children(parent))
        if (matches(c, 0, cls, title)) return c;
    return nullptr;
}

HWND childById(HWND parent, int id) { return GetDlgItem(parent, id); }

}  // namespace e2e
