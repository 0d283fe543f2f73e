#include "platform/win32/Win32TextBox.h"

#include <cmath>
#include <cstdint>

#include "platform/win32/Bug.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

namespace {

DWORD EditStyle(const ControlLayout& layout) {
    DWORD style = WS_TABSTOP | ES_AUTOHSCROLL | ES_NOHIDESEL;
    if (layout.style & StyleMultiline) style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
    if (layout.style & StyleScrollBars) style |= WS_VSCROLL | WS_HSCROLL;
    return style;
}

}  // namespace

Win32TextBox::Win32TextBox(Win32Form& form, const ControlLayout& layout, int id)
    : Win32Ctl(form, layout, id, L"EDIT", EditStyle(layout), WS_EX_CLIENTEDGE) {
    SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
}

void Win32TextBox::setText(const std::u16string& text) {
    settingText_ = true;
    setWindowText(text);
    settingText_ = false;
    // A multi-line edit box raises no change for a text set by the program; raise it here,
    // once, for every kind of text box.
    if (Change) Guarded(Change);
}

// Through the edit box's own replacement, so that its undo brings the old text back.
void Win32TextBox::replaceAll(const std::u16string& text) {
    settingText_ = true;
    SendMessageW(hwnd_, EM_SETSEL, 0, -1);
    SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(W(text)));
    settingText_ = false;
    if (Change) Guarded(Change);
}

Selection Win32TextBox::selection() const {
    DWORD start = 0, end = 0;
    SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end - start};
}

void Win32TextBox::select(std::size_t start, std::size_t length) {
    // -1 is the edit box's own "to the end".
    const LPARAM end = length > static_cast<std::size_t>(PTRDIFF_MAX) - start
                           ? -1
                           : static_cast<LPARAM>(start + length);
    SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(start), end);
    // Windows leaves the view where it was (Wine scrolls already); a selection is shown.
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

// The label on the same row just before the box, in the same container.
std::u16string Win32TextBox::accessibleName() const {
    constexpr double kSameRow = 120, kGap = 240;  // twips
    const ControlLayout* found = nullptr;
    for (const auto& c : form_.layout().controls) {
        const double right = c.rect.left + c.rect.width;
        if (c.kind != ControlKind::Label || c.container != layout_.container ||
            std::abs(c.rect.top - layout_.rect.top) > kSameRow || right > layout_.rect.left + 1 ||
            layout_.rect.left - right > kGap)
            continue;
        if (!found || c.rect.left > found->rect.left) found = &c;
    }
    return found ? form_.label(found->name).text() : std::u16string();
}

void Win32TextBox::notify(WORD code) {
    if (code == EN_CHANGE && !settingText_ && Change) Guarded(Change);
}

}  // namespace pw::win32
