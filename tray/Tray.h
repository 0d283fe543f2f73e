#pragma once
// The notification-area icon and the hook on the main window that hears its clicks.
#include <cstdint>
#include <functional>
#include <string>

#include "platform/Form.h"
#include "platform/NotifyIcon.h"
#include "settings/Settings.h"

namespace pw {

class Tray {
  public:
    // `menuName` is the window's top-level menu that the right button pops up.
    Tray(Form& form, NotifyIcon& icon, const Settings& settings, std::u16string tip,
         std::string menuName, std::function<void()> showMainWindow);

    void AddTrayIcon();
    void RemoveTrayIcon();
    void UpdateTrayIcon();
    void Hook();
    void Unhook();
    void WindowProc(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam);

    // The program icon while watching is on, the paused icon otherwise.
    TrayPicture StateIcon() const;
    // Shows a picture without touching the state it stands for (the capture alert's blinks).
    void ShowPicture(TrayPicture picture);

  private:
    Form& form_;
    NotifyIcon& icon_;
    const Settings& settings_;
    std::string menuName_;
    std::function<void()> showMainWindow_;
    TrayIconData data_;
    bool shown_ = false;
};

}  // namespace pw
