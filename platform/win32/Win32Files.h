#pragma once
#include <windows.h>

#include "platform/AnsiCodePage.h"
#include "platform/FileDialog.h"
#include "platform/Files.h"

namespace pw::win32 {

// Writes go to a temporary file beside the target, flushed, then moved over the target.
class Win32Files : public Files {
  public:
    bool exists(std::u16string_view path) const override;
    std::optional<std::string> read(std::u16string_view path) const override;
    bool replace(std::u16string_view path, std::string_view bytes) override;
};

class Win32AnsiCodePage : public AnsiCodePage {
  public:
    std::optional<std::string> encode(std::u16string_view text) const override;
    std::optional<std::u16string> decode(std::string_view bytes) const override;
};

class Win32FileDialog : public FileDialog {
  public:
    std::optional<std::u16string> show(Form* owner, const FileDialogRequest& request) override;
};

}  // namespace pw::win32
