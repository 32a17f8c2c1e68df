#include "tarvex/refresh/refresh.h"

namespace tarvex {

void RefreshTarvex(MenuView& menu, Options& options) {
    const std::string logo = options.Get(kOptionLogo);
    if (logo.empty() || logo == "1") menu.SetChecked(mnuLogo, true);
    else if (logo == "0") menu.SetChecked(mnuLogo, false);
}

}  // namespace tarvex
