#include "tarvex/store/notice_win32.h"

#include <windows.h>

namespace tarvex {

void Win32Notifier::Show(const Notice& notice) {
    MessageBoxA(owner_, notice.text.c_str(), notice.title.c_str(), notice.flags);
}

}  // namespace tarvex
