#include "platform/Layout.h"

#include <string>

namespace pw {

int MenuCommandId(const FormLayout& form, std::string_view itemName) {
    for (std::size_t i = 0; i < form.menus.size(); ++i) {
        if (form.menus[i].name == itemName) return kFirstMenuCommand + static_cast<int>(i);
    }
    return 0;
}

std::u16string ShortcutText(const Shortcut& s) {
    if (s.key == 0) return {};
    std::u16string text;
    if (s.ctrl) text += u"Ctrl+";
    if (s.shift) text += u"Shift+";
    if (s.key >= 0x70 && s.key <= 0x7B) {  // F1..F12
        text += u'F';
        int n = s.key - 0x70 + 1;
        if (n >= 10) text += static_cast<char16_t>(u'0' + n / 10);
        text += static_cast<char16_t>(u'0' + n % 10);
    } else if (s.key == 0x2E) {
        text += u"Del";
    } else {
        text += static_cast<char16_t>(s.key);
    }
    return text;
}

}  // namespace pw
