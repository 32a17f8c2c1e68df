// What the tray icon, the show/hide toggle and the quit paths do: the panel
// decides, its host (the Win32 main form) acts.
#pragma once
#include <array>
#include <functional>

#include "tarvex/shell/menu.h"
#include "tarvex/shell/tray.h"
#include "tarvex/store/options.h"

namespace tarvex {

class PanelHost {
public:
    virtual ~PanelHost() = default;
    virtual bool FormVisible() = 0;
    virtual void SetFormVisible(bool visible) = 0;
    virtual void FocusForm() = 0;
    virtual TrayIcon FormIcon() = 0;
    virtual void SetFormIcon(TrayIcon icon) = 0;
    // Shell_NotifyIconA with the record; whether the shell took it.
    virtual bool NotifyTray(TrayOp op, const TrayRecord& record) = 0;
    // The timer that retries placing the icon while the taskbar is missing.
    virtual void SetTrayRetryTimer(bool running) = 0;
    // Opens the "Options" popup at the mouse with this item in bold; returns
    // when the menu has closed (a chosen item arrives as a command).
    virtual void OpenPopup(MenuItem default_item) = 0;
    // Unloads the form: its unload handler runs, then the program ends.
    virtual void UnloadForm() = 0;
    // Ends the program at once, without unloading the form.
    virtual void EndProgram() = 0;
};

class Panel {
public:
    using Handler = std::function<void()>;

    Panel(PanelHost& host, MenuView& menu, Options& options);

    // Puts the icon in the tray: at load, when the shell announces a new
    // taskbar, and from the retry timer. An icon already there counts as
    // placed; one that cannot be placed is retried until it can.
    void PlaceTrayIcon();
    void OnTrayRetryTimer() { PlaceTrayIcon(); }
    void DeleteTrayIcon();

    void OnTrayCallback(unsigned mouse_message);
    void ChangeIcon();
    void ToTray();
    void CloseButton();
    void FormUnload();

    // Runs the Click handler of a menu item; items without one do nothing.
    void OnCommand(MenuItem item);
    void SetHandler(MenuItem item, Handler handler) { handlers_[item] = std::move(handler); }

    const TrayRecord& tray() const { return tray_; }

private:
    void Exit();
    void About();
    void ToggleLogo();
    void ModifyTrayIcon(TrayIcon icon);

    PanelHost& host_;
    MenuView& menu_;
    Options& options_;
    TrayRecord tray_;
    bool retrying_ = false;
    std::array<Handler, kMenuItemCount> handlers_;
};

}  // namespace tarvex
