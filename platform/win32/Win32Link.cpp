#include "platform/win32/Win32Link.h"

#include "platform/win32/Bug.h"

namespace pw::win32 {

namespace {

constexpr int kHandCursorId = 101;  // resources/PWick.rc.in

}  // namespace

void Win32Link::setUnderline(bool underline) {
    if (underline == underline_) return;
    underline_ = underline;
    applyDpi();
}

void Win32Link::notify(WORD code) {
    if (code == STN_CLICKED && Click) Guarded(Click);
}

// The program's own pointing hand, loaded once and shared by every link.
HCURSOR Win32Link::HandCursor() {
    static const HCURSOR hand = [] {
        HCURSOR c = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kHandCursorId));
        return c ? c : LoadCursorW(nullptr, IDC_HAND);
    }();
    return hand;
}

}  // namespace pw::win32
