#include "platform/fake/FakeForm.h"

#include "platform/Named.h"
#include "platform/UpDown.h"

#include <algorithm>

namespace pw::fake {

namespace {

bool TakesFocus(ControlKind kind) {
    return kind == ControlKind::TextBox || kind == ControlKind::Button ||
           kind == ControlKind::CheckBox || kind == ControlKind::Tab;
}

}  // namespace

FakeControl::FakeControl(FakeForm& form, const ControlLayout& layout)
    : form_(form),
      layout_(layout),
      text_(layout.caption),
      toolTip_(layout.toolTip),
      bounds_(layout.rect),
      foreColor_(layout.foreColor) {}

void FakeControl::setText(const std::u16string& text) {
    text_ = text;
    selection_ = {};
    if (layout_.kind == ControlKind::TextBox) fireChange();
}

void FakeControl::fireChange() {
    if (Change) Change();
}

bool FakeControl::setFocus() {
    if (!form_.visible() || !form_.enabled() || !enabled_ || (layout_.style & StyleHidden) ||
        !TakesFocus(layout_.kind))
        return false;
    form_.moveFocus(this);
    return true;
}

bool FakeControl::hasFocus() const { return form_.focused_ == this; }

void FakeControl::select(std::size_t start, std::size_t length) {
    start = std::min(start, text_.size());
    selection_ = {start, std::min(length, text_.size() - start)};
}

void FakeControl::type(std::u16string_view keys) {
    for (char16_t key : keys) {
        if (KeyPress) KeyPress(key);
        if (key == 0 || layout_.kind != ControlKind::TextBox) continue;
        if (key == 8) {
            if (selection_.length == 0 && selection_.start > 0)
                selection_ = {selection_.start - 1, 1};
            text_.erase(selection_.start, selection_.length);
        } else if (key == u'\r') {
            text_.replace(selection_.start, selection_.length, u"\r\n");
            selection_.start += 2;
        } else if (key < 32 && key != u'\t') {
            continue;  // other control characters do not reach the text, as in an edit box
        } else {
            text_.replace(selection_.start, selection_.length, 1, key);
            ++selection_.start;
        }
        selection_.length = 0;
        fireChange();
    }
}

void FakeControl::paste(std::u16string_view text) {
    text_.replace(selection_.start, selection_.length, text);
    selection_ = {selection_.start + text.size(), 0};
    fireChange();
}

void FakeControl::setChecked(bool checked) {
    checked_ = checked;
    if (layout_.kind != ControlKind::TabPage || !checked) return;
    for (auto& [name, c] : form_.controls_)
        if (c.get() != this && c->layout_.container == layout_.container) c->checked_ = false;
}

void FakeControl::click() {
    if (!enabled_ || !form_.enabled()) return;
    if (layout_.kind == ControlKind::Button) setFocus();
    // The user's click toggles a check box and brings a tab to the front before the event.
    if (layout_.kind == ControlKind::CheckBox) checked_ = !checked_;
    if (layout_.kind == ControlKind::TabPage) setChecked(true);
    fireClick();
}

void FakeControl::fireClick() {
    if (enabled_ && form_.enabled() && Click) Click();
}

void FakeControl::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    value_ = std::clamp(value_, minimum_, maximum_);
}

void FakeControl::setValue(int value) {
    value_ = std::clamp(value, minimum_, maximum_);
    showValueInBuddy();
}

void FakeControl::spin(int delta) {
    FakeControl& box = form_.control(layout_.buddy);
    box.setFocus();
    int from = value_;
    if (auto n = UpDownNumber(box.text()); n && *n >= minimum_ && *n <= maximum_) from = *n;
    value_ = std::clamp(from + delta, minimum_, maximum_);
    showValueInBuddy();
    if (Change) Change();
}

void FakeControl::showValueInBuddy() {
    if (layout_.buddy.empty()) return;
    FakeControl& box = form_.control(layout_.buddy);
    const std::u16string shown = UpDownText(value_);
    if (box.text() != shown) box.setText(shown);
}

