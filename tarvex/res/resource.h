// Resource ids of Tarvex, shared by the .rc file and the code.
#pragma once

#define IDI_TARVEX 1         // the program's icon and the splash logo
#define IDI_TRAY_HIDDEN 101  // tray and form icon while the form is hidden
#define IDI_TRAY_SHOWN 102   // tray and form icon while the form is shown
