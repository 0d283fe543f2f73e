#include "app/FindDialog.h"

#include <utility>

#include "app/Placement.h"

namespace pw {

namespace {

constexpr ControlLayout kControls[] = {
    {ControlKind::Label, "lblFind", u"查找内容(&N)：", {120, 180, 1260, 180}, 0},
    {ControlKind::TextBox, "txtFind", u"", {1380, 120, 2520, 300}, 1},
    {ControlKind::CheckBox, "chkCase", u"区分大小写(&C)", {120, 660, 1800, 255}, 2},
    {ControlKind::CheckBox, "chkSameForm", u"繁简通用(&T)", {120, 960, 1800, 255}, 3},
    {ControlKind::Button,
     "cmdFindNext",
     u"查找下一个(&F)",
     {4080, 120, 1440, 375},
     4,
     StyleDefault},
    {ControlKind::Button, "cmdCancel", u"取消", {4080, 600, 1440, 375}, 5, StyleCancel},
};

constexpr FormLayout kFind = {"frmFind", u"查找", 5640, 1335, false, kControls, {}, {}};

}  // namespace

const FormLayout& FindFormLayout() { return kFind; }

FindDialog::FindDialog(Ui& ui, Form& main, const std::u16string& text, FindOptions options,
                       Search findNext)
    : ui_(ui),
      main_(main),
      findNext_(std::move(findNext)),
      form_(ui.createForm(kFind, &main)),
      txtFind_(form_->control("txtFind")),
      chkCase_(form_->control("chkCase")),
      chkSameForm_(form_->control("chkSameForm")),
      cmdFindNext_(form_->control("cmdFindNext")) {
    WireEvents();
    txtFind_.setText(text);
    chkCase_.setChecked(options.matchCase);
    chkSameForm_.setChecked(options.sameForm);
    CentreOnScreen();
    open_ = true;
    form_->setVisible(true);
    Activate();
}

void FindDialog::WireEvents() {
    form_->QueryUnload = [this](bool& cancel, UnloadMode mode) {
        // Any close but the program's own is a Cancel.
        if (mode == UnloadMode::FormCode) return;
        cancel = true;
        cmdCancel_Click();
    };
    txtFind_.Change = [this] { txtFind_Change(); };
    cmdFindNext_.Click = [this] { cmdFindNext_Click(); };
    form_->control("cmdCancel").Click = [this] { cmdCancel_Click(); };
}

void FindDialog::CentreOnScreen() {
    form_->setBounds(CentredOnScreen(form_->bounds(), ui_.monitors()));
}

void FindDialog::Activate() {
    form_->setFocus();
    txtFind_.setFocus();
    txtFind_.select(0, std::u16string::npos);
}

// Nothing to look for, nothing to press.
void FindDialog::txtFind_Change() { cmdFindNext_.setEnabled(!txtFind_.text().empty()); }

void FindDialog::cmdFindNext_Click() {
    const std::u16string text = txtFind_.text();
    if (!open_ || text.empty()) return;
    findNext_(text, {chkCase_.checked(), chkSameForm_.checked()});
}

void FindDialog::cmdCancel_Click() {
    if (!open_) return;
    open_ = false;
    form_->unload();
    if (main_.visible()) main_.setFocus();
}

void FindDialog::Close() {
    if (!open_) return;
    open_ = false;
    form_->unload();
}

}  // namespace pw
