#include "platform/win32/Win32Picture.h"

#include "platform/Twips.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

namespace {

constexpr int kProgramIconId = 1;  // resources/PWick.rc.in

}  // namespace

void Win32Picture::applyDpi() {
    const int size = PixelsFromTwips(bounds_.width, form_.dpi());
    // The new icon is shown before the old one goes.
    OwnedIcon icon(static_cast<HICON>(LoadImageW(
        GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON, size, size, 0)));
    SendMessageW(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(icon.get()), 0);
    icon_ = std::move(icon);
    Win32Child::applyDpi();
}

}  // namespace pw::win32
