#pragma once
#include <windows.h>

#include <string>

#include "platform/Clipboard.h"
#include "platform/InstanceLock.h"
#include "platform/NotifyIcon.h"
#include "platform/Registry.h"
#include "platform/SystemFolders.h"
#include "platform/win32/Owned.h"

namespace pw::win32 {

class Win32Registry : public Registry {
  public:
    std::optional<RegValue> query(RegRoot root, std::u16string_view subkey,
                                  std::u16string_view name) const override;
    std::vector<std::optional<RegValue>> queryAll(
        RegRoot root, std::u16string_view subkey,
        std::span<const std::u16string_view> names) const override;
    bool setString(RegRoot root, std::u16string_view subkey, std::u16string_view name,
                   std::u16string_view text) override;
    bool deleteValue(RegRoot root, std::u16string_view subkey, std::u16string_view name) override;
};

class Win32Clipboard : public Clipboard {
  public:
    Win32Clipboard();
    std::optional<ClipboardText> read() override;
    std::uint32_t sequenceNumber() const override;

  private:
    UINT excludeFormat_;
    UINT historyFormat_;
};

class Win32NotifyIcon : public NotifyIcon {
  public:
    explicit Win32NotifyIcon(HINSTANCE instance);
    bool notify(NotifyAction action, const TrayIconData& data) override;
    std::uint32_t taskbarCreatedMessage() const override { return taskbarCreated_; }

  private:
    HICON icon(int which);

    HINSTANCE instance_;
    OwnedIcon icons_[3];  // loaded when first shown: start-up does without them
    UINT taskbarCreated_;
};

class Win32Sound : public Sound {
  public:
    void playAsync(const std::u16string& path) override;
};

class Win32InstanceLock : public InstanceLock {
  public:
    bool acquire() override;

  private:
    OwnedHandle mutex_;
};

// The folder of the running executable: no trailing backslash except for a drive root.
std::u16string ProgramFolder();
SystemFolders KnownSystemFolders();

}  // namespace pw::win32
