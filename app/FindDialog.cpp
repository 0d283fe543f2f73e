#include "app/FindDialog.h"

#include <utility>

namespace pw {

namespace {

constexpr ControlLayout kControls[] = {
    {ControlKind::Label, "lblFind", u"查找内容(&N)：", {120, 180, 1260, 180}, 0, StyleAccessKey},
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

FindDialog::FindDialog(Ui& ui, Form& main, std::u16string text, FindOptions options,
                       Search findNext)
    : DialogForm(ui, kFind, main, "cmdCancel", Modality::Modeless),
      findNext_(std::move(findNext)),
      text_(std::move(text)),
      options_(options),
      txtFind_(form_->textBox("txtFind")),
      chkCase_(form_->checkBox("chkCase")),
      chkSameForm_(form_->checkBox("chkSameForm")),
      cmdFindNext_(form_->button("cmdFindNext")),
      cmdCancel_(form_->button("cmdCancel")) {
    WireEvents();
    Open();
    Activate();
}

void FindDialog::WireEvents() {
    txtFind_.Change = [this] { txtFind_Change(); };
    cmdFindNext_.Click = [this] { cmdFindNext_Click(); };
    cmdCancel_.Click = [this] { Dismiss(); };
}

void FindDialog::Form_Load() {
    txtFind_.setText(text_);
    chkCase_.setChecked(options_.matchCase);
    chkSameForm_.setChecked(options_.sameForm);
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
    if (!open() || text.empty()) return;
    findNext_(text, {chkCase_.checked(), chkSameForm_.checked()});
}

}  // namespace pw
