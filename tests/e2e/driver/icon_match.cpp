#include "icon_match.h"

#include <cstdlib>
#include <limits>

namespace e2e {

namespace {

// A 32-bit top-down DIB selected into a memory DC.
class Canvas {
public:
    Canvas(int w, int h) : w_(w), h_(h), dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        bi.bmiHeader.biCompression = BI_RGB;
        bmp_ = CreateDIBSection(dc_, &bi, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
        old_ = SelectObject(dc_, bmp_);
    }
    ~Canvas() {
        SelectObject(dc_, old_);
        DeleteObject(bmp_);
        DeleteDC(dc_);
    }
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    HDC dc() const { return dc_; }
    bool ok() const { return bits_ != nullptr; }
    DWORD pixel(int x, int y) const { return bits_[y * w_ + x] & 0xFFFFFF; }
    void fill(DWORD rgb) {
        GdiFlush();
        for (int i = 0; i < w_ * h_; ++i) bits_[i] = rgb;
    }
    // Sum of per-channel differences to another canvas of the same size.
    long long distance(const Canvas& o) const {
        GdiFlush();
        long long d = 0;
        for (int i = 0; i < w_ * h_; ++i)
            for (int shift = 0; shift < 24; shift += 8)
                d += std::abs(static_cast<int>((bits_[i] >> shift) & 0xFF) -
                              static_cast<int>((o.bits_[i] >> shift) & 0xFF));
        return d;
    }

private:
    int w_, h_;
    HDC dc_;
    HBITMAP bmp_ = nullptr;
    HGDIOBJ old_ = nullptr;
    DWORD* bits_ = nullptr;
};

}  // namespace

Icon matchIcon(HWND iconControl) {
    RECT r{};
    GetClientRect(iconControl, &r);
    POINT origin{0, 0};
    ClientToScreen(iconControl, &origin);
    const int w = r.right, h = r.bottom;
    if (w <= 0 || h <= 0) return Icon::None;

    Canvas shot(w, h);
    HDC screen = GetDC(nullptr);
    BitBlt(shot.dc(), 0, 0, w, h, screen, origin.x, origin.y, SRCCOPY);
    // The dialog's face, just left of the control, is what the icon is drawn over.
    const COLORREF face = GetPixel(screen, origin.x - 2, origin.y + h / 2);
    ReleaseDC(nullptr, screen);
    if (!shot.ok() || face == CLR_INVALID) return Icon::None;
    const DWORD background = (GetRValue(face) << 16) | (GetGValue(face) << 8) | GetBValue(face);

    struct Candidate { Icon icon; LPCSTR id; };
    const Candidate candidates[] = {
        {Icon::Stop, IDI_HAND}, {Icon::Question, IDI_QUESTION},
        {Icon::Warning, IDI_EXCLAMATION}, {Icon::Information, IDI_ASTERISK},
    };
    Canvas drawn(w, h);
    drawn.fill(background);
    Icon best = Icon::None;
    long long bestDistance = shot.distance(drawn);
    for (const auto& c : candidates) {
        drawn.fill(background);
        // Drawn the way the static control draws it: stretched to its client area.
        DrawIconEx(drawn.dc(), 0, 0, LoadIconA(nullptr, c.id), w, h, 0, nullptr, DI_NORMAL);
        const long long d = shot.distance(drawn);
        if (d < bestDistance) {
            bestDistance = d;
            best = c.icon;
        }
    }
    return best;
}

}  // namespace e2e
