#pragma once
#include <cstdint>
#include <string>

namespace pw {

enum class TrayPicture { Program, Paused, Alert };
enum class NotifyAction { Add, Modify, Delete };

// The program's record of its notification-area icon.
class Form;

struct TrayIconData {
    Form* hWnd = nullptr;  // the window that hears the icon's clicks
    std::uint32_t uID = 0;
    std::uint32_t uFlags = 7;  // message, icon and tip, on every call
    std::uint32_t uCallbackMessage = 0;
    TrayPicture hIcon = TrayPicture::Program;
    std::u16string szTip;
};

class NotifyIcon {
  public:
    virtual ~NotifyIcon() = default;
    virtual bool notify(NotifyAction action, const TrayIconData& data) = 0;
    // The message the shell broadcasts when the notification area has been re-created.
    virtual std::uint32_t taskbarCreatedMessage() const = 0;
};

class Sound {
  public:
    virtual ~Sound() = default;
    // Starts playing and returns at once; a file that cannot be played gives the system's
    // default sound.
    virtual void playAsync(const std::u16string& path) = 0;
};

}  // namespace pw
