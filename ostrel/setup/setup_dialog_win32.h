// The first start's dialog, "Setup Ostrel": asks for the interval N.
#pragma once
#include "ostrel/ui/modal_dialog_win32.h"

class CSetupDialog : public CModalDialog {
public:
    CSetupDialog();

protected:
    bool OnCommand(int nId) override;

private:
    // Stores the interval and the counter (= N, so this start backs up).
    void OnOkClicked();
};
