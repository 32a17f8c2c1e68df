#include "tarvex/shell/tray_win32.h"

#include <cstring>

namespace tarvex {

// The first version of the record, hWnd to szTip, is what every shell knows.
static_assert(sizeof(void*) != 4 || NOTIFYICONDATAA_V1_SIZE == TrayRecord::kSize, "the 32-bit record is 88 bytes");

NOTIFYICONDATAA ToNotifyIconData(const TrayRecord& record, HWND window, HICON icon) {
    NOTIFYICONDATAA data = {};
    // The record's size is 88 in the shipped 32-bit program; a 64-bit build
    // (used to test under a 64-bit Wine) has the same fields, wider.
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = window;
    data.uID = TrayRecord::kId;
    data.uFlags = TrayRecord::kFlags;
    data.uCallbackMessage = TrayRecord::kCallbackMessage;
    data.hIcon = icon;
    std::memcpy(data.szTip, record.tip.data(), TrayRecord::kTipSize);
    return data;
}

bool ShellNotify(TrayOp op, const TrayRecord& record, HWND window, HICON icon) {
    NOTIFYICONDATAA data = ToNotifyIconData(record, window, icon);
    const DWORD message = op == TrayOp::Add ? NIM_ADD : op == TrayOp::Modify ? NIM_MODIFY : NIM_DELETE;
    return Shell_NotifyIconA(message, &data) != FALSE;
}

}  // namespace tarvex
