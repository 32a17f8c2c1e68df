// Times how long programs take to start, from CreateProcess to a point of
// their own, as a ratio to the empty baseline started the same way.
//   start_time RUNS BASELINE.exe [exit|tray] PROGRAM.exe [ARGS]
// "exit": until the program has ended; "tray": until its tray icon (owner
// window class TarvexTray, id 1) is in the shell, then the program is ended.
#include <windows.h>

#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

double Now() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

bool TrayIconUp() {
    HWND owner = FindWindowA("TarvexTray", nullptr);
    if (!owner) return false;
    NOTIFYICONDATAA data = {};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner;
    data.uID = 1;
    return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
}

// Seconds from start to the point the mode names; negative on failure.
double Once(const std::string& command, bool tray) {
    STARTUPINFOA si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi;
    std::string line = command;
    const double start = Now();
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    double elapsed = -1;
    if (tray) {
        while (Now() - start < 30 && WaitForSingleObject(pi.hProcess, 0) == WAIT_TIMEOUT) {
            if (TrayIconUp()) {
                elapsed = Now() - start;
                break;
            }
            Sleep(1);
        }
        TerminateProcess(pi.hProcess, 0);
    }
    if (WaitForSingleObject(pi.hProcess, 30000) == WAIT_OBJECT_0 && !tray) elapsed = Now() - start;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    Sleep(200);  // let the shell forget a terminated program's icon
    return elapsed;
}

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5) {
        std::fprintf(stderr, "usage: start_time RUNS BASELINE.exe exit|tray PROGRAM.exe [ARGS]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const bool tray = std::string(argv[3]) == "tray";
    std::string program = std::string("\"") + argv[4] + "\"";
    for (int i = 5; i < argc; ++i) program += std::string(" ") + argv[i];
    const std::string baseline = std::string("\"") + argv[2] + "\"";
    std::vector<double> base, measured;
    for (int i = 0; i < runs; ++i) {  // interleaved, so that drift hits both alike
        base.push_back(Once(baseline, false));
        measured.push_back(Once(program, tray));
        if (base.back() < 0 || measured.back() < 0) {
            std::fprintf(stderr, "run %d failed\n", i);
            return 1;
        }
    }
    const double b = Median(base), m = Median(measured);
    std::printf("baseline median %.1f ms, program median %.1f ms, ratio %.2f (%d runs each)\n", b * 1000, m * 1000,
                m / b, runs);
    return 0;
}
