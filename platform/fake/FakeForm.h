#pragma once
// In-memory windows for the tests. They keep the contract of platform/Form.h and add the
// user's side: typing, clicking, closing from the frame, minimising.
#include <algorithm>
#include <map>
#include <memory>
#include <string>

#include "platform/Form.h"

namespace pw::fake {

class FakeForm;

// One double answers for every kind of control; the form hands it out only as the kind its
// layout gives, as the real one does.
class FakeControl : public TextBox,
                    public Button,
                    public CheckBox,
                    public Link,
                    public UpDown,
                    public Frame,
                    public Tab {
  public:
    FakeControl(FakeForm& form, const ControlLayout& layout) : form_(form), layout_(layout) {}

    ControlKind kind() const override { return layout_.kind; }
    std::u16string text() const override { return text_; }
    void setText(const std::u16string& text) override;
    void replaceAll(const std::u16string& text) override { setText(text); }
    std::u16string toolTip() const override { return toolTip_; }
    void setToolTip(std::u16string_view tip) override { toolTip_ = tip; }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool setFocus() override;
    bool hasFocus() const override;
    Selection selection() const override { return selection_; }
    void select(std::size_t start, std::size_t length) override {
        start = std::min(start, text_.size());
        selection_ = {start, std::min(length, text_.size() - start)};
    }
    bool checked() const override { return checked_; }
    void setChecked(bool checked) override { checked_ = checked; }
    RectTw bounds() const override { return bounds_; }
    void setBounds(const RectTw& rect) override { bounds_ = rect; }
    int value() const override { return value_; }
    void setValue(int value) override;
    void setRange(int minimum, int maximum) override {
        minimum_ = minimum;
        maximum_ = maximum;
        value_ = std::clamp(value_, minimum_, maximum_);
    }
    Color foreColor() const override { return foreColor_; }
    void setForeColor(Color color) override { foreColor_ = color; }
    bool underline() const override { return underline_; }
    void setUnderline(bool underline) override { underline_ = underline; }
    int page() const override { return page_; }
    void setPage(int page) override { page_ = page; }

    // The user's side. Typing goes through KeyPress, replaces the selection and raises Change
    // for every character; 8 is Backspace.
    void type(std::u16string_view keys);
    // A mouse click: a button takes the focus before its Click runs.
    void click();
    // One click on an up-down's up (+1) or down (-1) arrow.
    void spin(int delta);
    // Ctrl+V: the text replaces the selection with one Change, no KeyPress.
    void paste(std::u16string_view text) {
        text_.replace(selection_.start, selection_.length, text);
        selection_ = {selection_.start + text.size(), 0};
        if (Change) Change();
    }
    void moveMouse() {
        if (MouseMove) MouseMove();
    }

  private:
    friend class FakeForm;
    void fireClick();

    FakeForm& form_;
    const ControlLayout layout_;
    std::u16string text_{layout_.caption}, toolTip_{layout_.toolTip};
    bool enabled_ = !(layout_.style & StyleDisabled), checked_ = false, underline_ = false;
    Selection selection_;
    RectTw bounds_ = layout_.rect;
    int value_ = 0, minimum_ = 0, maximum_ = 0, page_ = 0;
    Color foreColor_ = layout_.foreColor;
};

class FakeMenuItem : public MenuItem {
  public:
    explicit FakeMenuItem(const MenuLayout& layout) : caption_(layout.caption) {}
    std::u16string caption() const override { return caption_; }
    bool checked() const override { return checked_; }
    void setChecked(bool checked) override { checked_ = checked; }
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override { visible_ = visible; }

    void click() {
        if (Click) Click();
    }

  private:
    const std::u16string caption_;
    bool checked_ = false, visible_ = true;
};

class FakeTimer : public Timer {
  public:
    explicit FakeTimer(const TimerLayout& layout)
        : enabled_(layout.enabled), interval_(layout.interval) {}
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    int interval() const override { return interval_; }
    bool setInterval(int milliseconds) override {
        if (milliseconds >= 0) interval_ = milliseconds;
        return milliseconds >= 0;
    }

    // One period elapses: a tick arrives only while the timer runs.
    void tick() {
        if (enabled_ && interval_ != 0 && Tick) Tick();
    }

  private:
    bool enabled_;
    int interval_;
};

class FakeForm : public Form {
  public:
    explicit FakeForm(const FormLayout& layout);

    FakeControl& control(std::string_view name) override;
    FakeMenuItem& menu(std::string_view name) override;
    FakeTimer& timer(std::string_view name) override;

    bool visible() const override { return visible_; }
    void setVisible(bool visible) override {
        visible_ = visible;
        active_ = active_ && visible;
    }
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override { enabled_ = enabled; }
    bool setFocus() override;
    WindowState windowState() const override { return state_; }
    void setWindowState(WindowState state) override {
        if (state_ == state) return;
        state_ = state;
        if (Resize) Resize();
    }
    RectTw bounds() const override { return bounds_; }
    void setBounds(const RectTw& rect) override;
    RectTw clientArea() const override {
        // The frame's share of the outer size: borders, caption and one line of menu bar.
        return {0, 0, bounds_.width - 120, bounds_.height - 690};
    }
    void setMinimumSize(double width, double height) override {
        minWidth_ = width;
        minHeight_ = height;
    }
    void unload() override { tryUnload(UnloadMode::FormCode); }
    void popupMenu(std::string_view) override {}
    void hookMessages(MessageHook hook) override { hook_ = std::move(hook); }
    void unhookMessages() override { hook_ = nullptr; }

    // A message reaches the window, through the hook where one is installed.
    void deliver(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam) {
        if (hook_) hook_(message, wParam, lParam);
    }
    bool hooked() const { return static_cast<bool>(hook_); }

    // The user's side.
    void closeFromFrame() { tryUnload(UnloadMode::FormControlMenu); }
    void endSession() { tryUnload(UnloadMode::AppWindows); }
    // A key on the keyboard, routed as on the real window: Enter clicks the focused button or
    // else the default one (outside a multi-line box), Esc the cancel button, anything else
    // goes to the focus.
    void press(char16_t key);
    void deactivate() { active_ = false; }  // another window takes the focus

    bool destroyed() const { return destroyed_; }
    bool active() const { return active_; }

  protected:
    [[noreturn]] void wrongKind(std::string_view name) override;

  private:
    friend class FakeControl;
    void moveFocus(FakeControl* to);
    void tryUnload(UnloadMode mode);
    FakeControl* styled(std::uint32_t style);

    std::map<std::string, std::unique_ptr<FakeControl>, std::less<>> controls_;
    std::map<std::string, std::unique_ptr<FakeMenuItem>, std::less<>> menus_;
    std::map<std::string, std::unique_ptr<FakeTimer>, std::less<>> timers_;
    bool visible_ = false, enabled_ = true, active_ = false, destroyed_ = false;
    WindowState state_ = WindowState::Normal;
    RectTw bounds_;
    double minWidth_ = 0, minHeight_ = 0;
    FakeControl* focused_ = nullptr;
    MessageHook hook_;
};

}  // namespace pw::fake
