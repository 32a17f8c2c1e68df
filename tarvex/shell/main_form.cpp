#include "tarvex/shell/main_form.h"

#include "tarvex/shell/file_patterns.h"
#include "tarvex/shell/version.h"
#include "tarvex/store/load_errors.h"

namespace tarvex {

std::vector<std::function<void()>> MainTarvex::LoadSteps() {
    return {
        [this] { p_.host.SetFormIcon(TrayIcon::Hidden); },
        // Filling the record and adding the icon: the panel holds the record.
        [this] { p_.panel.PlaceTrayIcon(); },
        [this] {
            if (!p_.system.AnotherInstanceRunning()) return;
            p_.notifier.Show({kAlreadyRunning, kNoticeStop, kAppTitle});
            p_.panel.DeleteTrayIcon();
            ended_ = true;
            p_.host.EndProgram();
        },
        [this] { p_.view.SetText(Control::VerLabel, std::string("Version ") + kVersionText); },
        [this] { help_file_ = kHelpFile; },
        [this] {
            if (auto line = PlatformLine(p_.system.Version().platform)) p_.view.AddListLine(*line);
        },
        [this] { p_.view.AddListLine(VersionLine(p_.system.Version(), p_.system.DecimalSeparator())); },
        [this] { p_.view.AddListLine(BuildLine(p_.system.Version())); },
        [this] { windows_dir_ = p_.profile.WindowsDirectory(); },
        [this] { system_dir_ = p_.profile.SystemDirectory(); },
        [this] { if (p_.refresh) p_.refresh(); },
        [this] { if (p_.read_back) p_.read_back(windows_dir_); },
        [this] {
            p_.view.SetText(Control::Label2, "DirectX Components Installed In");
            p_.view.SetText(Control::Label12, system_dir_);
        },
        [this] { p_.view.SetFileList(ComponentFiles(p_.system.DirectoryFiles(system_dir_))); },
        [this] {
            const auto name = p_.system.UserName(kSystemBufferSize);
            p_.view.SetText(Control::Text1, name ? *name : kUnknownUser);
        },
    };
}

void MainTarvex::Load() {
    // Each step under the error handler on its own, so that an error in one
    // abandons that step only; a refused second instance ends the load.
    for (auto& step : LoadSteps()) {
        if (ended_) return;
        RunLoadSteps({step}, p_.notifier);
    }
}

}  // namespace tarvex
