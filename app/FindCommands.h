#pragma once
#include <functional>
#include <memory>
#include <string>

#include "app/FindDialog.h"
#include "find/TextSearch.h"
#include "panels/PanelStore.h"
#include "platform/Ui.h"

namespace pw {

// Find and Find next of the Edit menu: the last search and its options live from one opening
// of the dialog to the next, for the whole run.
class FindCommands {
  public:
    struct MainParts {
        Form& window;
        TextBox& content;
        std::function<void()> showPanel;
    };

    FindCommands(Ui& ui, PanelStore& panels, MainParts main);
    ~FindCommands();
    FindCommands(const FindCommands&) = delete;
    FindCommands& operator=(const FindCommands&) = delete;

    // Opens the dialog, or goes back to the open one.
    void EditFind_Click();
    // Searches again for the last text; without one it opens the dialog.
    void EditFindNext_Click();
    // The main window hides or the program ends: an open dialog goes with it, without touching
    // the focus.
    void Unload();

  private:
    bool DialogOpen() const { return dialog_ && dialog_->open(); }
    std::u16string SelectedLine() const;
    void FindNext(Form* owner);

    Ui& ui_;
    PanelStore& panels_;
    MainParts main_;
    std::u16string lastSearch_;
    FindOptions options_;
    // Kept after its window closes, until the next opening or the end: it cannot go away inside
    // its own events.
    std::unique_ptr<FindDialog> dialog_;
};

}  // namespace pw
