#include "platform/DialogForm.h"

#include <cmath>

namespace pw {

DialogForm::DialogForm(Ui& ui, const FormLayout& layout, Form& owner, std::string_view closeButton,
                       Modality modality)
    : ui_(ui),
      owner_(owner),
      form_(ui.createForm(layout, &owner)),
      closeButton_(form_->button(closeButton)),
      modality_(modality) {
    form_->QueryUnload = [this](bool& cancel, UnloadMode mode) {
        // Only the program's own unload goes ahead as it is; any other close is the button's,
        // so that the owner never stays disabled behind a dialog that is gone.
        if (mode == UnloadMode::FormCode) return;
        cancel = true;
        if (closeButton_.Click) closeButton_.Click();
    };
    form_->Unload = [this] { open_ = false; };
}

void DialogForm::Open() {
    if (modality_ == Modality::Modal) owner_.setEnabled(false);
    form_->setEnabled(true);
    CentreOnScreen();
    open_ = true;
    Form_Load();
    form_->setVisible(true);
    form_->setFocus();
}

// Each half rounded toward zero to whole twips; the size stays.
void DialogForm::CentreOnScreen() {
    const auto screens = ui_.monitors();
    if (screens.empty()) return;
    const RectTw& screen = screens.front();
    RectTw r = form_->bounds();
    r.left = screen.left + std::trunc((screen.width - r.width) / 2);
    r.top = screen.top + std::trunc((screen.height - r.height) / 2);
    form_->setBounds(r);
}

void DialogForm::Dismiss() {
    if (!open_) return;
    open_ = false;
    // Enabled before the dialog goes, so that Windows hands the activation back to the owner
    // rather than to another program.
    if (modality_ == Modality::Modal) owner_.setEnabled(true);
    form_->unload();
    if (owner_.visible()) owner_.setFocus();
}

void DialogForm::Close() {
    if (!open_) return;
    open_ = false;
    if (modality_ == Modality::Modal) owner_.setEnabled(true);
    form_->unload();
}

}  // namespace pw
