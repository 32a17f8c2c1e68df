#include "ostrel/status/status_dialog_win32.h"

#include "ostrel/backup/backup_win32.h"
#include "ostrel/res/resource_ids.h"
#include "ostrel/status/about_dialog_win32.h"

namespace {

constexpr UINT_PTR kCloseTimer = 3;
constexpr UINT kCloseAfterMs = 5000;

void CALLBACK CloseTimerProc(HWND hWnd, UINT, UINT_PTR, DWORD) { SendMessageA(hWnd, WM_CLOSE, 0, 0); }

}  // namespace

CStatusDialog::CStatusDialog()
    : CModalDialog(IDD_STATUS),
      m_hIcon(LoadIconA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_MAINFRAME))) {}

BOOL CStatusDialog::OnInitDialog() {
    ShowStatus();
    SendMessageA(GetSafeHwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessageA(GetSafeHwnd(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));
    BackupOutcome outcome = PerformBackup();
    m_strStatus = outcome.strStatus;
    ShowStatus();
    // A restore script that could not be written keeps the window open
    // until the user has read which one.
    if (outcome.bScriptsWritten) SetTimer(GetSafeHwnd(), kCloseTimer, kCloseAfterMs, CloseTimerProc);
    return TRUE;
}

bool CStatusDialog::OnMessage(UINT uMsg, WPARAM wParam, LPARAM, INT_PTR& lResult) {
    switch (uMsg) {
    case WM_SYSCOMMAND:
        return OnSysCommand(static_cast<UINT>(wParam));
    case WM_PAINT:
        return OnPaint();
    case WM_QUERYDRAGICON:
        lResult = reinterpret_cast<INT_PTR>(m_hIcon);
        return true;
    default:
        return false;
    }
}

bool CStatusDialog::OnSysCommand(UINT nId) {
    // 16 is the About command's id; its low four bits are the system's.
    if ((nId & 0xFFF0) != 0x0010) return false;
    CAboutDialog about;
    about.DoModal(GetSafeHwnd());
    return true;
}

bool CStatusDialog::OnPaint() {
    HWND hWnd = GetSafeHwnd();
    if (!IsIconic(hWnd)) return false;
    PAINTSTRUCT ps;
    HDC hDC = BeginPaint(hWnd, &ps);
    SendMessageA(hWnd, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(hDC), 0);
    int cxIcon = GetSystemMetrics(SM_CXICON);
    int cyIcon = GetSystemMetrics(SM_CYICON);
    RECT rect;
    GetClientRect(hWnd, &rect);
    int x = (rect.right - rect.left - cxIcon + 1) / 2;
    int y = (rect.bottom - rect.top - cyIcon + 1) / 2;
    DrawIcon(hDC, x, y, m_hIcon);
    EndPaint(hWnd, &ps);
    return true;
}

void CStatusDialog::ShowStatus() { SetDlgItemTextA(GetSafeHwnd(), IDC_STATUS, m_strStatus.c_str()); }
