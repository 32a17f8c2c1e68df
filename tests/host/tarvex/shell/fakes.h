// In-memory stand-ins for the main form, shared by the shell tests.
#pragma once
#include <optional>
#include <string>
#include <vector>

#include "tarvex/shell/main_form.h"
#include "tarvex/shell/panel.h"

namespace tarvex {

// Records what the panel asks of its host, in order.
class FakeHost : public PanelHost {
public:
    std::vector<std::string> log;
    bool visible = false;
    TrayIcon icon = TrayIcon::Hidden;
    bool shell_has_icon = false;
    bool taskbar_exists = true;
    bool retry_timer = false;
    std::vector<TrayRecord> records;

    bool FormVisible() override { return visible; }
    void SetFormVisible(bool v) override { visible = v; log.push_back(v ? "show" : "hide"); }
    void FocusForm() override { log.push_back("focus"); }
    TrayIcon FormIcon() override { return icon; }
    void SetFormIcon(TrayIcon i) override {
        icon = i;
        log.push_back(i == TrayIcon::Shown ? "icon shown" : "icon hidden");
    }
    bool NotifyTray(TrayOp op, const TrayRecord& record) override {
        records.push_back(record);
        const char* names[] = {"add", "modify", "delete"};
        log.push_back(std::string("tray ") + names[static_cast<int>(op)]);
        bool ok = false;
        switch (op) {
        case TrayOp::Add: ok = taskbar_exists && !shell_has_icon; if (ok) shell_has_icon = true; break;
        case TrayOp::Modify: ok = taskbar_exists && shell_has_icon; break;
        case TrayOp::Delete: ok = shell_has_icon; shell_has_icon = false; break;
        }
        return ok;
    }
    void SetTrayRetryTimer(bool running) override {
        retry_timer = running;
        log.push_back(running ? "timer on" : "timer off");
    }
    void OpenPopup(MenuItem default_item) override { log.push_back(std::string("popup ") + kMenuTree[default_item].name); }
    void UnloadForm() override { log.push_back("unload"); }
    void EndProgram() override { log.push_back("end"); }
};

class FakeView : public FormView {
public:
    std::vector<std::pair<Control, std::string>> texts;
    std::vector<std::string> lines;
    std::vector<std::string> files;
    std::optional<std::string> Text(Control c) const {
        for (auto it = texts.rbegin(); it != texts.rend(); ++it)
            if (it->first == c) return it->second;
        return std::nullopt;
    }
    void SetText(Control c, const std::string& t) override { texts.emplace_back(c, t); }
    void AddListLine(const std::string& line) override { lines.push_back(line); }
    void SetFileList(const std::vector<std::string>& names) override { files = names; }
};

class FakeSystem : public SystemInfo {
public:
    OsVersion version{1, 4, 10, 0x040A08AE};
    std::string separator = ".";
    std::optional<std::string> user = std::string("Ada");
    bool another = false;
    std::vector<std::string> dir_files;
    std::string listed_dir;
    OsVersion Version() override { return version; }
    std::string DecimalSeparator() override { return separator; }
    std::optional<std::string> UserName(std::size_t) override { return user; }
    bool AnotherInstanceRunning() override { return another; }
    std::vector<std::string> DirectoryFiles(const std::string& dir) override {
        listed_dir = dir;
        return dir_files;
    }
};

class RecordingNotifier : public Notifier {
public:
    std::vector<Notice> shown;
    void Show(const Notice& n) override { shown.push_back(n); }
};

}  // namespace tarvex
