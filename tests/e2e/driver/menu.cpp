// Walking another process's popup menu with posted keys.
#include "driver.h"

#include <thread>

namespace e2e {

HWND waitPopupMenu(DWORD pid, Ms timeout) {
    return waitVisibleWindow(pid, "#32768", {}, timeout);
}

bool menuKeys(HWND menu, const std::vector<UINT>& keys) {
    for (UINT vk : keys) {
        const LPARAM scan = static_cast<LPARAM>(MapVirtualKeyA(vk, 0)) << 16;
        if (!post(menu, WM_KEYDOWN, vk, 1 | scan) ||
            !post(menu, WM_KEYUP, vk, 1 | scan | (LPARAM(3) << 30)))
            return false;
        // The menu loop handles keys in order anyway; the pause lets a submenu open.
        std::this_thread::sleep_for(Ms(100));
    }
    return true;
}

bool chooseMenuItem(HWND menu, const std::vector<int>& path) {
    std::vector<UINT> keys;
    for (size_t level = 0; level < path.size(); ++level) {
        if (level > 0) keys.push_back(VK_RIGHT);  // opens the submenu on its first item
        // A fresh popup selects its first item on the first VK_DOWN.
        const int downs = path[level] + (level == 0 ? 1 : 0);
        keys.insert(keys.end(), static_cast<size_t>(downs), VK_DOWN);
    }
    keys.push_back(VK_RETURN);
    return menuKeys(menu, keys) && waitHidden(menu);
}

bool dismissMenu(HWND menu) {
    // One VK_ESCAPE per open submenu level.
    for (int level = 0; level < 8; ++level) {
        if (waitHidden(menu, Ms(level == 0 ? 0 : 1000))) return true;
        menuKeys(menu, {VK_ESCAPE});
    }
    return waitHidden(menu);
}

}  // namespace e2e
