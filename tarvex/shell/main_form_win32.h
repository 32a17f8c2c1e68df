// The main form and the hidden window that owns the tray icon. The form
// is the panel's host: it shows, hides and unloads itself, carries the
// menu bar, and hands every click and tray callback to the panel.
#pragma once
#include <windows.h>

#include "tarvex/shell/controls_win32.h"
#include "tarvex/shell/main_form.h"
#include "tarvex/shell/menu_win32.h"
#include "tarvex/shell/panel.h"

namespace tarvex {

constexpr const char* kMainClass = "TarvexMain";
constexpr const char* kTrayClass = "TarvexTray";

class MainFormWindow : public PanelHost, public FormView {
public:
    MainFormWindow();
    ~MainFormWindow() override;
    MainFormWindow(const MainFormWindow&) = delete;
    MainFormWindow& operator=(const MainFormWindow&) = delete;

    void Attach(Panel& panel) { panel_ = &panel; }
    Win32Menu& menu() { return menu_; }
    HWND form() const { return form_; }
    // Runs the message loop until the program ends; the exit code.
    int Run();
    // Turns Ctrl+X on the shown form into the "Exit" command; whether it did.
    bool TranslateShortcut(MSG* msg);

    // PanelHost
    bool FormVisible() override;
    void SetFormVisible(bool visible) override;
    void FocusForm() override;
    TrayIcon FormIcon() override { return form_icon_; }
    void SetFormIcon(TrayIcon icon) override;
    bool NotifyTray(TrayOp op, const TrayRecord& record) override;
    void SetTrayRetryTimer(bool running) override;
    void OpenPopup(MenuItem default_item) override;
    void UnloadForm() override;
    void EndProgram() override;

    // FormView
    void SetText(Control control, const std::string& text) override;
    void AddListLine(const std::string& line) override;
    void SetFileList(const std::vector<std::string>& names) override;

private:
    static LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    static LRESULT CALLBACK TrayProc(HWND window, UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnFormMessage(UINT message, WPARAM wparam, LPARAM lparam);
    LRESULT OnTrayMessage(UINT message, WPARAM wparam, LPARAM lparam);
    void OnCommand(WPARAM wparam, LPARAM lparam);

    Panel* panel_ = nullptr;
    Win32Menu menu_;
    FormControls controls_;
    HWND tray_window_ = nullptr;
    HWND form_ = nullptr;
    HICON big_icons_[2] = {};
    HICON small_icons_[2] = {};
    TrayIcon form_icon_ = TrayIcon::Hidden;
    HACCEL shortcuts_ = nullptr;
    UINT taskbar_created_ = 0;
    bool shown_before_ = false;
};

}  // namespace tarvex
