// Sending input to another process's windows.
#include "driver.h"

namespace e2e {

LRESULT send(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    DWORD_PTR result = 0;
    if (!SendMessageTimeoutA(w, msg, wp, lp, SMTO_ABORTIFHUNG, 10000, &result)) return 0;
    return static_cast<LRESULT>(result);
}

bool post(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    return PostMessageA(w, msg, wp, lp) != FALSE;
}

UINT broadcast(const char* name, WPARAM wp, LPARAM lp) {
    const UINT msg = RegisterWindowMessageA(name);
    PostMessageA(HWND_BROADCAST, msg, wp, lp);
    return msg;
}

bool click(HWND button) { return post(button, BM_CLICK); }

bool pressButton(HWND dlg, int id) {
    return post(dlg, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                reinterpret_cast<LPARAM>(GetDlgItem(dlg, id)));
}

bool setText(HWND edit, const std::string& value) {
    DWORD_PTR ok = 0;
    return SendMessageTimeoutA(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(value.c_str()),
                               SMTO_ABORTIFHUNG, 10000, &ok) && ok;
}

}  // namespace e2e
