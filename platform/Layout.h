#pragma once
// Windows and their controls are described as data: the tables live with each window's
// presenter and both the real forms layer and the test doubles build from them.
#include <cstdint>
#include <span>
#include <string_view>

namespace pw {

// Positions and sizes are in twips (1/1440 inch), like every layout figure of the program.
struct RectTw {
    double left = 0, top = 0, width = 0, height = 0;
    bool operator==(const RectTw&) const = default;
};

// A TabPage belongs to a Tab control, one page per tab in table order; its caption is the tab's
// title. A Link is a label with the pointing hand that answers clicks. An Image shows the program
// icon; a Line is a bar of its colour, as high as its rectangle.
enum class ControlKind {
    Label,
    Link,
    TextBox,
    Button,
    CheckBox,
    Frame,
    UpDown,
    Tab,
    TabPage,
    Image,
    Line
};

enum ControlStyle : std::uint32_t {
    StyleNone = 0,
    StyleMultiline = 1u << 0,
    StyleScrollBars = 1u << 1,  // both scroll bars
    StyleDefault = 1u << 2,     // default push button (Enter)
    StyleCancel = 1u << 3,      // cancel button (Esc)
    StyleHidden = 1u << 4,      // never shown
    StyleAutoSize = 1u << 5,    // a label as wide as its caption
    StyleAccessKey = 1u << 6,   // a label whose "&" marks the access key of the next control
    StyleDisabled = 1u << 7,    // disabled until the program enables it
};

// Colours as 0x00BBGGRR; with the top bit set, the system colour of that index instead.
using Color = std::uint32_t;
constexpr Color Rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
    return red | (green << 8u) | (static_cast<Color>(blue) << 16u);
}
constexpr Color kButtonTextColor = 0x80000012;  // what controls use unless told otherwise

// An empty name means the window's own font.
struct FontSpec {
    std::u16string_view name;
    double points = 0;
};

struct ControlLayout {
    ControlKind kind;
    std::string_view name;
    std::u16string_view caption;
    RectTw rect;
    int tabIndex;  // -1: takes no part in the tab order
    std::uint32_t style = StyleNone;
    std::string_view container = {};  // parent control, empty for the form itself
    std::u16string_view toolTip = {};
    std::string_view buddy = {};      // an up-down's text box
    FontSpec font = {};
    Color foreColor = kButtonTextColor;  // text, or the bar of a line
};

struct Shortcut {
    std::uint16_t key = 0;  // Windows virtual-key code; 0 for none
    bool ctrl = false;
    bool shift = false;
    bool operator==(const Shortcut&) const = default;
};

// A flat menu table: level 0 is a top-level menu, 1 an item, 2 an item of a submenu.
// A caption of "-" is a separator.
struct MenuLayout {
    std::string_view name;
    std::u16string_view caption;
    int level;
    Shortcut shortcut = {};
    bool hiddenTop = false;  // a top-level menu that only serves as a pop-up
};

struct TimerLayout {
    std::string_view name;
    int interval;
    bool enabled;
};

struct FormLayout {
    std::string_view name;
    std::u16string_view caption;
    double clientWidth, clientHeight;  // designed client area, twips
    bool sizable;
    std::span<const ControlLayout> controls;
    std::span<const MenuLayout> menus;
    std::span<const TimerLayout> timers;
};

// Menu items are addressed by command identifiers derived from their place in the table,
// so that anything sharing the table (the program, its test driver) agrees on them.
constexpr int kFirstMenuCommand = 1000;
int MenuCommandId(const FormLayout& form, std::string_view itemName);

std::u16string ShortcutText(const Shortcut& shortcut);

}  // namespace pw
