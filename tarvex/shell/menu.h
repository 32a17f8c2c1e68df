// The menu's marks, enabled states and captions as the handlers see them.
// The check marks are the program's only record of a setting between
// read-backs, so the real menu (menu_win32.cpp) is the state itself; the
// in-memory menu stands in for it in the host tests.
#pragma once
#include <string>
#include <vector>

#include "tarvex/shell/menu_tree.h"

namespace tarvex {

class MenuView {
public:
    virtual ~MenuView() = default;
    virtual bool Checked(MenuItem item) = 0;
    virtual void SetChecked(MenuItem item, bool checked) = 0;
    virtual bool Enabled(MenuItem item) = 0;
    virtual void SetEnabled(MenuItem item, bool enabled) = 0;
    virtual std::string Caption(MenuItem item) = 0;
    virtual void SetCaption(MenuItem item, const std::string& caption) = 0;
};

// Starts in the design state: no marks, everything enabled but the Off rows.
class MemoryMenu : public MenuView {
public:
    MemoryMenu();
    bool Checked(MenuItem item) override { return items_[item].checked; }
    void SetChecked(MenuItem item, bool checked) override { items_[item].checked = checked; }
    bool Enabled(MenuItem item) override { return items_[item].enabled; }
    void SetEnabled(MenuItem item, bool enabled) override { items_[item].enabled = enabled; }
    std::string Caption(MenuItem item) override { return items_[item].caption; }
    void SetCaption(MenuItem item, const std::string& caption) override { items_[item].caption = caption; }

private:
    struct State {
        bool checked;
        bool enabled;
        std::string caption;
    };
    std::vector<State> items_;
};

}  // namespace tarvex
