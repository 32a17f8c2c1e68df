#include "tarvex/shell/tray.h"

#include <cstring>
#include <string>

#include "tarvex/shell/version.h"

namespace tarvex {

std::array<char, TrayRecord::kTipSize> TrayTipField() {
    std::array<char, TrayRecord::kTipSize> field;
    field.fill(' ');
    const std::string tip = std::string(kAppTitle) + " " + kVersionText;
    std::memcpy(field.data(), tip.c_str(), tip.size() + 1);
    return field;
}

}  // namespace tarvex
