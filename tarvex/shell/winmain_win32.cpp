// Tarvex: the splash, then the hidden main form behind its tray icon.
#include <windows.h>

#include <commctrl.h>

#include "tarvex/refresh/refresh.h"
#include "tarvex/shell/main_form_win32.h"
#include "tarvex/shell/splash_win32.h"
#include "tarvex/shell/system_win32.h"
#include "tarvex/store/notice_win32.h"
#include "tarvex/store/options.h"
#include "tarvex/store/profile.h"
#include "tarvex/store/profile_win32.h"
#include "tarvex/store/registry.h"
#include "tarvex/store/registry_win32.h"

using namespace tarvex;

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    InitCommonControls();  // tool tips

    Win32RegistryApi registry_api;
    Registry registry(registry_api);
    Options options(registry);
    Win32ProfileApi profile_api;
    Profile profile(profile_api);
    Win32Notifier notifier;
    Win32SystemInfo system;

    {
        SplashWindow splash(notifier);
        if (!splash.Run(SplashModeFor(options.Get(kOptionLogo)))) return 0;
    }

    MainFormWindow form;
    notifier.SetOwner(form.form());
    Panel panel(form, form.menu(), options);
    form.Attach(panel);
    MainTarvex main_form({panel, form, form, system, profile, notifier,
                          [&] { RefreshTarvex(form.menu(), options); }, nullptr});
    main_form.Load();
    return form.Run();
}
