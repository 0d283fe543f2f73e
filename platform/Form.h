#pragma once
// The windows of the program as the presenters see them.
//
// Names, one rule per kind of thing:
// - Controls carry a prefix for their kind and say what they are: cmd push button, txt text box,
//   chk check box, lbl label or link, fra group box, tab tab page, lin line, pic picture. Controls
//   the user reaches keep the names the program was designed with (OK, Cancel, Apply, Command1,
//   Command2, SSTab1, AutoRun, sndFile, UpDown, Content).
// - A top-level menu is mnu + its title; its items are named after it (PanelNew, TrayClip);
//   separators are lineN.
// - Timers are named after what they time (ClipTimer, AlertTimer).
// - Handlers are the control's name and the event (cmdNext_Click); the window's own events are
//   Form_Load, Form_QueryUnload, Form_Unload, Form_Resize.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Controls.h"
#include "platform/Layout.h"

namespace pw {

class MenuItem {
  public:
    virtual ~MenuItem() = default;
    virtual std::u16string caption() const = 0;
    virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0;
    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;

    std::function<void()> Click;
};

class Timer {
  public:
    virtual ~Timer() = default;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual int interval() const = 0;
    // An interval of 0 keeps the timer from ticking; a negative one is refused and the old one
    // stays.
    virtual bool setInterval(int milliseconds) = 0;
    // A tick that falls due while the previous tick of the same timer is still running (it
    // waits in a message box) is dropped: ticks never nest.

    std::function<void()> Tick;
};

enum class WindowState { Normal, Minimized, Maximized };

// Why a window is about to go away.
enum class UnloadMode {
    FormControlMenu,  // the frame: close box, system menu, Alt+F4
    FormCode,         // the program itself
    AppWindows,       // Windows is ending the session
    AppTaskManager,   // another program asked the window to close
};

// Sees every message of a window before the window handles it; the message then goes on to
// the window unchanged.
using MessageHook =
    std::function<void(std::uint32_t message, std::uintptr_t wParam, std::intptr_t lParam)>;

class Form {
  public:
    virtual ~Form() = default;
    // A control of any kind, for what every control has. A name missing from the layout is a
    // programming error.
    virtual Control& control(std::string_view name) = 0;
    // The control of that name as its kind; a control of another kind is a programming error.
    // Presenters resolve their controls once, when they are made, so that either error shows
    // there and not in the middle of a command.
    TextBox& textBox(std::string_view name) { return typed<TextBox>(name); }
    Button& button(std::string_view name) { return typed<Button>(name); }
    CheckBox& checkBox(std::string_view name) { return typed<CheckBox>(name); }
    Label& label(std::string_view name) { return typed<Label>(name); }
    Link& link(std::string_view name) { return typed<Link>(name); }
    UpDown& upDown(std::string_view name) { return typed<UpDown>(name); }
    Frame& frame(std::string_view name) { return typed<Frame>(name); }
    Tab& tab(std::string_view name) { return typed<Tab>(name); }
    virtual MenuItem& menu(std::string_view name) = 0;
    virtual Timer& timer(std::string_view name) = 0;

    virtual bool visible() const = 0;
    virtual void setVisible(bool visible) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // Activates the window and gives it the keyboard focus; false where that is impossible.
    virtual bool setFocus() = 0;
    virtual WindowState windowState() const = 0;
    virtual void setWindowState(WindowState state) = 0;
    // Outer rectangle on the screen, frame and menu bar included, twips.
    virtual RectTw bounds() const = 0;
    virtual void setBounds(const RectTw& rect) = 0;
    // The size of the inside of the frame, below the menu bar, twips (left and top are 0).
    virtual RectTw clientArea() const = 0;
    // The frame refuses to be made smaller than this (outer size, twips).
    virtual void setMinimumSize(double width, double height) = 0;
    // Unload by the program: QueryUnload (FormCode), then Unload, then the window is gone.
    virtual void unload() = 0;
    // Pops up a top-level menu of the window at the mouse pointer; returns when it closes.
    virtual void popupMenu(std::string_view menuName) = 0;
    // Puts a hook in front of the window's message handling, and takes it away again.
    virtual void hookMessages(MessageHook hook) = 0;
    virtual void unhookMessages() = 0;

    std::function<void(bool& cancel, UnloadMode mode)> QueryUnload;
    std::function<void()> Unload;
    std::function<void()> Resize;
    std::function<void(char16_t& key)> KeyPress;
    // The mouse pointer moved over the window's own background, lines included.
    std::function<void()> MouseMove;

  protected:
    // A control asked for as another kind than it is: throws.
    [[noreturn]] virtual void wrongKind(std::string_view name) = 0;

  private:
    template <typename Kind>
    Kind& typed(std::string_view name) {
        Control& c = control(name);
        auto* typed = c.kind() == kKindOf<Kind> ? dynamic_cast<Kind*>(&c) : nullptr;
        if (!typed) wrongKind(name);
        return *typed;
    }
};

}  // namespace pw
