#include "ostrel/app/backup_app_win32.h"

#include <windows.h>

#include <optional>

#include "ostrel/app/settings_keys.h"
#include "ostrel/app/start_decision.h"
#include "ostrel/registry/registry_key_win32.h"
#include "ostrel/setup/setup_dialog_win32.h"
#include "ostrel/status/status_dialog_win32.h"

namespace {

std::optional<std::uint32_t> Read(CRegistryKey& key, const char* pszName) {
    DWORD dwValue = 0;
    if (key.ReadDword(pszName, dwValue) != ERROR_SUCCESS) return std::nullopt;
    return dwValue;
}

}  // namespace

bool CBackupApp::InitInstance() {
    // The three-dimensional look of the dialogs comes with the 4.0
    // subsystem version the program is linked for.
    CRegistryKey key;
    key.Open(HKEY_CURRENT_USER, ostrel::kSettingsKey);
    if (ostrel::SetupDue(Read(key, ostrel::kIsSetupValue), Read(key, ostrel::kIntervalValue))) {
        CSetupDialog setup;
        setup.DoModal(nullptr);
        // However the dialog was closed: Escape too.
        key.WriteDword(ostrel::kIsSetupValue, 1);
    }
    const ostrel::StartDecision start =
        ostrel::DecideStart(Read(key, ostrel::kIntervalValue), Read(key, ostrel::kCounterValue));
    if (start.kind != ostrel::StartKind::Idle) key.WriteDword(ostrel::kCounterValue, start.counter);
    if (start.kind != ostrel::StartKind::Backup) {
        key.Close();
        return true;
    }
    {
        CStatusDialog status;
        status.DoModal(nullptr);
    }
    key.Close();
    return false;
}
