// Creates a form's controls from its layout rows, in pixels for the
// screen's DPI, with the fonts and tool tips the rows name.
#pragma once
#include <windows.h>

#include <map>
#include <string>
#include <vector>

#include "tarvex/shell/form_layout.h"

namespace tarvex {

class FormControls {
public:
    FormControls() = default;
    ~FormControls();
    FormControls(const FormControls&) = delete;
    FormControls& operator=(const FormControls&) = delete;

    // The screen's pixels per inch, horizontally.
    static int Dpi();
    // Window rectangle size for a form whose client area the layout gives.
    static SIZE OuterSize(const FormLayout& layout, DWORD style, DWORD ex_style, bool has_menu);

    void Create(HWND form, const FormLayout& layout);
    HWND Get(Control id) const;
    // Sets a control's text; labels that size to their text are measured anew.
    void SetText(Control id, const std::string& text);
    // The row of the control at a point of the form's client area, if any.
    const ControlRow* RowAt(POINT client) const;
    const ControlRow* Row(Control id) const;
    RECT Rect(const ControlRow& row) const;

private:
    HFONT Font(const FontSpec& wanted);
    void FitToText(const ControlRow& row, HWND control);

    HWND form_ = nullptr;
    const FormLayout* layout_ = nullptr;
    int dpi_ = 96;
    HWND tips_ = nullptr;
    std::map<Control, HWND> windows_;
    std::map<std::string, HFONT> fonts_;
};

}  // namespace tarvex
