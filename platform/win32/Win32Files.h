#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

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
    bool encode(std::u16string_view text, std::string& out) const override;
    std::optional<std::u16string> decode(std::string_view bytes) const override;

  private:
    // Code page bytes of each UTF-16 unit (a lead byte in the high half); built at first use.
    static constexpr std::uint16_t kNone = 0xFFFF;
    const std::vector<std::uint16_t>& Table() const;
    mutable std::vector<std::uint16_t> table_;
    mutable bool tableTried_ = false;
};

class Win32FileDialog : public FileDialog {
  public:
    std::optional<std::u16string> show(Form* owner, const FileDialogRequest& request) override;
};

}  // namespace pw::win32
