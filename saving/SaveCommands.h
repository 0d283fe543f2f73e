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
    // Asks for a file and writes panel n to it; with remove, the panel goes under DelSaved.
    void SaveOne(int n, bool remove);

  private:
    void AppendAll();
    void QuickSaveAll();
    void SaveEach();
    bool ShowSave();
    bool WritePanelFile(int n, const std::u16string& path);
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
    // One per panel of a one-dialog-per-panel run: its file was not written (cancelled or
    // failed).
    std::vector<bool> SaveCancelled;
    std::string buffer_;
};

}  // namespace pw
