#pragma once
#include <memory>
#include <string>

#include "help/Velmora.h"
#include "platform/DialogForm.h"
#include "platform/Identity.h"

namespace pw {

// "版本：1.10，第31次编译": the minor number in two digits, the build in plain digits.
std::u16string VersionLabel(const ProgramVersion& version);

const FormLayout& AboutFormLayout();

// The About dialog: modeless, centred, with the maker's addresses as hover links.
class frmAbout : public DialogForm {
  public:
    // Opens the dialog; it stays open until it is closed.
    frmAbout(Ui& ui, const Velmora& velmora, Form& main, const ProgramVersion& version = {});

  private:
    void WireEvents();
    void Form_Load() override;
    void Hover(const Link* over);
    void cmdOK_Click();

    const Velmora& velmora_;
    const ProgramVersion version_;
    Button& cmdOK_;
    Label& lblVersion_;
    Link& lblMail_;
    Link& lblHttp_;
};

}  // namespace pw
