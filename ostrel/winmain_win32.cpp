// Ostrel: backs up the registry files on every N-th start of Windows.
#include <windows.h>

#include "ostrel/app/backup_app_win32.h"

namespace {
CBackupApp theApp;
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    // Either answer ends the program: no start leaves a window behind.
    theApp.InitInstance();
    return 0;
}
