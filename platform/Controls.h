#pragma once
// The controls of a window as the presenters see them: one interface per kind, with only the
// operations that kind has. Contract for every implementation:
// - Events fire in the same situations on the real windows and on the test doubles.
// - Setting a text box's text fires its Change event once, also where Windows would not.
// - Setting a text never cuts it: a text box holds a text of any length.
// - Events fire on the user-interface thread, never from inside another event of the same
//   control, except that a handler that changes its own control re-raises that control's event.
#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

#include "platform/Layout.h"

namespace pw {

struct Selection {
    std::size_t start = 0, length = 0;
};

// What every control has.
class Control {
  public:
    virtual ~Control() = default;
    virtual ControlKind kind() const = 0;
    virtual bool enabled() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    // Returns false where the control cannot take the focus (hidden or disabled window).
    virtual bool setFocus() = 0;
    virtual bool hasFocus() const = 0;
    virtual RectTw bounds() const = 0;  // relative to the container, twips
    virtual void setBounds(const RectTw& rect) = 0;
    virtual std::u16string toolTip() const = 0;
    virtual void setToolTip(std::u16string_view tip) = 0;

    std::function<void()> GotFocus;
    std::function<void()> LostFocus;
    // A typed character; setting it to 0 discards it.
    std::function<void(char16_t& key)> KeyPress;
    // The mouse pointer moved over the control.
    std::function<void()> MouseMove;
};

// The parts that several kinds share, each held once by a control of any kind.
class Texted {
  public:
    virtual ~Texted() = default;
    // The caption of a button, label, link, check box or group box; the contents of a text box.
    virtual std::u16string text() const = 0;
    // A string rather than a view: Windows wants the terminating NUL that a string holds, and a
    // panel of megabytes is not copied to get one.
    virtual void setText(const std::u16string& text) = 0;
};

class Clicked {
  public:
    virtual ~Clicked() = default;
    std::function<void()> Click;
};

class Changed {
  public:
    virtual ~Changed() = default;
    std::function<void()> Change;
};

class TextBox : public virtual Control, public virtual Texted, public virtual Changed {
  public:
    virtual Selection selection() const = 0;
    // A length past the end selects up to the end. The text scrolls to show the selection's end.
    virtual void select(std::size_t start, std::size_t length) = 0;
    // Puts the text in place of the whole contents as one step the user can undo (Ctrl+Z);
    // Change fires once.
    virtual void replaceAll(const std::u16string& text) = 0;
};

class Button : public virtual Control, public virtual Texted, public virtual Clicked {
  public:
};

class CheckBox : public virtual Control, public virtual Texted, public virtual Clicked {
  public:
    virtual bool checked() const = 0;
    virtual void setChecked(bool checked) = 0;
};

class Label : public virtual Control, public virtual Texted {
  public:
    virtual Color foreColor() const = 0;
    virtual void setForeColor(Color color) = 0;
};

// A label that opens something when clicked, with the pointing hand over it.
class Link : public virtual Label, public virtual Clicked {
  public:
    virtual bool underline() const = 0;
    virtual void setUnderline(bool underline) = 0;
};

// The value stays within the range: a value set outside it is brought to the nearer end. After
// every setting, by the arrows or by the program, the buddy text box shows the value as decimal
// text; the box is written only where it shows another text, so a box that already shows the
// value keeps its selection. The arrows count on from the box's number where that is a whole
// number within the range, from the value otherwise, and put the focus in the box. Change fires
// after every arrow click, never for a setting by the program.
class UpDown : public virtual Control, public virtual Changed {
  public:
    virtual int value() const = 0;
    virtual void setValue(int value) = 0;
    virtual void setRange(int minimum, int maximum) = 0;
};

class Frame : public virtual Control, public virtual Texted {
  public:
};

// Its pages are the TabPage entries of the layout that name it as their container, in order.
class Tab : public virtual Control {
  public:
    virtual int page() const = 0;
    virtual void setPage(int page) = 0;
};

// The kind of the layout table's entry that stands for each interface; no control is looked
// up as a tab page.
template <typename Kind>
inline constexpr ControlKind kKindOf = ControlKind::TabPage;
template <>
inline constexpr ControlKind kKindOf<Label> = ControlKind::Label;
template <>
inline constexpr ControlKind kKindOf<Link> = ControlKind::Link;
template <>
inline constexpr ControlKind kKindOf<TextBox> = ControlKind::TextBox;
template <>
inline constexpr ControlKind kKindOf<Button> = ControlKind::Button;
template <>
inline constexpr ControlKind kKindOf<CheckBox> = ControlKind::CheckBox;
template <>
inline constexpr ControlKind kKindOf<UpDown> = ControlKind::UpDown;
template <>
inline constexpr ControlKind kKindOf<Frame> = ControlKind::Frame;
template <>
inline constexpr ControlKind kKindOf<Tab> = ControlKind::Tab;

}  // namespace pw
