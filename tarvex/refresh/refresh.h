// The settings refresh: reads the stored settings back into the menu's marks.
#pragma once
#include "tarvex/shell/menu.h"
#include "tarvex/store/options.h"

namespace tarvex {

// At start and on "Refresh". So far it reads the splash option: the empty
// text or "1" checks "Display Splash Screen", "0" clears it, anything else
// leaves the mark as it is.
void RefreshTarvex(MenuView& menu, Options& options);

}  // namespace tarvex
