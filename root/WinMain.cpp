// The composition root: the one place that knows both the presenters and the real platform.
#include <windows.h>
#include <commctrl.h>

#include <exception>
#include <string>

#include "app/AppState.h"
#include "app/Main.h"
#include "platform/Identity.h"
#include "platform/Platform.h"
#include "platform/win32/Bug.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Files.h"
#include "platform/win32/Win32Services.h"
#include "platform/win32/Win32Shell.h"
#include "platform/win32/Win32Ui.h"

namespace {

int Run(HINSTANCE instance) {
    pw::win32::Win32Ui ui(instance);
    pw::win32::Win32Registry registry;
    pw::win32::Win32Clipboard clipboard;
    pw::win32::Win32InstanceLock lock;
    pw::win32::Win32NotifyIcon notifyIcon(instance);
    pw::win32::Win32Sound sound;
    pw::win32::Win32Files files;
    pw::win32::Win32AnsiCodePage codePage;
    pw::win32::Win32FileDialog fileDialog;
    pw::win32::Win32Shell shell;
    pw::Platform platform{ui,
                          registry,
                          clipboard,
                          lock,
                          notifyIcon,
                          sound,
                          files,
                          codePage,
                          fileDialog,
                          shell,
                          pw::win32::ProgramFolder(),
                          pw::win32::KnownSystemFolders()};
    pw::AppState state;
    pw::Main main(state, platform);
    if (!main.Form_Initialize()) return 0;
    return ui.run();
}

int StartFailed(const char* what) {
    pw::win32::TraceError(what);
    std::wstring text = L"PenWick 无法启动。\n\n";
    for (const char* p = what; *p; ++p)
        text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
    const std::u16string title(pw::kProductName);
    MessageBoxW(nullptr, text.c_str(), pw::win32::W(title), MB_OK | MB_ICONERROR);
    return 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_BAR_CLASSES | ICC_UPDOWN_CLASS |
                                             ICC_TAB_CLASSES | ICC_WIN95_CLASSES};
    InitCommonControlsEx(&icc);
    try {
        return Run(instance);
    } catch (const std::exception& e) {
        return StartFailed(e.what());
    } catch (...) {
        return StartFailed("unknown exception");
    }
}
