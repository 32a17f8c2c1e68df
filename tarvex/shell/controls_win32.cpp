#include "tarvex/shell/controls_win32.h"

#include <commctrl.h>

namespace tarvex {
namespace {

struct WindowKind {
    const char* cls;
    DWORD style;
    DWORD ex_style;
};

WindowKind KindOf(const ControlRow& row) {
    switch (row.kind) {
    case ControlKind::Label:
        return {"STATIC", static_cast<DWORD>((row.style & kRightAligned) ? SS_RIGHT : SS_LEFT) | SS_NOPREFIX, 0};
    case ControlKind::Line: return {"STATIC", SS_BLACKRECT, 0};
    case ControlKind::ListBox: return {"LISTBOX", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | WS_TABSTOP, 0};
    case ControlKind::TextBox: return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, WS_EX_CLIENTEDGE};
    case ControlKind::Frame: return {"BUTTON", BS_GROUPBOX, 0};
    case ControlKind::Button: return {"BUTTON", BS_PUSHBUTTON | WS_TABSTOP, 0};
    case ControlKind::FileList:
        return {"LISTBOX", WS_BORDER | WS_VSCROLL | LBS_NOINTEGRALHEIGHT | LBS_NOTIFY | WS_TABSTOP, 0};
    case ControlKind::CheckBox: return {"BUTTON", BS_AUTOCHECKBOX | WS_TABSTOP, 0};
    case ControlKind::Image: return {"STATIC", SS_ICON | SS_NOTIFY, 0};
    }
    return {"STATIC", 0, 0};
}

}  // namespace

FormControls::~FormControls() {
    for (auto& f : fonts_) DeleteObject(f.second);
}

int FormControls::Dpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = GetDeviceCaps(screen, LOGPIXELSX);
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

SIZE FormControls::OuterSize(const FormLayout& layout, DWORD style, DWORD ex_style, bool has_menu) {
    const int dpi = Dpi();
    RECT r = {0, 0, TwipsToPixels(layout.client_width, dpi), TwipsToPixels(layout.client_height, dpi)};
    AdjustWindowRectEx(&r, style, has_menu, ex_style);
    return {r.right - r.left, r.bottom - r.top};
}

HFONT FormControls::Font(const FontSpec& wanted) {
    const std::string key = std::string(wanted.face) + "/" + std::to_string(wanted.points) + (wanted.bold ? "b" : "");
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    HFONT font = CreateFontA(-PointsToPixels(wanted.points, dpi_), 0, 0, 0, wanted.bold ? FW_BOLD : FW_NORMAL, FALSE,
                             FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                             DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, wanted.face);
    fonts_[key] = font;
    return font;
}

const ControlRow* FormControls::Row(Control id) const {
    for (std::size_t i = 0; i < layout_->count; ++i)
        if (layout_->rows[i].id == id) return &layout_->rows[i];
    return nullptr;
}

RECT FormControls::Rect(const ControlRow& row) const {
    // Controls inside a frame are placed relative to it, but are the
    // form's own children: a group box passes nothing on to its parent.
    int left = row.left, top = row.top;
    if (row.parent != Control::None) {
        const ControlRow* frame = Row(row.parent);
        left += frame->left;
        top += frame->top;
    }
    RECT r;
    r.left = TwipsToPixels(left, dpi_);
    r.top = TwipsToPixels(top, dpi_);
    r.right = r.left + TwipsToPixels(row.width, dpi_);
    // A line is two pixels wide whatever the DPI.
    r.bottom = r.top + (row.kind == ControlKind::Line ? 2 : TwipsToPixels(row.height, dpi_));
    return r;
}

void FormControls::Create(HWND form, const FormLayout& layout) {
    form_ = form;
    layout_ = &layout;
    dpi_ = Dpi();
    tips_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, form, nullptr, GetModuleHandleA(nullptr), nullptr);
    // Frames first, so that the controls inside them lie above them.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < layout.count; ++i) {
            const ControlRow& row = layout.rows[i];
            if ((row.kind == ControlKind::Frame) != (pass == 0)) continue;
            const WindowKind kind = KindOf(row);
            const RECT r = Rect(row);
            HWND control = CreateWindowExA(kind.ex_style, kind.cls, row.text, WS_CHILD | WS_VISIBLE | kind.style,
                                           r.left, r.top, r.right - r.left, r.bottom - r.top, form,
                                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(row.id)),
                                           GetModuleHandleA(nullptr), nullptr);
            SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(Font(row.font)), FALSE);
            windows_[row.id] = control;
            if (row.style & kAutoSize || row.kind == ControlKind::Label) FitToText(row, control);
            if (row.tip && tips_) {
                TOOLINFOA tool = {};
                tool.cbSize = TTTOOLINFOA_V1_SIZE;  // the size the first common controls know
                tool.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
                tool.hwnd = form;
                tool.uId = reinterpret_cast<UINT_PTR>(control);
                tool.lpszText = const_cast<char*>(row.tip);
                SendMessageA(tips_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
            }
        }
    }
}

HWND FormControls::Get(Control id) const {
    auto found = windows_.find(id);
    return found == windows_.end() ? nullptr : found->second;
}

void FormControls::FitToText(const ControlRow& row, HWND control) {
    char text[512] = "";
    GetWindowTextA(control, text, sizeof text);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, Font(row.font));
    SIZE extent = {0, 0};
    GetTextExtentPoint32A(dc, text, lstrlenA(text), &extent);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    RECT r = Rect(row);
    // A label of fixed size only grows, so that no font cuts its text off.
    if (!(row.style & kAutoSize)) {
        extent.cx = extent.cx > r.right - r.left ? extent.cx : r.right - r.left;
        extent.cy = r.bottom - r.top;
    }
    // A right-aligned label keeps its right edge when it grows or shrinks.
    if (row.style & kRightAligned) r.left = r.right - extent.cx;
    SetWindowPos(control, nullptr, r.left, r.top, extent.cx, extent.cy, SWP_NOZORDER | SWP_NOACTIVATE);
}

void FormControls::SetText(Control id, const std::string& text) {
    HWND control = Get(id);
    if (!control) return;
    SetWindowTextA(control, text.c_str());
    const ControlRow* row = Row(id);
    if (row && row->kind == ControlKind::Label) FitToText(*row, control);
}

const ControlRow* FormControls::RowAt(POINT client) const {
    const ControlRow* hit = nullptr;
    for (std::size_t i = 0; i < layout_->count; ++i) {
        const ControlRow& row = layout_->rows[i];
        RECT r;
        HWND control = Get(row.id);
        if (!control) continue;
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, form_, reinterpret_cast<POINT*>(&r), 2);
        // The innermost control wins: frames come before what they hold.
        if (PtInRect(&r, client) && (!hit || hit->kind == ControlKind::Frame)) hit = &row;
    }
    return hit;
}

}  // namespace tarvex
