#include "ostrel/ui/modal_dialog_win32.h"

INT_PTR CModalDialog::DoModal(HWND hOwner) {
    return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(m_nResourceId), hOwner, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

void CModalDialog::EndDialog(INT_PTR nResult) { ::EndDialog(m_hWnd, nResult); }

bool CModalDialog::OnCommand(int nId) {
    if (nId != IDOK && nId != IDCANCEL) return false;
    EndDialog(nId);
    return true;
}

bool CModalDialog::OnMessage(UINT, WPARAM, LPARAM, INT_PTR&) { return false; }

INT_PTR CALLBACK CModalDialog::DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_INITDIALOG) {
        CModalDialog* pDialog = reinterpret_cast<CModalDialog*>(lParam);
        SetWindowLongPtrA(hWnd, DWLP_USER, lParam);
        pDialog->m_hWnd = hWnd;
        return pDialog->OnInitDialog();
    }
    CModalDialog* pDialog = reinterpret_cast<CModalDialog*>(GetWindowLongPtrA(hWnd, DWLP_USER));
    // Messages that come before WM_INITDIALOG (the font, for instance) get
    // the system's handling.
    if (pDialog == nullptr) return FALSE;
    if (uMsg == WM_COMMAND) return pDialog->OnCommand(LOWORD(wParam)) ? TRUE : FALSE;
    INT_PTR lResult = FALSE;
    return pDialog->OnMessage(uMsg, wParam, lParam, lResult) ? lResult : FALSE;
}
