// The driver's counterpart in its self-test. Modes (first argument):
//   msgbox STYLE TITLE TEXT  MessageBoxA(NULL, TEXT, TITLE, STYLE); exits
//                            with its result. In TEXT, \r and \n are CR, LF.
//   menu                     a popup menu (see kMenu); exits with the chosen
//                            command id, 0 if dismissed.
//   window                   the "E2eHelper" window with a list box, combo
//                            box, list view, check box and edit, and a hidden
//                            "E2eHelperHidden" window; runs until closed. On
//                            "TaskbarCreated" its title becomes "Broadcast".
//   spawn                    starts "helper window" and waits for it.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

namespace {

std::string unescape(const char* s) {
    std::string out;
    for (; *s; ++s) {
        if (s[0] == '\\' && (s[1] == 'r' || s[1] == 'n')) {
            out += *++s == 'r' ? '\r' : '\n';
        } else {
            out += *s;
        }
    }
    return out;
}

int messageBox(int argc, char** argv) {
    if (argc < 5) return -1;
    return MessageBoxA(nullptr, unescape(argv[4]).c_str(), argv[3],
                       static_cast<UINT>(std::strtoul(argv[2], nullptr, 0)));
}

// First, separator, Grayed (grayed), Sub > {Sub A, Sub B}, Last.
int menu(HINSTANCE inst) {
    HWND owner = CreateWindowExA(0, "STATIC", "E2eMenuOwner", WS_POPUP, 0, 0, 0, 0, nullptr,
                                 nullptr, inst, nullptr);
    HMENU sub = CreatePopupMenu();
    AppendMenuA(sub, MF_STRING, 41, "Sub A");
    AppendMenuA(sub, MF_STRING, 42, "Sub B");
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 10, "First");
    AppendMenuA(popup, MF_SEPARATOR, 0, nullptr);
    AppendMenuA(popup, MF_STRING | MF_GRAYED, 20, "Grayed");
    AppendMenuA(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(sub), "Sub");
    AppendMenuA(popup, MF_STRING, 50, "Last");
    SetForegroundWindow(owner);
    const int chosen = TrackPopupMenu(popup, TPM_RETURNCMD | TPM_RIGHTBUTTON, 200, 200, 0, owner, nullptr);
    DestroyMenu(popup);
    DestroyWindow(owner);
    return chosen;
}

UINT taskbarCreated;

LRESULT CALLBACK windowProc(HWND w, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == taskbarCreated && msg != 0) {
        SetWindowTextA(w, "Broadcast");
        return 0;
    }
    if (msg == WM_DESTROY) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(w, msg, wp, lp);
}

HWND control(HWND parent, const char* cls, const char* text, DWORD style, int id, int y, int h) {
    return CreateWindowExA(WS_EX_CLIENTEDGE, cls, text, WS_CHILD | WS_VISIBLE | style, 10, y, 300, h,
                           parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
}

void fillControls(HWND w) {
    HWND list = control(w, "LISTBOX", "", LBS_NOTIFY, 101, 10, 60);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("alpha"));
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("beta"));
    SendMessageA(list, LB_SETCURSEL, 1, 0);

    HWND combo = control(w, "COMBOBOX", "", CBS_DROPDOWNLIST, 102, 80, 100);
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("one"));
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("two"));
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>("three"));
    SendMessageA(combo, CB_SETCURSEL, 2, 0);

    HWND view = control(w, WC_LISTVIEWA, "", LVS_REPORT, 103, 110, 80);
    const char* columns[] = {"Name", "Version"};
    for (int c = 0; c < 2; ++c) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH;
        col.cx = 120;
        col.pszText = const_cast<char*>(columns[c]);
        SendMessageA(view, LVM_INSERTCOLUMNA, c, reinterpret_cast<LPARAM>(&col));
    }
    const char* rows[][2] = {{"D3DIM.DLL", "4.06.00.0318"}, {"SB16.VXD", "4.00.00.0950"}};
    for (int r = 0; r < 2; ++r) {
        LVITEMA item{};
        item.mask = LVIF_TEXT;
        item.iItem = r;
        item.pszText = const_cast<char*>(rows[r][0]);
        SendMessageA(view, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = const_cast<char*>(rows[r][1]);
        SendMessageA(view, LVM_SETITEMTEXTA, r, reinterpret_cast<LPARAM>(&item));
    }

    HWND check = control(w, "BUTTON", "Check me", BS_AUTOCHECKBOX, 104, 200, 20);
    SendMessageA(check, BM_SETCHECK, BST_CHECKED, 0);
    control(w, "EDIT", "typed", ES_AUTOHSCROLL, 105, 230, 22);
}

int window(HINSTANCE inst) {
    InitCommonControls();
    taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    WNDCLASSA wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = inst;
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = "E2eHelper";
    RegisterClassA(&wc);
    wc.lpszClassName = "E2eHelperHidden";
    RegisterClassA(&wc);
    HWND w = CreateWindowExA(0, "E2eHelper", "Helper", WS_OVERLAPPEDWINDOW, 20, 20, 340, 300, nullptr,
                             nullptr, inst, nullptr);
    CreateWindowExA(0, "E2eHelperHidden", "Hidden", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                    inst, nullptr);
    fillControls(w);
    ShowWindow(w, SW_SHOW);
    MSG m;
    while (GetMessageA(&m, nullptr, 0, 0) > 0) {
        TranslateMessage(&m);
        DispatchMessageA(&m);
    }
    return 0;
}

int spawn() {
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string cmd = std::string("\"") + self + "\" window";
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(self, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return 1;
    WaitForSingleObject(pi.hProcess, INFINITE);
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE inst, HINSTANCE, LPSTR, int) {
    const int argc = __argc;
    char** argv = __argv;
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "msgbox") return messageBox(argc, argv);
    if (mode == "menu") return menu(inst);
    if (mode == "window") return window(inst);
    if (mode == "spawn") return spawn();
    return 2;
}
