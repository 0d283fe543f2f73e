#pragma once
#include <memory>
#include <string>

#include "help/Velmora.h"
#include "platform/Ui.h"
#include "platform/Identity.h"

namespace pw {

// "版本：1.10，第31次编译": the minor number in two digits, the build in plain digits.
std::u16string VersionLabel(const ProgramVersion& version);

const FormLayout& AboutFormLayout();

// The About dialog: modeless, centred, with the maker's addresses as hover links.
class frmAbout {
  public:
    frmAbout(Ui& ui, const Velmora& velmora, Form& main, const ProgramVersion& version = {});

    // Shows the dialog; it stays open until it is closed.
    void Form_Load();
    bool open() const { return loaded_ && !unloaded_; }
    Form& form() { return *form_; }

  private:
    void WireEvents();
    void Centre();
    void Hover(const Control* over);
    void cmdOK_Click();
    void Form_QueryUnload(bool& cancel, UnloadMode mode);

    Ui& ui_;
    const Velmora& velmora_;
    Form& main_;
    const ProgramVersion version_;
    std::unique_ptr<Form> form_;
    Control& lblMail_;
    Control& lblHttp_;
    bool loaded_ = false;
    bool unloaded_ = false;
};

}  // namespace pw
