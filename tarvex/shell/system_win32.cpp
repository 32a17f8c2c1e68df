#include "tarvex/shell/system_win32.h"

#include <vector>

namespace tarvex {

Win32SystemInfo::~Win32SystemInfo() {
    if (instance_mutex_) CloseHandle(instance_mutex_);
}

OsVersion Win32SystemInfo::Version() {
    OSVERSIONINFOA info = {};
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return {};
    return {info.dwPlatformId, info.dwMajorVersion, info.dwMinorVersion, info.dwBuildNumber};
}

std::string Win32SystemInfo::DecimalSeparator() {
    char text[8] = "";
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, text, sizeof text) <= 1) return ".";
    return text;
}

std::optional<std::string> Win32SystemInfo::UserName(std::size_t size) {
    std::vector<char> buffer(size + 1, '\0');
    DWORD length = static_cast<DWORD>(size);
    if (!GetUserNameA(buffer.data(), &length)) return std::nullopt;
    return std::string(buffer.data());
}

bool Win32SystemInfo::AnotherInstanceRunning() {
    // The first copy creates the object and keeps it for its whole run.
    if (!instance_mutex_) {
        instance_mutex_ = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
        another_running_ = instance_mutex_ && GetLastError() == ERROR_ALREADY_EXISTS;
    }
    return another_running_;
}

std::vector<std::string> Win32SystemInfo::DirectoryFiles(const std::string& dir) {
    std::vector<std::string> names;
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((dir + "\\*.*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        // The list shows ordinary files only, as a file list box does.
        if (found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM))
            continue;
        names.push_back(found.cFileName);
    } while (FindNextFileA(search, &found));
    FindClose(search);
    return names;
}

}  // namespace tarvex
