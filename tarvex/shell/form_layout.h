// The controls of the two forms as data: kind, design text, font and place
// in twips. The Win32 forms create their windows from these rows, placing
// them at twips * dpi / 1440.
#pragma once
#include <cstddef>

namespace tarvex {

enum class Control {
    None,
    // The main form, left half: the about panel.
    AppTitle, VerLabel, HorizontalLine1, List1, Label3, Text1, Frame1, ToTray, CloseTarvex,
    // The component list and the properties panel.
    Label2, Label12, File1,
    Label4, Label5, Label6, Label7, Label8, Label9, Label10, Label11,
    T1, T2, T3, T4, T5, T6, T7, T8,
    AttRead, AttHidden, AttSys, AttArc,
    // The splash form.
    SplashFrame, ImgLogo, LblProductName, LblPlatform, LblVersion,
};

enum class ControlKind { Label, Line, ListBox, TextBox, Frame, Button, FileList, CheckBox, Image };

enum ControlStyle : unsigned {
    kStyleNone = 0,
    kGreyBackground = 1,  // the button-face colour behind a label
    kAutoSize = 2,        // the label takes the size of its text
    kRightAligned = 4,
};

struct FontSpec {
    const char* face;
    double points;
    bool bold;
};

struct ControlRow {
    Control id;
    ControlKind kind;
    const char* text;
    FontSpec font;
    int left, top, width, height;  // twips, inside the parent
    Control parent;                // None: the form itself
    unsigned style;
    const char* tip;               // tool tip, or nullptr
};

struct FormLayout {
    const char* caption;
    int client_width, client_height;  // twips
    FontSpec font;
    const ControlRow* rows;
    std::size_t count;
};

extern const FormLayout kMainFormLayout;
extern const FormLayout kSplashLayout;

// twips * dpi / 1440, to the nearest pixel.
int TwipsToPixels(int twips, int dpi);
// A font's character height in pixels for its size in points.
int PointsToPixels(double points, int dpi);

}  // namespace tarvex
