#pragma once
#include <functional>

#include "panels/PanelStore.h"
#include "platform/DialogForm.h"

namespace pw {

// The go-to-panel dialog: the user picks a panel by its number. It is an ordinary window that
// acts as a modal one: the main window takes no input while it is open.
class PanelNum : public DialogForm {
  public:
    // Opens the dialog and disables the main window until it closes.
    PanelNum(Ui& ui, Form& mainWindow, PanelStore& panels, std::function<void()> showPanel);

  private:
    void WireEvents();
    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    void txtNum_Change();
    void txtNum_GotFocus();
    void txtNum_KeyPress(char16_t& key);
    void txtNum_LostFocus();
    void UpDown_Change();
    void BringIntoRange();
    void SelectNumber();

    PanelStore& panels_;
    std::function<void()> showPanel_;
    TextBox& txtNum_;
    UpDown& upDown_;
    Label& lblTotal_;
    Button& Command1_;
    Button& Command2_;
    // PanelCount when the dialog opened: it bounds every later clamp.
    int count_;
};

}  // namespace pw
