#include "ostrel/setup/setup_dialog_win32.h"

#include <string>

#include "ostrel/app/settings_keys.h"
#include "ostrel/registry/registry_key_win32.h"
#include "ostrel/res/resource_ids.h"
#include "ostrel/setup/interval.h"

CSetupDialog::CSetupDialog() : CModalDialog(IDD_SETUP) {}

bool CSetupDialog::OnCommand(int nId) {
    if (nId != IDC_SETUP_OK) return CModalDialog::OnCommand(nId);
    OnOkClicked();
    return true;
}

void CSetupDialog::OnOkClicked() {
    CRegistryKey key;
    key.Open(HKEY_CURRENT_USER, ostrel::kSettingsKey);
    HWND hEdit = GetDlgItem(GetSafeHwnd(), IDC_INTERVAL);
    std::string strText(static_cast<std::size_t>(GetWindowTextLengthA(hEdit)) + 1, '\0');
    strText.resize(
        static_cast<std::size_t>(GetWindowTextA(hEdit, &strText[0], static_cast<int>(strText.size()))));
    DWORD dwInterval = ostrel::ClampInterval(ostrel::ReadUnsigned(strText));
    key.WriteDword(ostrel::kIntervalValue, dwInterval);
    key.WriteDword(ostrel::kCounterValue, dwInterval);
    EndDialog(0);
    key.Close();
}
