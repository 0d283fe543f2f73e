#include "platform/win32/Win32Label.h"

#include <string>

#include "platform/Twips.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

template <typename Kind>
Win32LabelOf<Kind>::Win32LabelOf(Win32Form& form, const ControlLayout& layout, int id)
    // Notifying, so that clicks and the pointer over it reach the window.
    : Win32TextCtl<Kind>(form, layout, id, L"STATIC",
                         SS_LEFT | SS_NOTIFY | (layout.style & StyleAccessKey ? 0 : SS_NOPREFIX)),
      foreColor_(layout.foreColor) {}

template <typename Kind>
void Win32LabelOf<Kind>::setText(const std::u16string& text) {
    this->setWindowText(text);
    if (this->layout_.style & StyleAutoSize) {
        place();
        // A label keeps the pixels it drew at its old width, where a longer text wrapped out of
        // sight: draw it whole at the new one.
        InvalidateRect(this->hwnd_, nullptr, TRUE);
    }
}

template <typename Kind>
void Win32LabelOf<Kind>::setForeColor(Color color) {
    foreColor_ = color;
    InvalidateRect(this->hwnd_, nullptr, TRUE);
}

template <typename Kind>
void Win32LabelOf<Kind>::makeFonts(bool underlined) {
    const bool own = !this->layout_.font.name.empty();
    const UINT dpi = this->form_.dpi();
    if (fontDpi_ == dpi && (!underlined || underlineFont_)) return;
    const std::u16string face =
        own ? std::u16string(this->layout_.font.name) : U(kFontFace, wcslen(kFontFace));
    const double points = own ? this->layout_.font.points : kFontPoints;
    if (own) font_ = CreateUiFont(W(face), points, false, dpi);
    if (underlined) underlineFont_ = CreateUiFont(W(face), points, true, dpi);
    fontDpi_ = dpi;
}

template <typename Kind>
HFONT Win32LabelOf<Kind>::font() const {
    if (underline_ && underlineFont_) return underlineFont_.get();
    return font_ ? font_.get() : this->form_.font();
}

template <typename Kind>
void Win32LabelOf<Kind>::applyDpi() {
    if (!this->layout_.font.name.empty() || underline_) makeFonts(underline_);
    Win32Child::applyDpi();
}

template <typename Kind>
void Win32LabelOf<Kind>::place() {
    if (this->layout_.style & StyleAutoSize) fitWidthToText();
    Win32Child::place();
}

// Measured with the control's own font; the height stays as designed.
template <typename Kind>
void Win32LabelOf<Kind>::fitWidthToText() {
    const std::u16string caption = this->windowText();
    HDC dc = GetDC(this->hwnd_);
    if (!dc) return;
    HGDIOBJ old = SelectObject(dc, font());
    SIZE size{};
    const BOOL measured =
        GetTextExtentPoint32W(dc, W(caption), static_cast<int>(caption.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(this->hwnd_, dc);
    if (measured) this->bounds_.width = TwipsFromPixels(size.cx, this->form_.dpi());
}

template <typename Kind>
HBRUSH Win32LabelOf<Kind>::paint(HDC dc) {
    HBRUSH page = Win32Child::paint(dc);
    if (foreColor_ == kButtonTextColor) return page;
    SetTextColor(dc, ColorRef(foreColor_));
    if (page) return page;
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

template class Win32LabelOf<Label>;
template class Win32LabelOf<Link>;

}  // namespace pw::win32
