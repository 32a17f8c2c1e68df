// The real menus, built from the menu tree: the form's menu bar with
// "Options", the same "Options" as the tray popup, and the hidden
// "FileRightClick" context menu. The menus hold the marks themselves.
#pragma once
#include <windows.h>

#include <vector>

#include "tarvex/shell/menu.h"

namespace tarvex {

class Win32Menu : public MenuView {
public:
    Win32Menu();
    ~Win32Menu() override;
    Win32Menu(const Win32Menu&) = delete;
    Win32Menu& operator=(const Win32Menu&) = delete;

    HMENU bar() const { return bar_; }
    HMENU popup() const { return top_[0]; }         // "Options"
    HMENU file_context() const { return top_[1]; }  // "FileRightClick"

    bool Checked(MenuItem item) override;
    void SetChecked(MenuItem item, bool checked) override;
    bool Enabled(MenuItem item) override;
    void SetEnabled(MenuItem item, bool enabled) override;
    std::string Caption(MenuItem item) override;
    void SetCaption(MenuItem item, const std::string& caption) override;

private:
    // Every item, submenus included, is addressed by its place in its parent.
    struct Place {
        HMENU parent;
        UINT position;
    };
    UINT State(MenuItem item);

    HMENU bar_;
    HMENU top_[2];
    std::vector<Place> places_;
};

// The text an item shows: its caption, and the shortcut behind a tab.
std::string MenuText(MenuItem item, const std::string& caption);

}  // namespace tarvex
