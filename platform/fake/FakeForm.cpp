#include "platform/fake/FakeForm.h"

#include "platform/Named.h"
#include "platform/UpDown.h"

#include <stdexcept>
#include <utility>

namespace pw::fake {

namespace {

bool TakesFocus(const ControlLayout& l) {
    return !(l.style & StyleHidden) &&
           (l.kind == ControlKind::TextBox || l.kind == ControlKind::Button ||
            l.kind == ControlKind::CheckBox || l.kind == ControlKind::Tab);
}

}  // namespace

void FakeControl::setText(const std::u16string& text) {
    text_ = text;
    selection_ = {};
    if (layout_.kind == ControlKind::TextBox && Change) Change();
}

bool FakeControl::setFocus() {
    if (!form_.visible() || !form_.enabled() || !enabled_ || !TakesFocus(layout_)) return false;
    form_.moveFocus(this);
    return true;
}

bool FakeControl::hasFocus() const { return form_.focused_ == this; }

void FakeControl::type(std::u16string_view keys) {
    for (char16_t key : keys) {
        if (KeyPress) KeyPress(key);
        // Other control characters do not reach the text, as in an edit box.
        if (layout_.kind != ControlKind::TextBox ||
            (key < 32 && key != 8 && key != u'\r' && key != u'\t'))
            continue;
        if (key == 8 && selection_.length == 0 && selection_.start > 0)
            selection_ = {selection_.start - 1, 1};
        paste(key == 8 ? u"" : key == u'\r' ? u"\r\n" : std::u16string(1, key));
    }
}

void FakeControl::click() {
    if (!enabled_ || !form_.enabled()) return;
    if (layout_.kind == ControlKind::Button) setFocus();
    if (layout_.kind == ControlKind::CheckBox) checked_ = !checked_;  // before the event
    fireClick();
}

void FakeControl::fireClick() {
    if (enabled_ && form_.enabled() && Click) Click();
}

void FakeControl::setValue(int value) {
    value_ = std::clamp(value, minimum_, maximum_);
    if (layout_.buddy.empty()) return;
    FakeControl& box = form_.control(layout_.buddy);
    const std::u16string shown = UpDownText(value_);
    if (box.text() != shown) box.setText(shown);
}

void FakeControl::spin(int delta) {
    FakeControl& box = form_.control(layout_.buddy);
    box.setFocus();
    int from = value_;
    if (auto n = UpDownNumber(box.text()); n && *n >= minimum_ && *n <= maximum_) from = *n;
    setValue(from + delta);
    if (Change) Change();
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
void FakeForm::wrongKind(std::string_view name) {
    throw std::logic_error("not of that kind: " + std::string(name));
}

FakeMenuItem& FakeForm::menu(std::string_view name) { return FindNamed(menus_, name); }
FakeTimer& FakeForm::timer(std::string_view name) { return FindNamed(timers_, name); }

bool FakeForm::setFocus() {
    if (!visible_ || !enabled_) return false;
    active_ = true;
    if (focused_) return true;
    // The first control in the tab order takes the focus, as on a real window.
    FakeControl* first = nullptr;
    for (auto& [name, c] : controls_) {
        const int tab = c->layout_.tabIndex;
        if (tab >= 0 && c->enabled_ && TakesFocus(c->layout_) &&
            (!first || tab < first->layout_.tabIndex))
            first = c.get();
    }
    if (first) moveFocus(first);
    return true;
}

void FakeForm::moveFocus(FakeControl* to) {
    if (focused_ == to) return;
    FakeControl* from = std::exchange(focused_, to);
    if (from && from->LostFocus) from->LostFocus();
    if (to->GotFocus) to->GotFocus();
}

void FakeForm::setBounds(const RectTw& rect) {
    const RectTw r{rect.left, rect.top, std::max(rect.width, minWidth_),
                   std::max(rect.height, minHeight_)};
    const bool resized = r.width != bounds_.width || r.height != bounds_.height;
    bounds_ = r;
    if (resized && Resize) Resize();
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
        if (c->layout_.style & style) return c.get();
    return nullptr;
}

void FakeForm::press(char16_t key) {
    FakeControl* button = nullptr;
    if (key == u'\r' && !(focused_ && (focused_->layout_.style & StyleMultiline)))
        button = focused_ && focused_->layout_.kind == ControlKind::Button ? focused_
                                                                           : styled(StyleDefault);
    if (key == 27) button = styled(StyleCancel);
    if (button)
        button->fireClick();
    else if (focused_)
        focused_->type(std::u16string(1, key));
    else if (KeyPress)
        KeyPress(key);
}

}  // namespace pw::fake
