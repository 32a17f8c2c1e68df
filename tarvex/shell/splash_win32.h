// The splash form: the product's name, platform and version while the
// program starts, handed over to the main form by its timer, a key or a
// click on its frame.
#pragma once
#include <windows.h>

#include "tarvex/shell/controls_win32.h"
#include "tarvex/shell/splash.h"
#include "tarvex/store/notice_win32.h"

namespace tarvex {

constexpr const char* kSplashClass = "TarvexSplash";

class SplashWindow {
public:
    explicit SplashWindow(Win32Notifier& notifier) : notifier_(notifier) {}
    ~SplashWindow();
    SplashWindow(const SplashWindow&) = delete;
    SplashWindow& operator=(const SplashWindow&) = delete;

    // Shows the splash the way the mode says and returns after the hand-over
    // (at once when it is skipped). False when the program was told to quit.
    bool Run(SplashMode mode);

private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void HandOver();

    Win32Notifier& notifier_;
    FormControls controls_;
    HWND owner_ = nullptr;
    HWND window_ = nullptr;
    HICON logo_ = nullptr;
    bool handed_over_ = false;
};

}  // namespace tarvex
