#include "tarvex/shell/main_form_win32.h"

#include "tarvex/res/resource.h"
#include "tarvex/shell/tray_win32.h"

namespace tarvex {
namespace {

constexpr UINT_PTR kTrayRetryTimer = 1;
constexpr UINT kTrayRetryMillis = 5000;
constexpr DWORD kFormStyle = WS_POPUP | WS_CAPTION;  // no control box; a frame needs its parent to paint behind it
constexpr DWORD kFormExStyle = WS_EX_DLGMODALFRAME;                    // fixed dialog border

HICON LoadIconSized(int id, int size) {
    return static_cast<HICON>(
        LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(id), IMAGE_ICON, size, size, LR_DEFAULTCOLOR));
}

template <class F>
LRESULT Dispatch(HWND window, UINT message, WPARAM wparam, LPARAM lparam, F handler) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lparam);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
    }
    auto* self = reinterpret_cast<MainFormWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wparam, lparam);
    return handler(self);
}

}  // namespace

MainFormWindow::MainFormWindow() {
    HINSTANCE instance = GetModuleHandleA(nullptr);
    WNDCLASSA cls = {};
    cls.hInstance = instance;
    cls.hCursor = LoadCursor(nullptr, IDC_ARROW);
    cls.lpfnWndProc = TrayProc;
    cls.lpszClassName = kTrayClass;
    RegisterClassA(&cls);
    cls.lpfnWndProc = FormProc;
    cls.lpszClassName = kMainClass;
    cls.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    RegisterClassA(&cls);

    const int ids[2] = {IDI_TRAY_HIDDEN, IDI_TRAY_SHOWN};
    for (int i = 0; i < 2; ++i) {
        big_icons_[i] = LoadIconSized(ids[i], GetSystemMetrics(SM_CXICON));
        small_icons_[i] = LoadIconSized(ids[i], GetSystemMetrics(SM_CXSMICON));
    }
    taskbar_created_ = RegisterWindowMessageA("TaskbarCreated");

    // A hidden top-level window owns the tray icon and the form: the shell's
    // broadcasts reach it, and an owned form gets no taskbar button.
    tray_window_ = CreateWindowExA(0, kTrayClass, "Tarvex", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, instance, this);
    const SIZE outer = FormControls::OuterSize(kMainFormLayout, kFormStyle, kFormExStyle, true);
    form_ = CreateWindowExA(kFormExStyle, kMainClass, kMainFormLayout.caption, kFormStyle, CW_USEDEFAULT, 0, outer.cx,
                            outer.cy, tray_window_, menu_.bar(), instance, this);
    controls_.Create(form_, kMainFormLayout);

    ACCEL exit_key = {FCONTROL | FVIRTKEY, static_cast<WORD>(kShortcutKey), static_cast<WORD>(CommandId(kShortcutItem))};
    shortcuts_ = CreateAcceleratorTableA(&exit_key, 1);
}

MainFormWindow::~MainFormWindow() {
    if (shortcuts_) DestroyAcceleratorTable(shortcuts_);
    if (IsWindow(form_)) DestroyWindow(form_);
    if (IsWindow(tray_window_)) DestroyWindow(tray_window_);
    for (int i = 0; i < 2; ++i) {
        DestroyIcon(big_icons_[i]);
        DestroyIcon(small_icons_[i]);
    }
}

int MainFormWindow::Run() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateShortcut(&msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool MainFormWindow::TranslateShortcut(MSG* msg) {
    // Ctrl+X works only while the shown form (or a control on it) has the focus.
    const bool on_form = msg->hwnd == form_ || IsChild(form_, msg->hwnd);
    return on_form && IsWindowVisible(form_) && TranslateAcceleratorA(form_, shortcuts_, msg);
}

bool MainFormWindow::FormVisible() { return IsWindowVisible(form_) != FALSE; }

void MainFormWindow::SetFormVisible(bool visible) {
    if (visible && !shown_before_) {
        // Centred on the screen the first time it is shown.
        RECT r;
        GetWindowRect(form_, &r);
        const int w = r.right - r.left, h = r.bottom - r.top;
        SetWindowPos(form_, nullptr, (GetSystemMetrics(SM_CXSCREEN) - w) / 2, (GetSystemMetrics(SM_CYSCREEN) - h) / 2,
                     0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        shown_before_ = true;
    }
    ShowWindow(form_, visible ? SW_SHOW : SW_HIDE);
}

void MainFormWindow::FocusForm() {
    SetForegroundWindow(form_);
    SetFocus(form_);
}

void MainFormWindow::SetFormIcon(TrayIcon icon) {
    form_icon_ = icon;
    const int i = icon == TrayIcon::Shown ? 1 : 0;
    SendMessageA(form_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big_icons_[i]));
    SendMessageA(form_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small_icons_[i]));
}