bool FakeTimer::setInterval(int milliseconds) {
    if (milliseconds < 0) return false;
    interval_ = milliseconds;
    return true;
}

FakeForm::FakeForm(const FormLayout& layout)
    : bounds_{0, 0, layout.clientWidth, layout.clientHeight} {
    for (const auto& c : layout.controls)
        controls_.emplace(std::string(c.name), std::make_unique<FakeControl>(*this, c));
    for (const auto& m : layout.menus)
        menus_.emplace(std::string(m.name), std::make_unique<FakeMenuItem>(m));
    for (const auto& t : layout.timers)
        timers_.emplace(std::string(t.name), std::make_unique<FakeTimer>(t));
}

FakeControl& FakeForm::control(std::string_view name) { return FindNamed(controls_, name); }
FakeMenuItem& FakeForm::menu(std::string_view name) { return FindNamed(menus_, name); }
FakeTimer& FakeForm::timer(std::string_view name) { return FindNamed(timers_, name); }

void FakeForm::setVisible(bool visible) {
    visible_ = visible;
    if (!visible) active_ = false;
}

bool FakeForm::setFocus() {
    if (!visible_ || !enabled_) return false;
    active_ = true;
    if (!focused_) {
        // The first control in the tab order takes the focus, as on a real window.
        FakeControl* first = nullptr;
        for (auto& [name, c] : controls_) {
            const auto& l = c->layout();
            if (l.tabIndex < 0 || (l.style & StyleHidden) || !c->enabled() || !TakesFocus(l.kind))
                continue;
            if (!first || l.tabIndex < first->layout().tabIndex) first = c.get();
        }
        if (first) moveFocus(first);
    }
    return true;
}

void FakeForm::moveFocus(FakeControl* to) {
    if (focused_ == to) return;
    FakeControl* from = focused_;
    focused_ = to;
    if (from && from->LostFocus) from->LostFocus();
    if (to && to->GotFocus) to->GotFocus();
}

void FakeForm::setWindowState(WindowState state) {
    if (state_ == state) return;
    state_ = state;
    if (Resize) Resize();
}

void FakeForm::setBounds(const RectTw& rect) {
    RectTw r = rect;
    r.width = std::max(r.width, minWidth_);
    r.height = std::max(r.height, minHeight_);
    const bool resized = r.width != bounds_.width || r.height != bounds_.height;
    bounds_ = r;
    if (resized && Resize) Resize();
}

void FakeForm::setMinimumSize(double width, double height) {
    minWidth_ = width;
    minHeight_ = height;
}

void FakeForm::tryUnload(UnloadMode mode) {
    if (destroyed_) return;
    bool cancel = false;
    if (QueryUnload) QueryUnload(cancel, mode);
    if (cancel) return;
    if (Unload) Unload();
    destroyed_ = true;
    visible_ = false;
}

FakeControl* FakeForm::styled(std::uint32_t style) {
    for (auto& [name, c] : controls_)
        if (c->layout().style & style) return c.get();
    return nullptr;
}

void FakeForm::press(char16_t key) {
    const bool multiline = focused_ && (focused_->layout().style & StyleMultiline);
    FakeControl* button = nullptr;
    const bool onButton = focused_ && focused_->layout().kind == ControlKind::Button;
    if (key == u'\r' && !multiline) button = onButton ? focused_ : styled(StyleDefault);
    if (key == 27) button = styled(StyleCancel);
    if (button)
        button->fireClick();
    else if (focused_)
        focused_->type(std::u16string(1, key));
    else if (KeyPress)
        KeyPress(key);
}

void FakeForm::unload() { tryUnload(UnloadMode::FormCode); }
void FakeForm::closeFromFrame() { tryUnload(UnloadMode::FormControlMenu); }
void FakeForm::endSession() { tryUnload(UnloadMode::AppWindows); }

}  // namespace pw::fake
