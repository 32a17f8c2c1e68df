// Reading the contents of common controls in another process.
#include "driver.h"

#include <commctrl.h>

namespace e2e {

namespace {

std::string narrow(const std::wstring& w) {
    if (w.empty()) return {};
    const int n = WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, 0, w.data(), static_cast<int>(w.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::vector<std::string> items(HWND w, UINT countMsg, UINT lenMsg, UINT textMsg) {
    // Asked in UTF-16: Wine hands LB_GETTEXT/CB_GETLBTEXT of another process
    // back unconverted even to an ANSI caller.
    std::vector<std::string> out;
    const LRESULT count = send(w, countMsg);
    for (LRESULT i = 0; i < count; ++i) {
        const LRESULT len = send(w, lenMsg, i);
        std::wstring buf(static_cast<size_t>(len > 0 ? len : 0) + 1, L'\0');
        DWORD_PTR got = 0;
        if (!SendMessageTimeoutW(w, textMsg, i, reinterpret_cast<LPARAM>(buf.data()), SMTO_ABORTIFHUNG,
                                 5000, &got) || static_cast<LRESULT>(got) < 0)
            got = 0;
        buf.resize(got);
        out.push_back(narrow(buf));
    }
    return out;
}

}  // namespace

std::vector<std::string> listBoxItems(HWND listBox) {
    return items(listBox, LB_GETCOUNT, LB_GETTEXTLEN, LB_GETTEXT);
}

std::vector<std::string> comboItems(HWND combo) {
    return items(combo, CB_GETCOUNT, CB_GETLBTEXTLEN, CB_GETLBTEXT);
}

int listBoxSelection(HWND listBox) { return static_cast<int>(send(listBox, LB_GETCURSEL)); }
int comboSelection(HWND combo) { return static_cast<int>(send(combo, CB_GETCURSEL)); }
int checkState(HWND button) { return static_cast<int>(send(button, BM_GETCHECK)); }

std::vector<std::vector<std::string>> listViewRows(HWND listView, int columns) {
    std::vector<std::vector<std::string>> rows;
    HANDLE proc = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE,
                              windowPid(listView));
    if (!proc) return rows;
    // LVM_GETITEMTEXTA carries a pointer that only means something in the
    // owner's address space: the item and its text buffer live there.
    constexpr size_t kText = 1024;
    auto* remote = static_cast<char*>(
        VirtualAllocEx(proc, nullptr, sizeof(LVITEMA) + kText, MEM_COMMIT, PAGE_READWRITE));
    if (remote) {
        const LRESULT count = send(listView, LVM_GETITEMCOUNT);
        for (LRESULT i = 0; i < count; ++i) {
            std::vector<std::string> row;
            for (int col = 0; col < columns; ++col) {
                LVITEMA item{};
                item.iSubItem = col;
                item.pszText = remote + sizeof(LVITEMA);
                item.cchTextMax = kText;
                char buf[kText] = {};
                if (WriteProcessMemory(proc, remote, &item, sizeof item, nullptr) &&
                    WriteProcessMemory(proc, remote + sizeof(LVITEMA), buf, 1, nullptr)) {
                    const LRESULT len = send(listView, LVM_GETITEMTEXTA, i, reinterpret_cast<LPARAM>(remote));
                    if (len > 0) ReadProcessMemory(proc, remote + sizeof(LVITEMA), buf, kText - 1, nullptr);
                }
                row.emplace_back(buf);
            }
            rows.push_back(row);
        }
        VirtualFreeEx(proc, remote, 0, MEM_RELEASE);
    }
    CloseHandle(proc);
    return rows;
}

}  // namespace e2e
