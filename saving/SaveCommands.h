#pragma once
// Saving panels to text files: the panel on show (F2) and all panels (Ctrl+S) in the mode
// the settings choose. A file is either written whole or left as it was; a panel is removed
// under DelSaved only when its file was written.
#include <functional>
#include <utility>
#include <string>
#include <vector>

#include "panels/PanelStore.h"
#include "platform/AnsiCodePage.h"
#include "platform/FileDialog.h"
#include "platform/Files.h"
#include "platform/Ui.h"
#include "saving/Dialog.h"
#include "settings/Settings.h"

namespace pw {

struct SaveServices {
    Ui& ui;
    Files& files;
    const AnsiCodePage& codePage;
    FileDialog& dialogs;
};

class SaveCommands {
  public:
    // Boxes and dialogs belong to owner (may be null); showPanel refreshes the display after
    // the panels changed.
    SaveCommands(PanelStore& panels, Settings& settings, Form* owner, const SaveServices& services,
                 std::function<void()> showPanel);

    void SaveCurrent_Click();
    void SaveAll_Click();
    // Asks for a file and writes panel n to it, in the mode of the command that runs it; with
    // remove, the panel goes under DelSaved.
    void SaveOne(int n, bool remove);

  private:
    // Options applied while a dialog is open do not change a command already running.
    void TakeMode();
    void AppendAll();
    void QuickSaveAll();
    void SaveEach();
    bool ShowSave();
    bool WritePanelFile(int n, const std::u16string& path);
    // Runs write; a failure in it, an exception included, is reported for the file.
    bool Written(const std::u16string& path, const std::function<bool()>& write);
    // Writes the text and a final line end, after the old content in append mode.
    bool WriteFile(const std::u16string& path, std::u16string_view text);
    bool Unwritten(const std::u16string& path);
    // Removes panels 1..saved.size() whose flag is set; panels added meanwhile stay.
    void RemoveSaved(const std::vector<bool>& saved);

    PanelStore& panels_;
    Settings& settings_;
    Form* owner_;
    SaveServices os_;
    std::function<void()> showPanel_;
    Dialog dialog_;
    // AddSave and DelSaved as the running command took them.
    bool append_ = false;
    bool delSaved_ = false;
    // One per panel of a one-dialog-per-panel run: its file was not written (cancelled or
    // failed).
    std::vector<bool> SaveCancelled;
    std::string buffer_;
};

}  // namespace pw
