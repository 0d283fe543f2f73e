#include "tray/Tray.h"

#include "app/MainLayout.h"

namespace pw {

namespace {

constexpr std::intptr_t kLeftDoubleClick = 0x0203;  // WM_LBUTTONDBLCLK
constexpr std::intptr_t kRightButtonDown = 0x0204;  // WM_RBUTTONDOWN

}  // namespace

Tray::Tray(Form& form, NotifyIcon& icon, const Settings& settings,
           std::function<void()> showMainWindow)
    : form_(form), icon_(icon), settings_(settings), showMainWindow_(std::move(showMainWindow)) {}

TrayPicture Tray::StateIcon() const {
    return settings_.GetClip ? TrayPicture::Program : TrayPicture::Paused;
}

void Tray::AddTrayIcon() {
    data_.hWnd = &form_;
    data_.uFlags = 7;
    data_.uCallbackMessage = kCallbackMessage;
    data_.hIcon = StateIcon();
    data_.uID = kIconId;
    data_.szTip = kProductName;
    icon_.notify(NotifyAction::Add, data_);
    shown_ = true;
    Hook();
}

void Tray::RemoveTrayIcon() {
    Unhook();
    icon_.notify(NotifyAction::Delete, data_);
    shown_ = false;
}

void Tray::UpdateTrayIcon() {
    data_.hIcon = StateIcon();
    Modify();
}

void Tray::Modify() { icon_.notify(NotifyAction::Modify, data_); }

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
    if (wParam != kIconId) return;
    if (lParam == kLeftDoubleClick) {
        showMainWindow_();
    } else if (lParam == kRightButtonDown) {
        form_.popupMenu("mnuTray");
    }
}

}  // namespace pw
