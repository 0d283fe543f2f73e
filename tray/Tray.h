#pragma once
// The notification-area icon and the hook on the main window that hears its clicks.
#include <cstdint>
#include <functional>

#include "platform/Form.h"
#include "platform/NotifyIcon.h"
#include "settings/Settings.h"

namespace pw {

class Tray {
  public:
    static constexpr std::uint32_t kIconId = 61860;
    static constexpr std::uint32_t kCallbackMessage = 1066;  // WM_USER + 42

    Tray(Form& form, NotifyIcon& icon, const Settings& settings,
         std::function<void()> showMainWindow);

    void AddTrayIcon();
    void RemoveTrayIcon();
    void UpdateTrayIcon();
    void Hook();
    void Unhook();
    void WindowProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    // The program icon while watching is on, the paused icon otherwise.
    TrayPicture StateIcon() const;
    // The capture alert swaps the picture itself.
    TrayIconData& TrayIconRecord() { return data_; }
    void Modify();

  private:
    Form& form_;
    NotifyIcon& icon_;
    const Settings& settings_;
    std::function<void()> showMainWindow_;
    TrayIconData data_;
    bool shown_ = false;
};

}  // namespace pw
