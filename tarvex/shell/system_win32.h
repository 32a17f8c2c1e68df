// What the load asks of the operating system, from Win32.
#pragma once
#include <windows.h>

#include "tarvex/shell/main_form.h"

namespace tarvex {

class Win32SystemInfo : public SystemInfo {
public:
    ~Win32SystemInfo() override;
    OsVersion Version() override;
    std::string DecimalSeparator() override;
    std::optional<std::string> UserName(std::size_t size) override;
    bool AnotherInstanceRunning() override;
    std::vector<std::string> DirectoryFiles(const std::string& dir) override;

private:
    HANDLE instance_mutex_ = nullptr;
    bool another_running_ = false;
};

// The name of the object whose existence marks a running copy.
constexpr const char* kInstanceMutexName = "Tarvex.Instance";

}  // namespace tarvex
