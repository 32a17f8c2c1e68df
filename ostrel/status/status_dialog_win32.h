// The window of a backup start: runs the backup while it initialises, shows
// the outcome in its status line and closes itself after five seconds.
#pragma once
#include <string>

#include "ostrel/ui/modal_dialog_win32.h"

class CStatusDialog : public CModalDialog {
public:
    CStatusDialog();

protected:
    BOOL OnInitDialog() override;
    bool OnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, INT_PTR& lResult) override;

private:
    bool OnSysCommand(UINT nId);
    bool OnPaint();
    // Puts m_strStatus into the status line.
    void ShowStatus();

    std::string m_strStatus;
    HICON m_hIcon;
};
