#pragma once
#include <memory>
#include <string>

#include "help/Velmora.h"
#include "help/frmAbout.h"
#include "platform/Ui.h"

namespace pw {

// The Help menu's commands, and the one About dialog that the tray menu opens too.
class HelpCommands {
  public:
    HelpCommands(Ui& ui, Shell& shell, std::u16string programFolder, Form& main);
    ~HelpCommands();

    void HelpContent_Click();
    void HelpReadMe_Click();
    void HelpWeb_Click() { velmora_.OpenWebPage(&main_); }
    void HelpMail_Click() { velmora_.OpenMail(&main_); }
    // Opens the About dialog without waiting for it; while it is open this does nothing.
    void HelpAbout_Click();
    // The program ends: an open About dialog goes without touching the focus.
    void Unload();

  private:
    Ui& ui_;
    const Velmora velmora_;
    Form& main_;
    const std::u16string helpFile_;
    std::unique_ptr<frmAbout> about_;
};

}  // namespace pw
