#include "platform/win32/Win32Button.h"

#include "platform/win32/Bug.h"

namespace pw::win32 {

Win32Button::Win32Button(Win32Form& form, const ControlLayout& layout, int id)
    : Win32TextCtl(
          form, layout, id, L"BUTTON",
          WS_TABSTOP | ((layout.style & StyleDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON)) {}

void Win32Button::notify(WORD code) {
    if (code == BN_CLICKED && Click) Guarded(Click);
}

}  // namespace pw::win32
