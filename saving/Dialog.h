#pragma once
// The file dialog as its callers use it: set the members, show, read FileName back.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/FileDialog.h"

namespace pw {

class Dialog {
  public:
    static constexpr std::int32_t cdlOFNOverwritePrompt = 2;
    static constexpr std::int32_t cdlOFNFileMustExist = 4096;

    // The filter is pairs of a description and a pattern, all separated by "|".
    Dialog(FileDialog& dialogs, Form* owner, std::u16string_view filter);

    std::u16string DialogTitle;
    // Preset name when shown; after a confirmed showing the full path chosen.
    std::u16string FileName;
    std::u16string InitDir;
    std::int32_t Flags = 0;

    // False when the user cancelled (or the dialog could not be shown); FileName is then
    // unchanged.
    bool ShowSave() { return Show(true); }
    bool ShowOpen() { return Show(false); }

  private:
    bool Show(bool save);

    FileDialog& dialogs_;
    Form* owner_;
    FileDialogRequest request_;
};

}  // namespace pw
