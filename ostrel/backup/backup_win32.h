// The backup start's work on this machine: the Run entry, the registry
// copies from the Windows folder into "tempback" at the root of the
// program's drive, and the two restore scripts.
#pragma once
#include <string>

struct BackupOutcome {
    std::string strStatus;  // the status line's text
    bool bScriptsWritten;   // false: a restore script could not be written
};

BackupOutcome PerformBackup();
