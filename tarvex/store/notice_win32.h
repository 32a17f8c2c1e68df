// Shows notices as message boxes of the program's one thread.
#pragma once
#include "tarvex/store/notice.h"

struct HWND__;  // the window handle's type, without the Windows headers

namespace tarvex {

class Win32Notifier : public Notifier {
public:
    // The window the message boxes belong to; none (the desktop) by default.
    void SetOwner(HWND__* owner) { owner_ = owner; }
    void Show(const Notice& notice) override;

private:
    HWND__* owner_ = nullptr;
};

}  // namespace tarvex
