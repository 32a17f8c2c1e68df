#include "tarvex/shell/menu_tree.h"

namespace tarvex {

const MenuRow kMenuTree[kMenuItemCount] = {
#define MENU_ROW(depth, name, caption, kind) {depth, name, #name, caption, MenuKind::kind},
#include "tarvex/shell/menu_tree.def"
#undef MENU_ROW
};

MenuItem ItemForCommand(unsigned id) {
    if (id < kMenuCommandBase || id >= kMenuCommandBase + kMenuItemCount) return kMenuItemCount;
    return static_cast<MenuItem>(id - kMenuCommandBase);
}

}  // namespace tarvex
