#include "platform/win32/Win32Shell.h"

#include <objbase.h>
#include <shellapi.h>

#include <string>

#include "platform/win32/Wide.h"
#include "platform/win32/Win32Forms.h"

namespace pw::win32 {

Win32Shell::Win32Shell()
    : comReady_(
          SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE))) {}

Win32Shell::~Win32Shell() {
    if (comReady_) CoUninitialize();
}

void Win32Shell::open(Form* owner, std::u16string_view target, std::u16string_view folder) {
    HWND ownerHwnd = nullptr;
    if (auto* form = dynamic_cast<Win32Form*>(owner)) ownerHwnd = form->hwnd();
    const std::u16string file(target), directory(folder);
    ShellExecuteW(ownerHwnd, nullptr, W(file), nullptr, W(directory), SW_SHOWMAXIMIZED);
}

}  // namespace pw::win32
