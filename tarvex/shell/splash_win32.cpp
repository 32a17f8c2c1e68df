#include "tarvex/shell/splash_win32.h"

#include "tarvex/res/resource.h"
#include "tarvex/shell/version.h"

namespace tarvex {
namespace {

constexpr UINT_PTR kSplashTimer = 1;
constexpr DWORD kSplashStyle = WS_POPUP | WS_DLGFRAME;  // a fixed dialog frame, no title bar
constexpr DWORD kSplashExStyle = 0;

}  // namespace

SplashWindow::~SplashWindow() {
    if (IsWindow(window_)) DestroyWindow(window_);
    if (owner_) DestroyWindow(owner_);
    if (logo_) DestroyIcon(logo_);
}

bool SplashWindow::Run(SplashMode mode) {
    if (mode == SplashMode::Skip) return true;
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA cls = {};
    cls.style = CS_DBLCLKS;
    cls.lpfnWndProc = Proc;
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    cls.lpszClassName = kSplashClass;
    RegisterClassA(&cls);

    const SIZE outer = FormControls::OuterSize(kSplashLayout, kSplashStyle, kSplashExStyle, false);
    // Owned by a hidden window, so that it gets no taskbar button.
    owner_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    window_ = CreateWindowExA(kSplashExStyle, kSplashClass, kSplashLayout.caption, kSplashStyle,
                              (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2,
                              (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2, outer.cx, outer.cy, owner_, nullptr,
                              instance, this);
    controls_.Create(window_, kSplashLayout);
    logo_ = static_cast<HICON>(LoadImageA(instance, MAKEINTRESOURCEA(IDI_TARVEX), IMAGE_ICON, 32, 32, LR_DEFAULTCOLOR));
    SendMessageA(controls_.Get(Control::ImgLogo), STM_SETICON, reinterpret_cast<WPARAM>(logo_), 0);
    if (mode == SplashMode::Timed) {
        controls_.SetText(Control::LblVersion, std::string("Version ") + kVersionText);
        controls_.SetText(Control::LblProductName, kAppTitle);
        SetTimer(window_, kSplashTimer, kSplashMillis, nullptr);
    }
    ShowWindow(window_, SW_SHOW);
    UpdateWindow(window_);
    SetForegroundWindow(window_);
    SetFocus(window_);

    MSG msg;
    while (!handed_over_) {
        if (GetMessageA(&msg, nullptr, 0, 0) <= 0) return false;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return true;
}

void SplashWindow::HandOver() {
    if (handed_over_) return;
    handed_over_ = true;
    KillTimer(window_, kSplashTimer);
    DestroyWindow(window_);
}

LRESULT SplashWindow::OnMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_TIMER:
        if (wparam == kSplashTimer) HandOver();
        return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        HandOver();  // any key, before any control sees it
        return 0;
    case WM_LBUTTONDOWN: {
        // A click on the frame hands over; clicks on the labels and the
        // logo, and on the margin around the frame, do nothing.
        POINT at = {static_cast<short>(LOWORD(lparam)), static_cast<short>(HIWORD(lparam))};
        const ControlRow* row = controls_.RowAt(at);
        if (row && row->id == Control::SplashFrame) HandOver();
        return 0;
    }
    case WM_COMMAND:
        if (LOWORD(wparam) == static_cast<UINT>(Control::ImgLogo) && HIWORD(wparam) == STN_DBLCLK) {
            notifier_.SetOwner(window_);
            notifier_.Show(RecipeNotice());
            notifier_.SetOwner(nullptr);
        }
        return 0;
    }
    return DefWindowProcA(window_, message, wparam, lparam);
}

LRESULT CALLBACK SplashWindow::Proc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
        static_cast<SplashWindow*>(create->lpCreateParams)->window_ = window;
    }
    auto* self = reinterpret_cast<SplashWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    return self ? self->OnMessage(message, wparam, lparam) : DefWindowProcA(window, message, wparam, lparam);
}

}  // namespace tarvex
