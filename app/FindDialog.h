#pragma once
#include <functional>
#include <string>

#include "find/TextSearch.h"
#include "platform/DialogForm.h"

namespace pw {

const FormLayout& FindFormLayout();

// The find dialog: modeless, in front of the main window, one at a time. Its button hands the
// text and the options to whoever searches; the dialog stays open for the next search.
class FindDialog : public DialogForm {
  public:
    using Search = std::function<void(const std::u16string& text, FindOptions options)>;

    // Opens the dialog with the text to look for (selected) and the options.
    FindDialog(Ui& ui, Form& main, std::u16string text, FindOptions options, Search findNext);

    // Back to the dialog, its text selected for typing over.
    void Activate();

  private:
    void WireEvents();
    void Form_Load() override;
    void txtFind_Change();
    void cmdFindNext_Click();

    Search findNext_;
    const std::u16string text_;
    const FindOptions options_;
    TextBox& txtFind_;
    CheckBox& chkCase_;
    CheckBox& chkSameForm_;
    Button& cmdFindNext_;
    Button& cmdCancel_;
};

}  // namespace pw
