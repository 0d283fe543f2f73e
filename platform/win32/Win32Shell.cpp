#include "platform/win32/Win32Shell.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/Bug.h"
#include "platform/win32/SystemDll.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

Win32Shell::~Win32Shell() {
    if (!comReady_) return;
    static auto* const uninitialize =
        SystemFunction<decltype(CoUninitialize)>(L"ole32.dll", "CoUninitialize");
    if (uninitialize) uninitialize();
}

void Win32Shell::open(Form* owner, std::u16string_view target, std::u16string_view folder) {
    HWND ownerHwnd = nullptr;
    if (auto* form = dynamic_cast<Win32Form*>(owner)) ownerHwnd = form->hwnd();
    const std::u16string file(target), directory(folder);
    static auto* const initialize =
        SystemFunction<decltype(CoInitializeEx)>(L"ole32.dll", "CoInitializeEx");
    static auto* const execute =
        SystemFunction<decltype(ShellExecuteW)>(L"shell32.dll", "ShellExecuteW");
    if (!comReady_ && initialize)
        comReady_ =
            SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE));
    if (!execute) {
        TraceError("the shell cannot be reached");
        return;
    }
    execute(ownerHwnd, nullptr, W(file), nullptr, W(directory), SW_SHOWMAXIMIZED);
}

}  // namespace pw::win32
