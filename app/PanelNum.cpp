#include "app/PanelNum.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "app/PanelNumLayout.h"
#include "settings/NumberText.h"

namespace pw {

PanelNum::PanelNum(Ui& ui, Form& mainWindow, PanelStore& panels, std::function<void()> showPanel)
    : DialogForm(ui, PanelNumFormLayout(), mainWindow, "Command2", Modality::Modal),
      panels_(panels),
      showPanel_(std::move(showPanel)),
      txtNum_(form_->textBox("txtNum")),
      upDown_(form_->upDown("UpDown")),
      lblTotal_(form_->label("lblTotal")),
      Command1_(form_->button("Command1")),
      Command2_(form_->button("Command2")),
      count_(panels.count()) {
    WireEvents();
    Open();
}

void PanelNum::WireEvents() {
    Command1_.Click = [this] { Command1_Click(); };
    Command2_.Click = [this] { Command2_Click(); };
    txtNum_.Change = [this] { txtNum_Change(); };
    txtNum_.GotFocus = [this] { txtNum_GotFocus(); };
    txtNum_.KeyPress = [this](char16_t& key) { txtNum_KeyPress(key); };
    txtNum_.LostFocus = [this] { txtNum_LostFocus(); };
    upDown_.Change = [this] { UpDown_Change(); };
}

// The number box, first in the tab order, takes the focus once the dialog shows.
void PanelNum::Form_Load() {
    lblTotal_.setText(u"（共" + NumText(std::int64_t{count_}) + u"个面板）");
    // One more than the panels at each end, so that spinning past an end can wrap around.
    upDown_.setRange(0, count_ + 1);
    upDown_.setValue(panels_.current());
}

void PanelNum::Command1_Click() {
    if (!open()) return;
    BringIntoRange();
    panels_.setCurrent(static_cast<int>(NumberValue(txtNum_.text())));
    showPanel_();
    Command2_Click();
}

void PanelNum::Command2_Click() { Dismiss(); }

void PanelNum::txtNum_Change() {
    if (!open() || !txtNum_.text().empty()) return;
    upDown_.setValue(1);
    SelectNumber();  // the next digit replaces the 1 instead of joining it
}

void PanelNum::txtNum_GotFocus() { SelectNumber(); }

void PanelNum::txtNum_KeyPress(char16_t& key) {
    if (!open()) return;
    const std::u16string before = txtNum_.text();
    if ((key < u'0' || key > u'9') && key != 8) key = 0;
    // The up-down follows the number one keystroke behind, but never rewrites what is being
    // typed: a text it would show otherwise (leading zeros, a number beyond the range) leaves
    // it where it was. The box is brought into range when it is left.
    const auto n = RoundToInt32(NumberValue(before));
    if (n && *n >= 0 && *n <= count_ + 1 && NumText(std::int64_t{*n}) == before)
        upDown_.setValue(*n);
}

void PanelNum::txtNum_LostFocus() {
    if (open()) BringIntoRange();
}

// Once the box is left it shows exactly the panel that OK goes to: below 1 gives the first,
// beyond the panels the last, anything else its nearest whole number.
void PanelNum::BringIntoRange() {
    const double n = NumberValue(txtNum_.text());
    int panel = count_;
    if (n < 1)
        panel = 1;
    else if (n < count_ + 1)
        panel = std::clamp(static_cast<int>(RoundToInt32(n).value_or(count_)), 1, count_);
    upDown_.setValue(panel);
}

void PanelNum::UpDown_Change() {
    if (!open()) return;
    if (upDown_.value() == 0) upDown_.setValue(count_);
    if (upDown_.value() == count_ + 1) upDown_.setValue(1);
    SelectNumber();
}

void PanelNum::SelectNumber() { txtNum_.select(0, txtNum_.text().size()); }

}  // namespace pw
