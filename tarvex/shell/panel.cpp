#include "tarvex/shell/panel.h"

namespace tarvex {

Panel::Panel(PanelHost& host, MenuView& menu, Options& options)
    : host_(host), menu_(menu), options_(options) {
    tray_.tip = TrayTipField();
    SetHandler(mnuExit, [this] { Exit(); });
    SetHandler(mnuAbout, [this] { About(); });
    SetHandler(mnuLogo, [this] { ToggleLogo(); });
}

void Panel::PlaceTrayIcon() {
    tray_.icon = host_.FormIcon();
    // A modify that succeeds means the shell still has our icon (a repeated
    // "TaskbarCreated", say): it is placed, and retrying would never end.
    const bool placed = host_.NotifyTray(TrayOp::Add, tray_) || host_.NotifyTray(TrayOp::Modify, tray_);
    if (placed == retrying_) {  // the timer runs exactly while the icon is missing
        retrying_ = !placed;
        host_.SetTrayRetryTimer(retrying_);
    }
}

void Panel::DeleteTrayIcon() {
    if (retrying_) {
        retrying_ = false;
        host_.SetTrayRetryTimer(false);
    }
    // A second delete of an icon already gone fails harmlessly.
    host_.NotifyTray(TrayOp::Delete, tray_);
}

void Panel::ModifyTrayIcon(TrayIcon icon) {
    host_.SetFormIcon(icon);
    tray_.tip = TrayTipField();
    tray_.icon = host_.FormIcon();
    host_.NotifyTray(TrayOp::Modify, tray_);
}

void Panel::OnTrayCallback(unsigned mouse_message) {
    switch (mouse_message) {
    case kTrayLeftDown:
        ChangeIcon();
        break;
    case kTrayRightUp:
        host_.OpenPopup(kPopupDefaultItem);
        break;
    case kTrayRightDoubleClick:
        DeleteTrayIcon();
        host_.UnloadForm();
        break;
    default:
        break;
    }
}

void Panel::ChangeIcon() {
    const bool visible = !host_.FormVisible();
    host_.SetFormVisible(visible);
    if (visible) host_.FocusForm();
    ModifyTrayIcon(visible ? TrayIcon::Shown : TrayIcon::Hidden);
}

void Panel::ToTray() {
    ModifyTrayIcon(TrayIcon::Hidden);
    host_.SetFormVisible(false);
}

void Panel::Exit() {
    DeleteTrayIcon();
    host_.EndProgram();
}

void Panel::CloseButton() {
    DeleteTrayIcon();
    host_.UnloadForm();
}

void Panel::FormUnload() { DeleteTrayIcon(); }

void Panel::About() {
    // Shows the form without touching the tray icon.
    if (!host_.FormVisible()) host_.SetFormVisible(true);
    host_.FocusForm();
}

void Panel::ToggleLogo() {
    const bool checked = menu_.Checked(mnuLogo);
    // The mark records the stored choice, so it moves only when the write took.
    if (options_.Set(kOptionLogo, checked ? "0" : "1")) menu_.SetChecked(mnuLogo, !checked);
}

void Panel::OnCommand(MenuItem item) {
    if (item < kMenuItemCount && handlers_[item]) handlers_[item]();
}

}  // namespace tarvex
