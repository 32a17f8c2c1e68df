#include "ostrel/status/about_dialog_win32.h"

#include "ostrel/res/resource_ids.h"

CAboutDialog::CAboutDialog() : CModalDialog(IDD_ABOUTBOX) {}
