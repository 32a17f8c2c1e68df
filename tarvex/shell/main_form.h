// The main form's load: sixteen steps in a fixed order, each under the load
// handler's error handler. The form stays hidden.
#pragma once
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "tarvex/shell/form_layout.h"
#include "tarvex/shell/os_lines.h"
#include "tarvex/shell/panel.h"
#include "tarvex/store/notice.h"
#include "tarvex/store/profile.h"

namespace tarvex {

// The controls the load fills.
class FormView {
public:
    virtual ~FormView() = default;
    virtual void SetText(Control control, const std::string& text) = 0;
    virtual void AddListLine(const std::string& line) = 0;                // List1
    virtual void SetFileList(const std::vector<std::string>& names) = 0;  // File1
};

// What the load asks of the operating system.
class SystemInfo {
public:
    virtual ~SystemInfo() = default;
    virtual OsVersion Version() = 0;
    virtual std::string DecimalSeparator() = 0;
    // GetUserNameA into a buffer of `size` characters; nothing if it fails.
    virtual std::optional<std::string> UserName(std::size_t size) = 0;
    // Whether another copy of the program runs already.
    virtual bool AnotherInstanceRunning() = 0;
    // The names of the ordinary files (neither hidden nor system) in a folder.
    virtual std::vector<std::string> DirectoryFiles(const std::string& dir) = 0;
};

class MainTarvex {
public:
    struct Pieces {
        Panel& panel;
        PanelHost& host;
        FormView& view;
        SystemInfo& system;
        Profile& profile;
        Notifier& notifier;
        // The settings refresh and the start-up read-back of WIN.INI and
        // SYSTEM.INI (given the Windows directory).
        std::function<void()> refresh;
        std::function<void(const std::string&)> read_back;
    };

    explicit MainTarvex(Pieces pieces) : p_(std::move(pieces)) {}

    void Load();

    const std::string& help_file() const { return help_file_; }
    const std::string& windows_dir() const { return windows_dir_; }
    const std::string& system_dir() const { return system_dir_; }

private:
    std::vector<std::function<void()>> LoadSteps();

    Pieces p_;
    bool ended_ = false;
    std::string help_file_;
    std::string windows_dir_;
    std::string system_dir_;
};

constexpr const char* kUnknownUser = "Unknown User";
constexpr const char* kAlreadyRunning = "Tarvex is already running";

}  // namespace tarvex
