#pragma once
// The windows of the program as the presenters see them. Contract for every implementation:
// - Events fire in the same situations on the real windows and on the test doubles.
// - Setting a text box's text fires its Change event once, also where Windows would not.
// - Setting a text never cuts it: a text box holds a text of any length.
// - Events fire on the user-interface thread, never from inside another event of the same
//   control, except that a handler that changes its own control re-raises that control's event.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Layout.h"

namespace pw {

struct Selection {
    std::size_t start = 0, length = 0;
};

class Control {
  public:
    virtual ~Control() = default;
    // Caption for buttons, labels and check boxes; the contents of a text box.
    virtual std::u16string text() const = 0;
    // A string rather than a view: Windows wants the terminating NUL that a string holds, and a
    // panel of megabytes is not copied to get one.
    virtual void setText(const std::u16string& text) = 0;
    virtual std::u16string toolTip() const = 0;
    virtual void setToolTip(std::u16string_view tip) = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // Returns false where the control cannot take the focus (hidden or disabled window).
    virtual bool setFocus() = 0;
    virtual bool hasFocus() const = 0;
    virtual Selection selection() const = 0;
    // A length past the end selects up to the end. The text scrolls to show the selection's end.
    virtual void select(std::size_t start, std::size_t length) = 0;
    virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0;
    virtual RectTw bounds() const = 0;  // relative to the container, twips
    virtual void setBounds(const RectTw& rect) = 0;
    // Up-down controls. The value stays within the range: a value set outside it is brought to
    // the nearer end. After every setting, by the arrows or by the program, the buddy text box
    // shows the value as decimal text; the box is written only where it shows another text,
    // so a box that already shows the value keeps its selection. The arrows count on from the
    // box's number where that is a whole number within the range, from the value otherwise,
    // and put the focus in the box. Change fires after every arrow click, never for a setting
    // by the program.
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
    virtual void setRange(int minimum, int maximum) = 0;
    virtual Color foreColor() const = 0;
    virtual void setForeColor(Color color) = 0;
    virtual bool underline() const = 0;
    virtual void setUnderline(bool underline) = 0;

    std::function<void()> Click;
    std::function<void()> Change;
    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    // A typed character; setting it to 0 discards it.
    std::function<void(char16_t& key)> KeyPress;
    // The mouse pointer moved over the control.
    std::function<void()> MouseMove;
};

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
    virtual Control& control(std::string_view name) = 0;
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
};

}  // namespace pw
