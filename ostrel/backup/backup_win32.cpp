#include "ostrel/backup/backup_win32.h"

#include <windows.h>

#include "ostrel/app/program_paths.h"
#include "ostrel/app/settings_keys.h"
#include "ostrel/backup/backup.h"
#include "ostrel/backup/file_system_win32.h"
#include "ostrel/backup/time_stamp.h"
#include "ostrel/registry/registry_key_win32.h"
#include "ostrel/status/status_text.h"

namespace {

std::string ModulePath() {
    char szPath[MAX_PATH];
    DWORD cchPath = GetModuleFileNameA(nullptr, szPath, sizeof szPath);
    return std::string(szPath, cchPath < sizeof szPath ? cchPath : 0);
}

std::string WindowsDirectory() {
    char szDir[1000];
    UINT cchDir = GetWindowsDirectoryA(szDir, sizeof szDir);
    return std::string(szDir, cchDir < sizeof szDir ? cchDir : 0);
}

ostrel::LocalTime Now() {
    SYSTEMTIME st;
    GetLocalTime(&st);
    ostrel::LocalTime t;
    t.second = st.wSecond;
    t.minute = st.wMinute;
    t.hour = st.wHour;
    t.day = st.wDay;
    t.month = st.wMonth - 1;
    t.year = st.wYear - 1900;
    return t;
}

}  // namespace

BackupOutcome PerformBackup() {
    const ostrel::ProgramPaths paths = ostrel::ProgramPathsFrom(ModulePath(), GetCommandLineA());
    CRegistryKey run;
    run.Open(HKEY_LOCAL_MACHINE, ostrel::kRunKey);
    run.WriteString(ostrel::kRunValue, paths.run_value.c_str());

    CWin32FileSystem fs;
    const ostrel::BackupFolders folders{WindowsDirectory(), paths.drive_root + "tempback\\", paths.folder};
    const ostrel::BackupResult result = ostrel::RunBackup(fs, folders, ostrel::FormatTimeStamp(Now()));
    run.Close();
    if (!result.unwritten_scripts.empty())
        return {ostrel::ScriptFailureText(result.unwritten_scripts), false};
    return {ostrel::CopyStatusText(result.system_copied, result.user_copied), true};
}
