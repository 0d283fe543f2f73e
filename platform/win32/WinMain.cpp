#include <windows.h>
#include <commctrl.h>

#include "app/AppState.h"
#include "app/Main.h"
#include "platform/Platform.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Ui.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                             ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    try {
        pw::win32::Win32Ui ui(instance);
        pw::win32::Win32Registry registry;
        pw::win32::Win32Clipboard clipboard;
        pw::win32::Win32InstanceLock lock;
        pw::win32::Win32NotifyIcon notifyIcon(instance);
        pw::win32::Win32Sound sound;
        pw::Platform platform{
            ui, registry, clipboard, lock, notifyIcon, sound, pw::win32::ProgramFolder()};
        pw::AppState state;
        pw::Main main(state, platform);
        if (!main.Form_Initialize()) return 0;
        return ui.run();
    } catch (...) {
        return 1;
    }
}
