// A modal dialog built from a numbered dialog resource of the program. The
// dialog procedure routes the messages to the object's virtual handlers;
// Escape, the close box and IDOK end the dialog as a plain dialog does.
#pragma once
#include <windows.h>

class CModalDialog {
public:
    explicit CModalDialog(int nResourceId) : m_nResourceId(nResourceId) {}
    CModalDialog(const CModalDialog&) = delete;
    CModalDialog& operator=(const CModalDialog&) = delete;
    virtual ~CModalDialog() = default;

    // Runs the dialog until it ends; its result, or -1 if it could not open.
    INT_PTR DoModal(HWND hOwner);

protected:
    HWND GetSafeHwnd() const { return m_hWnd; }
    void EndDialog(INT_PTR nResult);

    // TRUE: the system puts the focus on the first control with a tab stop.
    virtual BOOL OnInitDialog() { return TRUE; }
    // A WM_COMMAND; true when handled.
    virtual bool OnCommand(int nId);
    // Any other message; true when handled, with what the dialog procedure
    // returns in lResult.
    virtual bool OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, INT_PTR& lResult);

private:
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    int m_nResourceId;
    HWND m_hWnd = nullptr;
};
