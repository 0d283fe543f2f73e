#include "app/FindCommands.h"

#include <utility>

#include "find/PanelSearch.h"
#include "platform/Identity.h"

namespace pw {

FindCommands::FindCommands(Ui& ui, PanelStore& panels, MainParts main)
    : ui_(ui), panels_(panels), main_(std::move(main)) {}

FindCommands::~FindCommands() = default;

void FindCommands::EditFind_Click() {
    if (DialogOpen()) {
        dialog_->Activate();
        return;
    }
    std::u16string text = SelectedLine();
    if (text.empty()) text = lastSearch_;
    dialog_ =
        std::make_unique<FindDialog>(ui_, main_.window, text, options_,
                                     [this](const std::u16string& search, FindOptions options) {
                                         lastSearch_ = search;
                                         options_ = options;
                                         FindNext(&dialog_->form());
                                     });
}

void FindCommands::EditFindNext_Click() {
    if (lastSearch_.empty())
        EditFind_Click();
    else
        FindNext(&main_.window);
}

void FindCommands::Unload() {
    if (dialog_) dialog_->Close();
}

// The selection in the panel on show where it lies within one line; empty otherwise.
std::u16string FindCommands::SelectedLine() const {
    const Selection s = main_.content.selection();
    const std::u16string& text = panels_.currentText();
    if (s.length == 0 || s.start >= text.size()) return {};
    std::u16string selected = text.substr(s.start, s.length);
    if (selected.find_first_of(u"\r\n") != std::u16string::npos) return {};
    return selected;
}

// owner: the window the search was asked from, which has the focus afterwards.
void FindCommands::FindNext(Form* owner) {
    const Selection s = main_.content.selection();
    const auto found =
        FindNextInPanels(panels_, s.start + s.length, TextSearch(lastSearch_, options_));
    if (!found) {
        ui_.messageBox(owner, u"找不到“" + lastSearch_ + u"”", kProductName, MsgIcon::Exclamation,
                       MsgButtons::Ok);
        return;
    }
    if (found->panel != panels_.current()) {
        panels_.setCurrent(found->panel);
        main_.showPanel();
    }
    main_.content.select(found->start, found->length);
    // Paging gives the text box the focus; a search from the dialog goes on from there.
    if (owner != &main_.window) owner->setFocus();
}

}  // namespace pw
