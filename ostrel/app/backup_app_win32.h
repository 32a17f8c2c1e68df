// The application object: one per process, run once by WinMain.
#pragma once

class CBackupApp {
public:
    CBackupApp() = default;
    CBackupApp(const CBackupApp&) = delete;
    CBackupApp& operator=(const CBackupApp&) = delete;

    // The start routine: setup when due, then a counting or a backup start.
    // false once the status window has run; true when the start only
    // counted, and the program ends without a window either way.
    bool InitInstance();
};
