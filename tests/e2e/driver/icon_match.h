// Tells which system icon a control shows by its pixels on the screen:
// another process's HICON cannot be read under Wine, its picture can.
#pragma once

#include "driver.h"

namespace e2e {

// The icon drawn in the screen rectangle of iconControl, or Icon::None when
// the empty background matches best.
Icon matchIcon(HWND iconControl);

}  // namespace e2e
