#include "tarvex/shell/form_layout.h"

#include <cmath>

namespace tarvex {
namespace {

constexpr FontSpec kTahoma{"Tahoma", 8.25, false};
constexpr FontSpec kTahomaBold{"Tahoma", 8.25, true};
constexpr FontSpec kSansSerif{"MS Sans Serif", 8.25, false};
constexpr int kBox = 315;  // height of a text box
constexpr int kBoxWidth = 1695;

#define ROW(id, kind, text, font, l, t, w, h, parent, style, tip) \
    {Control::id, ControlKind::kind, text, font, l, t, w, h, Control::parent, style, tip}

const ControlRow kMainRows[] = {
    ROW(AppTitle, Label, "Tarvex", (FontSpec{"Tahoma", 20.25, true}), 120, 0, 3135, 495, None, kGreyBackground, nullptr),
    ROW(VerLabel, Label, "Version", (FontSpec{"Tahoma", 9.75, true}), 150, 550, 2055, 255, None, kStyleNone, nullptr),
    ROW(HorizontalLine1, Line, "", kTahoma, 120, 1200, 2760, 30, None, kStyleNone, nullptr),
    ROW(List1, ListBox, "", kTahoma, 120, 1320, 2775, 645, None, kStyleNone, nullptr),
    ROW(Label3, Label, "This product is licensed to:", kTahoma, 120, 2040, 2055, 255, None, kGreyBackground, nullptr),
    ROW(Text1, TextBox, "Text1", kTahoma, 120, 2400, 2775, kBox, None, kStyleNone, nullptr),
    ROW(Frame1, Frame, "", (FontSpec{"Arial", 8.25, false}), 120, 2760, 2775, 735, None, kStyleNone, nullptr),
    ROW(ToTray, Button, "Send to Tray", kTahoma, 120, 240, 1215, 375, Frame1, kStyleNone, " Minimize Tarvex "),
    ROW(CloseTarvex, Button, "Exit", kTahoma, 1440, 240, 1215, 375, Frame1, kStyleNone, " Exit Tarvex "),
    ROW(Label2, Label, "Label2", kTahomaBold, 3000, 0, 0, 0, None, kAutoSize, nullptr),
    ROW(Label12, Label, "Label2", kTahomaBold, 3000, 240, 0, 0, None, kAutoSize, nullptr),
    ROW(File1, FileList, "", kTahoma, 3000, 480, 1935, 3015, None, kStyleNone, " Installed Drivers "),
    // The properties panel: a label over each text box, two columns.
    ROW(Label4, Label, "File Name", kTahomaBold, 5040, 480, 0, 0, None, kAutoSize, nullptr),
    ROW(T1, TextBox, "File Name", kTahoma, 5040, 720, kBoxWidth, kBox, None, kStyleNone, nullptr),
    ROW(Label6, Label, "Product Version", kTahomaBold, 6840, 480, 0, 0, None, kAutoSize, nullptr),
    ROW(T2, TextBox, "Product Version", kTahoma, 6840, 720, kBoxWidth, kBox, None, kStyleNone, nullptr),
    ROW(Label5, Label, "File Version", kTahomaBold, 5040, 1080, 0, 0, None, kAutoSize, nullptr),
    ROW(T3, TextBox, "File Version", kTahoma, 5040, 1320, kBoxWidth, kBox, None, kStyleNone, nullptr),
    ROW(Label7, Label, "Operating System", kTahomaBold, 6840, 1080, 0, 0, None, kAutoSize, nullptr),
    ROW(T4, TextBox, "Operating System", kTahoma, 6840, 1320, kBoxWidth, kBox, None, kStyleNone, nullptr),
    ROW(Label8, Label, "File Type", kTahomaBold, 5040, 1680, 0, 0, None, kAutoSize, nullptr),
    ROW(T5, TextBox, "File Type", kTahoma, 5040, 1920, kBoxWidth, kBox, None, kStyleNone, nullptr),
    ROW(Label9, Label, "File Class", kTahomaBold, 6840, 1680, 0, 0, None, kAutoSize, nullptr),
    ROW(T6, TextBox, "File Class", kTahoma, 6840, 1920, kBoxWidth, kBox, None, kStyleNone, nullptr),
    ROW(Label10, Label, "File Size", kTahomaBold, 5040, 2280, 0, 0, None, kAutoSize, nullptr),
    ROW(T7, TextBox, "File Size", kTahoma, 5040, 2520, kBoxWidth, kBox, None, kStyleNone, nullptr),
    ROW(Label11, Label, "File Date / Time", kTahomaBold, 6840, 2280, 0, 0, None, kAutoSize, nullptr),
    ROW(T8, TextBox, "File Date / Time", kTahoma, 6840, 2520, kBoxWidth, kBox, None, kStyleNone, nullptr),
    ROW(AttRead, CheckBox, "Read Only", kTahoma, 5040, 3000, 1095, 255, None, kStyleNone, nullptr),
    ROW(AttHidden, CheckBox, "Hidden", kTahoma, 6120, 3000, 855, 255, None, kStyleNone, nullptr),
    ROW(AttSys, CheckBox, "System", kTahoma, 7080, 3000, 855, 255, None, kStyleNone, nullptr),
    ROW(AttArc, CheckBox, "Archive", kTahoma, 8040, 3000, 855, 255, None, kStyleNone, nullptr),
};

const ControlRow kSplashRows[] = {
    ROW(SplashFrame, Frame, "", kSansSerif, 120, 0, 5055, 2055, None, kStyleNone, nullptr),
    ROW(ImgLogo, Image, "", kSansSerif, 120, 240, 480, 480, SplashFrame, kStyleNone, nullptr),
    ROW(LblProductName, Label, "Product", (FontSpec{"Tahoma", 30, true}), 2475, 240, 2355, 720, SplashFrame,
        kAutoSize | kRightAligned, nullptr),
    ROW(LblPlatform, Label, "Windows 95/98", (FontSpec{"Tahoma", 15.75, true}), 2310, 960, 2505, 375, SplashFrame,
        kAutoSize | kRightAligned, nullptr),
    ROW(LblVersion, Label, "Version", (FontSpec{"Tahoma", 14.25, true}), 3765, 1320, 1080, 345, SplashFrame,
        kAutoSize | kRightAligned, nullptr),
};

#undef ROW

}  // namespace

// The sizes are the client areas: the controls fill them to within a few
// pixels, and a title bar taken out of them would cut off the bottom row.
const FormLayout kMainFormLayout{"Tarvex", 8955, 3570, kTahoma, kMainRows,
                                 sizeof kMainRows / sizeof kMainRows[0]};
const FormLayout kSplashLayout{"", 5280, 2145, kSansSerif, kSplashRows,
                               sizeof kSplashRows / sizeof kSplashRows[0]};

int TwipsToPixels(int twips, int dpi) { return (twips * dpi + 720) / 1440; }

int PointsToPixels(double points, int dpi) { return static_cast<int>(std::lround(points * dpi / 72.0)); }

}  // namespace tarvex