bool MainFormWindow::NotifyTray(TrayOp op, const TrayRecord& record) {
    return ShellNotify(op, record, tray_window_, small_icons_[record.icon == TrayIcon::Shown ? 1 : 0]);
}

void MainFormWindow::SetTrayRetryTimer(bool running) {
    if (running) SetTimer(tray_window_, kTrayRetryTimer, kTrayRetryMillis, nullptr);
    else KillTimer(tray_window_, kTrayRetryTimer);
}

void MainFormWindow::OpenPopup(MenuItem default_item) {
    POINT at;
    GetCursorPos(&at);
    SetMenuDefaultItem(menu_.popup(), CommandId(default_item), FALSE);
    // The owner must be in the foreground, or the menu does not close when
    // the user clicks elsewhere; the empty message after it lets it close.
    SetForegroundWindow(tray_window_);
    TrackPopupMenu(menu_.popup(), TPM_LEFTALIGN | TPM_RIGHTBUTTON, at.x, at.y, 0, tray_window_, nullptr);
    PostMessageA(tray_window_, WM_NULL, 0, 0);
    SetMenuDefaultItem(menu_.popup(), static_cast<UINT>(-1), FALSE);
}

void MainFormWindow::UnloadForm() { DestroyWindow(form_); }

void MainFormWindow::EndProgram() { ExitProcess(0); }

void MainFormWindow::SetText(Control control, const std::string& text) { controls_.SetText(control, text); }

void MainFormWindow::AddListLine(const std::string& line) {
    SendMessageA(controls_.Get(Control::List1), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(line.c_str()));
}

void MainFormWindow::SetFileList(const std::vector<std::string>& names) {
    HWND list = controls_.Get(Control::File1);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (const std::string& name : names) SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
}

void MainFormWindow::OnCommand(WPARAM wparam, LPARAM lparam) {
    if (!panel_) return;
    const UINT id = LOWORD(wparam);
    if (lparam == 0) {  // a menu item or the shortcut
        panel_->OnCommand(ItemForCommand(id));
        return;
    }
    if (HIWORD(wparam) != BN_CLICKED) return;
    if (id == static_cast<UINT>(Control::ToTray)) panel_->ToTray();
    else if (id == static_cast<UINT>(Control::CloseTarvex)) panel_->CloseButton();
}

LRESULT MainFormWindow::OnFormMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    switch (message) {
    case WM_COMMAND:
        OnCommand(wparam, lparam);
        return 0;
    case WM_ENDSESSION:
        if (wparam && panel_) panel_->FormUnload();
        return 0;
    case WM_DESTROY:
        if (panel_) panel_->FormUnload();
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(form_, message, wparam, lparam);
}

LRESULT MainFormWindow::OnTrayMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    if (panel_) {
        if (message == TrayRecord::kCallbackMessage) {
            panel_->OnTrayCallback(LOWORD(lparam));
            return 0;
        }
        if (message == taskbar_created_) {
            panel_->PlaceTrayIcon();
            return 0;
        }
        if (message == WM_TIMER && wparam == kTrayRetryTimer) {
            panel_->OnTrayRetryTimer();
            return 0;
        }
        if (message == WM_COMMAND) {
            OnCommand(wparam, lparam);
            return 0;
        }
    }
    return DefWindowProcA(tray_window_, message, wparam, lparam);
}

LRESULT CALLBACK MainFormWindow::FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return Dispatch(window, message, wparam, lparam, [&](MainFormWindow* self) {
        if (!self->form_) self->form_ = window;
        return self->OnFormMessage(message, wparam, lparam);
    });
}

LRESULT CALLBACK MainFormWindow::TrayProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam) {
    return Dispatch(window, message, wparam, lparam, [&](MainFormWindow* self) {
        if (!self->tray_window_) self->tray_window_ = window;
        return self->OnTrayMessage(message, wparam, lparam);
    });
}

}  // namespace tarvex
