#pragma once
// What every dialog of the program does, written once: it is made from its layout and opens
// centred on the screen, knows whether it is open, closes from its frame (close box, system
// menu, Alt+F4) as its named button does, gives its owner the focus back when it closes, and,
// when modal, keeps its owner disabled while it is open.
#include <memory>
#include <string_view>

#include "platform/Form.h"
#include "platform/Ui.h"

namespace pw {

class DialogForm {
  public:
    // Every dialog belongs to its owner: it stays in front of it, has no taskbar button, and
    // when it goes Windows hands the activation back to the owner. A modal one also disables
    // the owner while it is open.
    enum class Modality { Modeless, Modal };

    DialogForm(const DialogForm&) = delete;
    DialogForm& operator=(const DialogForm&) = delete;
    virtual ~DialogForm() = default;

    bool open() const { return open_; }
    Form& form() { return *form_; }
    // The program takes the dialog away (its owner unloads): none of the dialog's own closing
    // steps run, but a modal dialog lets go of its owner.
    void Close();

  protected:
    // closeButton: the button whose Click a close from the frame runs.
    DialogForm(Ui& ui, const FormLayout& layout, Form& owner, std::string_view closeButton,
               Modality modality);

    // Called at the end of the derived constructor, once the controls are wired: shows the
    // dialog centred, runs Form_Load, and gives the dialog the focus.
    void Open();
    // Fills the controls for this opening.
    virtual void Form_Load() = 0;
    // The dialog goes; the owner is enabled again where it was held, and takes the focus when
    // it is on the screen.
    void Dismiss();

    Ui& ui_;
    Form& owner_;
    std::unique_ptr<Form> form_;

  private:
    void CentreOnScreen();

    Button& closeButton_;
    const Modality modality_;
    bool open_ = false;
};

}  // namespace pw
