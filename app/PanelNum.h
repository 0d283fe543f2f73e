#pragma once
#include <functional>
#include <memory>

#include "panels/PanelStore.h"
#include "platform/Form.h"
#include "platform/Ui.h"

namespace pw {

// The go-to-panel dialog: the user picks a panel by its number. It is an ordinary window that
// acts as a modal one: the main window takes no input while it is open.
class PanelNum {
  public:
    // Opens the dialog; the main window has been disabled by its caller.
    PanelNum(Ui& ui, Form& mainWindow, PanelStore& panels, std::function<void()> showPanel);
    PanelNum(const PanelNum&) = delete;
    PanelNum& operator=(const PanelNum&) = delete;

    bool open() const { return open_; }
    // The main window's unload: the dialog goes without any of its own closing steps.
    void Close();

  private:
    void WireEvents();
    void Form_Load();
    void Form_QueryUnload(bool& cancel, UnloadMode mode);
    void Command1_Click();
    void Command2_Click();
    void txtNum_Change();
    void txtNum_GotFocus();
    void txtNum_KeyPress(char16_t& key);
    void txtNum_LostFocus();
    void UpDown_Change();
    void BringIntoRange();
    void SelectNumber();
    void CentreOnScreen();

    Ui& ui_;
    Form& main_;
    PanelStore& panels_;
    std::function<void()> showPanel_;
    std::unique_ptr<Form> form_;
    Control& txtNum_;
    Control& upDown_;
    // PanelCount when the dialog opened: it bounds every later clamp.
    int count_;
    bool open_ = false;
};

}  // namespace pw
