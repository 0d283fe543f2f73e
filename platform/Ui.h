#pragma once
#include <memory>
#include <string_view>
#include <vector>

#include "platform/Form.h"

namespace pw {

enum class MsgIcon { None, Exclamation, Question };
enum class MsgButtons { Ok, YesNo };
enum class MsgResult { Ok, Yes, No, Closed };

class Ui {
  public:
    virtual ~Ui() = default;
    // Windows are created hidden. A window with an owner stays in front of it and has no
    // taskbar button of its own; a click on the disabled owner brings it forward.
    virtual std::unique_ptr<Form> createForm(const FormLayout& layout, Form* owner = nullptr) = 0;
    // A modal message box; the first button is the default. Timers keep ticking meanwhile.
    virtual MsgResult messageBox(Form* owner, std::u16string_view text, std::u16string_view title,
                                 MsgIcon icon, MsgButtons buttons) = 0;
    // Monitor rectangles in twips, the primary monitor first. Positions on every monitor are in
    // one coordinate space, the one a window's left and top are given in.
    virtual std::vector<RectTw> monitors() const = 0;
    // The same monitors' work areas (less the taskbar and other docked bars), in the same order.
    virtual std::vector<RectTw> workAreas() const { return monitors(); }
    // Ends the message loop once the current event is done.
    virtual void quit() = 0;
};

}  // namespace pw
