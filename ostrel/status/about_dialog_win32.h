// "About Ostrel": the icon, the version and OK.
#pragma once
#include "ostrel/ui/modal_dialog_win32.h"

class CAboutDialog : public CModalDialog {
public:
    CAboutDialog();
};
