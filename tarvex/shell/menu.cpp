#include "tarvex/shell/menu.h"

namespace tarvex {

MemoryMenu::MemoryMenu() {
    for (const MenuRow& row : kMenuTree)
        items_.push_back({false, row.kind != MenuKind::Off, row.caption});
}

}  // namespace tarvex
