#pragma once
// The system's modal dialogs that choose a file to save or to open.
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace pw {

class Form;

struct FileDialogRequest {
    bool save = true;  // false: the open dialog
    std::u16string title;
    // Pairs of a description and a pattern; the first pair is selected.
    std::vector<std::pair<std::u16string, std::u16string>> filter;
    std::u16string fileName;  // preset name, may be empty
    std::u16string initialFolder;
    bool promptReplace = false;  // save: ask before an existing file is replaced
    bool mustExist = false;      // open: accept only an existing file
};

class FileDialog {
  public:
    virtual ~FileDialog() = default;
    // The full path chosen; nullopt when the user cancels or the dialog fails.
    virtual std::optional<std::u16string> show(Form* owner, const FileDialogRequest& request) = 0;
};

}  // namespace pw
