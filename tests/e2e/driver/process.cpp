// Starting a program and ending it together with everything it started.
#include "driver.h"

#include <tlhelp32.h>

#include <algorithm>
#include <set>

namespace e2e {

std::unique_ptr<Process> Process::start(const std::string& exe, const std::string& args,
                                        const std::string& workDir) {
    std::string cmd = "\"" + exe + "\"";
    if (!args.empty()) cmd += " " + args;
    std::string dir = workDir;
    if (dir.empty()) {
        const auto slash = exe.find_last_of("\\/");
        if (slash != std::string::npos) dir = exe.substr(0, slash);
    }
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::vector<char> line(cmd.begin(), cmd.end());
    line.push_back('\0');
    if (!CreateProcessA(exe.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        dir.empty() ? nullptr : dir.c_str(), &si, &pi))
        return nullptr;
    CloseHandle(pi.hThread);
    return std::unique_ptr<Process>(new Process(pi.hProcess, pi.dwProcessId));
}

Process::~Process() {
    CloseHandle(process_);
}

bool Process::running() const {
    return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

std::optional<DWORD> Process::waitExit(Ms timeout) const {
    if (WaitForSingleObject(process_, static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return std::nullopt;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return code;
}

bool Process::waitIdle(Ms timeout) const {
    return WaitForInputIdle(process_, static_cast<DWORD>(timeout.count())) == 0;
}

namespace {

// Pids of root's descendants, found through the parent pids of a snapshot;
// a parent that has exited still links its children by its pid.
std::vector<DWORD> descendants(DWORD root) {
    std::vector<std::pair<DWORD, DWORD>> links;  // (pid, parent)
    HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snap == INVALID_HANDLE_VALUE) return {};
    PROCESSENTRY32 e{};
    e.dwSize = sizeof e;
    for (BOOL ok = Process32First(snap, &e); ok; ok = Process32Next(snap, &e))
        links.emplace_back(e.th32ProcessID, e.th32ParentProcessID);
    CloseHandle(snap);
    std::set<DWORD> found{root};
    for (bool grew = true; grew;) {
        grew = false;
        for (auto [pid, parent] : links)
            if (found.count(parent) && pid != GetCurrentProcessId() && found.insert(pid).second)
                grew = true;
    }
    found.erase(root);
    return {found.begin(), found.end()};
}

void terminate(DWORD pid) {
    HANDLE h = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (!h) return;
    TerminateProcess(h, 1);
    WaitForSingleObject(h, 5000);
    CloseHandle(h);
}

}  // namespace

void Process::kill() {
    // Collect first: once the root is gone, its children are found by its pid still.
    auto family = descendants(pid_);
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
    // A child may have started another one meanwhile; repeat until none is left.
    for (int round = 0; round < 5 && !family.empty(); ++round) {
        for (DWORD pid : family) terminate(pid);
        auto more = descendants(pid_);
        family.clear();
        for (DWORD pid : more) {
            HANDLE h = OpenProcess(SYNCHRONIZE, FALSE, pid);
            if (!h) continue;
            if (WaitForSingleObject(h, 0) == WAIT_TIMEOUT) family.push_back(pid);
            CloseHandle(h);
        }
    }
}

HWND Process::window(const std::string& cls, const std::string& title) const {
    return findWindow(pid_, cls, title);
}
HWND Process::waitWindow(const std::string& cls, const std::string& title, Ms timeout) const {
    return e2e::waitWindow(pid_, cls, title, timeout);
}
HWND Process::waitVisibleWindow(const std::string& cls, const std::string& title, Ms timeout) const {
    return e2e::waitVisibleWindow(pid_, cls, title, timeout);
}
HWND Process::waitMessageBox(Ms timeout) const {
    return e2e::waitMessageBox(pid_, timeout);
}
HWND Process::waitPopupMenu(Ms timeout) const {
    return e2e::waitPopupMenu(pid_, timeout);
}

}  // namespace e2e
