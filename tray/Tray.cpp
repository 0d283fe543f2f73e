#include "tray/Tray.h"

#include "platform/Identity.h"

namespace pw {

namespace {

constexpr std::intptr_t kLeftDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
constexpr std::intptr_t kRightButtonDown = 0x0204;  // WM_RBUTTONDOWN

}  // namespace

Tray::Tray(Form& form, NotifyIcon& icon, const Settings& settings, std::u16string tip,
           std::string menuName, std::function<void()> showMainWindow)
    : form_(form),
      icon_(icon),
      settings_(settings),
      menuName_(std::move(menuName)),
      showMainWindow_(std::move(showMainWindow)) {
    data_.hWnd = &form_;
    data_.uFlags = 7;
    data_.uCallbackMessage = kTrayCallbackMessage;
    data_.uID = kTrayIconId;
    data_.szTip = std::move(tip);
}

TrayPicture Tray::StateIcon() const {
    return settings_.GetClip ? TrayPicture::Program : TrayPicture::Paused;
}

void Tray::AddTrayIcon() {
    data_.hIcon = StateIcon();
    icon_.notify(NotifyAction::Add, data_);
    shown_ = true;
    Hook();
}

void Tray::RemoveTrayIcon() {
    Unhook();
    icon_.notify(NotifyAction::Delete, data_);
    shown_ = false;
}

void Tray::UpdateTrayIcon() { ShowPicture(StateIcon()); }

void Tray::ShowPicture(TrayPicture picture) {
    data_.hIcon = picture;
    icon_.notify(NotifyAction::Modify, data_);
}

void Tray::Hook() {
    form_.hookMessages([this](std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
        WindowProc(message, wParam, lParam);
    });
}

void Tray::Unhook() { form_.unhookMessages(); }

void Tray::WindowProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
    // Explorer restarted: without the icon again a hidden window could never be reached.
    const std::uint32_t recreated = icon_.taskbarCreatedMessage();
    if (recreated != 0 && message == recreated && shown_) {
        icon_.notify(NotifyAction::Add, data_);
        return;
    }
    // Only the icon's own message counts: another message that happens to carry the icon's
    // number in wParam must not show the window or pop up the menu.
    if (message != kTrayCallbackMessage || wParam != kTrayIconId) return;
    if (lParam == kLeftDoubleClick) {
        showMainWindow_();
    } else if (lParam == kRightButtonDown) {
        form_.popupMenu(menuName_);
    }
}

}  // namespace pw
