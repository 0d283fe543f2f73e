#include "platform/win32/Win32CheckBox.h"

#include "platform/win32/Bug.h"

namespace pw::win32 {

Win32CheckBox::Win32CheckBox(Win32Form& form, const ControlLayout& layout, int id)
    : Win32TextCtl(form, layout, id, L"BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX) {}

bool Win32CheckBox::checked() const {
    return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32CheckBox::setChecked(bool checked) {
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32CheckBox::notify(WORD code) {
    if (code == BN_CLICKED && Click) Guarded(Click);
}

}  // namespace pw::win32
