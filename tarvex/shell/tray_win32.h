// Shell_NotifyIconA with the panel's tray record.
#pragma once
#include <windows.h>

#include <shellapi.h>

#include "tarvex/shell/tray.h"

namespace tarvex {

// The record in the 88-byte form every shell knows, for this window and icon.
NOTIFYICONDATAA ToNotifyIconData(const TrayRecord& record, HWND window, HICON icon);
bool ShellNotify(TrayOp op, const TrayRecord& record, HWND window, HICON icon);

}  // namespace tarvex
