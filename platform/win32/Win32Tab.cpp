#include "platform/win32/Win32Tab.h"

#include <commctrl.h>

#include <string>

#include "platform/win32/Wide.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

Win32Tab::Win32Tab(Win32Form& form, const ControlLayout& layout, int id)
    : Win32Ctl(form, layout, id, WC_TABCONTROLW, WS_TABSTOP | WS_CLIPSIBLINGS) {}

void Win32Tab::created() {
    int index = 0;
    for (const ControlLayout& c : form_.layout().controls) {
        if (c.kind != ControlKind::TabPage || c.container != layout_.name) continue;
        std::u16string caption(c.caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(W(caption));
        SendMessageW(hwnd_, TCM_INSERTITEMW, static_cast<WPARAM>(index++),
                     reinterpret_cast<LPARAM>(&item));
    }
}

int Win32Tab::page() const { return static_cast<int>(SendMessageW(hwnd_, TCM_GETCURSEL, 0, 0)); }

void Win32Tab::setPage(int page) {
    SendMessageW(hwnd_, TCM_SETCURSEL, static_cast<WPARAM>(page), 0);
    form_.showPages();
}

void Win32Tab::step(int delta) {
    const int count = static_cast<int>(SendMessageW(hwnd_, TCM_GETITEMCOUNT, 0, 0));
    if (count <= 0) return;
    setPage(((page() + delta) % count + count) % count);
}

bool Win32Tab::notify(const NMHDR& header, LRESULT& result) {
    if (header.code != TCN_SELCHANGE) return false;
    form_.showPages();
    result = 0;
    return true;
}

}  // namespace pw::win32
