#pragma once
#include <functional>
#include <memory>
#include <string>

#include "find/TextSearch.h"
#include "platform/Form.h"
#include "platform/Ui.h"

namespace pw {

const FormLayout& FindFormLayout();

// The find dialog: modeless, in front of the main window, one at a time. Its button hands the
// text and the options to whoever searches; the dialog stays open for the next search.
class FindDialog {
  public:
    using Search = std::function<void(const std::u16string& text, FindOptions options)>;

    // Opens the dialog with the text to look for (selected) and the options.
    FindDialog(Ui& ui, Form& main, const std::u16string& text, FindOptions options,
               Search findNext);
    FindDialog(const FindDialog&) = delete;
    FindDialog& operator=(const FindDialog&) = delete;

    bool open() const { return open_; }
    Form& form() { return *form_; }
    // Back to the dialog, its text selected for typing over.
    void Activate();
    // The main window's unload: the dialog goes without touching the focus.
    void Close();

  private:
    void WireEvents();
    void CentreOnScreen();
    void txtFind_Change();
    void cmdFindNext_Click();
    void cmdCancel_Click();

    Ui& ui_;
    Form& main_;
    Search findNext_;
    std::unique_ptr<Form> form_;
    Control& txtFind_;
    Control& chkCase_;
    Control& chkSameForm_;
    Control& cmdFindNext_;
    bool open_ = false;
};

}  // namespace pw
