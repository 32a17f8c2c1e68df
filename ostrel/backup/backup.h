// One backup: both registry files into the backup folder, then both restore
// scripts. Nothing already on disk is given up before its replacement is
// complete and checked, so a failure at any step leaves the last good backup.
#pragma once
#include <string>
#include <vector>

#include "ostrel/backup/file_system.h"

namespace ostrel {

struct BackupFolders {
    std::string windows_dir;  // holds SYSTEM.DAT and USER.DAT; no trailing backslash
    std::string backup_dir;   // "tempback" with its trailing backslash
    std::string program_dir;  // the second script's folder, with its trailing backslash
};

struct BackupResult {
    bool system_copied = false;
    bool user_copied = false;
    // Scripts that are not written; the scripts are written only after both
    // copies succeeded, so this is empty whenever a copy failed.
    std::vector<std::string> unwritten_scripts;
};

BackupResult RunBackup(FileSystem& fs, const BackupFolders& folders, const std::string& time_stamp);

}  // namespace ostrel
