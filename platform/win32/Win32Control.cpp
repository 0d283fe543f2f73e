#include "platform/win32/Win32Control.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <string>

#include "platform/win32/Bug.h"
#include "platform/win32/Win32Accessible.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

OwnedFont CreateUiFont(const wchar_t* face, double points, bool underline, UINT dpi) {
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    return OwnedFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
                                 GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

COLORREF ColorRef(Color color) {
    return (color & 0x80000000u) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

Win32Child::Win32Child(Win32Form& form, const ControlLayout& layout, int id,
                       const wchar_t* windowClass, DWORD style, DWORD exStyle)
    : form_(form), layout_(layout), id_(id), bounds_(layout.rect) {
    style |= WS_CHILD;
    if (!(layout.style & StyleHidden)) style |= WS_VISIBLE;
    if (layout.style & StyleDisabled) style |= WS_DISABLED;
    if (form.startsGroup(layout)) style |= WS_GROUP;
    const std::u16string caption(layout.caption);
    const RECT r = form.pixelsInParent(layout.container, bounds_);
    hwnd_ = CreateWindowExW(exStyle, windowClass, W(caption), style, r.left, r.top,
                            r.right - r.left, r.bottom - r.top, form.parentOf(layout),
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    if (!hwnd_) {
        ProgrammingError("CreateWindowExW failed for control " + std::string(layout.name));
        throw std::runtime_error("CreateWindowExW failed");
    }
    // Subclassed the plain way, the control found again through its user data: the common
    // controls' subclass chain looks itself up among the window's properties twice for every
    // message, which under Wine is a trip to the server each time.
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    baseProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ControlProc)));
}

HFONT Win32Child::font() const { return form_.font(); }

void Win32Child::applyDpi() {
    // Not on every move: a text box lays out its whole text again for a new font. Nothing to
    // repaint while the window is hidden: it is painted whole when it shows.
    const BOOL redraw = IsWindowVisible(form_.hwnd());
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font()), redraw);
    place();
}

void Win32Child::place() {
    const RECT r = form_.pixelsInParent(layout_.container, bounds_);
    // Moving a window costs a trip to the window manager even when nothing changes.
    RECT now{};
    GetWindowRect(hwnd_, &now);
    MapWindowPoints(HWND_DESKTOP, GetParent(hwnd_), reinterpret_cast<POINT*>(&now), 2);
    if (EqualRect(&r, &now)) return;
    // Nothing to repaint in a hidden window: it is painted whole when it shows.
    const UINT redraw = IsWindowVisible(form_.hwnd()) ? 0 : SWP_NOREDRAW | SWP_NOCOPYBITS;
    SetWindowPos(hwnd_, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                 SWP_NOZORDER | SWP_NOACTIVATE | redraw);
}

HBRUSH Win32Child::paint(HDC dc) { return form_.pageBackground(layout_, hwnd_, dc); }

bool Win32Child::isEnabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void Win32Child::enable(bool enabled) {
    if (isEnabled() == enabled) return;
    if (!enabled && GetFocus() == hwnd_) {
        // A disabled control must not keep the keyboard focus; pass it on as a dialog would.
        HWND next = GetNextDlgTabItem(form_.hwnd(), hwnd_, FALSE);
        if (next && next != hwnd_) SetFocus(next);
    }
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Win32Child::focus() {
    if (!IsWindowVisible(form_.hwnd()) || !IsWindowEnabled(form_.hwnd()) || !IsWindowEnabled(hwnd_))
        return false;
    SetFocus(hwnd_);
    return GetFocus() == hwnd_;
}

void Win32Child::setTip(std::u16string_view tip) {
    toolTip_ = tip;
    if (form_.toolTips()) registerTip();
}

void Win32Child::registerTip() {
    if (toolTip_.empty() && !toolAdded_) return;
    TOOLINFOW ti{};
    ti.cbSize = sizeof ti;
    ti.hwnd = form_.hwnd();
    ti.uId = reinterpret_cast<UINT_PTR>(hwnd_);
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.lpszText = const_cast<wchar_t*>(W(toolTip_));
    // Added once; every later caption only replaces the text of that one tool.
    const UINT message = toolAdded_ ? TTM_UPDATETIPTEXTW : TTM_ADDTOOLW;
    toolAdded_ =
        SendMessageW(form_.toolTips(), message, 0, reinterpret_cast<LPARAM>(&ti)) || toolAdded_;
}

// Read straight into the string that is returned: a panel may hold megabytes.
std::u16string Win32Child::windowText() const {
    const int n = GetWindowTextLengthW(hwnd_);
    if (n <= 0) return {};
    std::u16string text(static_cast<std::size_t>(n), u'\0');
    // The string keeps room for its terminating NUL, which is where Windows writes its own.
    const int got = GetWindowTextW(hwnd_, reinterpret_cast<wchar_t*>(text.data()), n + 1);
    text.resize(static_cast<std::size_t>(std::clamp(got, 0, n)));
    return text;
}

void Win32Child::setWindowText(const std::u16string& text) { SetWindowTextW(hwnd_, W(text)); }

LRESULT CALLBACK Win32Child::ControlProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* child = reinterpret_cast<Win32Child*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    const WNDPROC base = child->baseProc_;
    Control& self = child->events();
    switch (msg) {
        case WM_CHAR:
            if (self.KeyPress) {
                char16_t key = static_cast<char16_t>(wp);
                Guarded([&] { self.KeyPress(key); });
                if (key == 0) return 0;
                if (!IsWindow(hwnd)) return 0;
                wp = key;
            }
            break;
        case WM_SETFOCUS: {
            LRESULT r = CallWindowProcW(base, hwnd, msg, wp, lp);
            child->form_.focusMoved(*child);
            if (self.GotFocus) Guarded(self.GotFocus);
            return r;
        }
        case WM_KILLFOCUS: {
            LRESULT r = CallWindowProcW(base, hwnd, msg, wp, lp);
            if (self.LostFocus) Guarded(self.LostFocus);
            return r;
        }
        case WM_GETOBJECT:
            if (auto answer = AccessibleWithName(hwnd, wp, lp, child->accessibleName()))
                return *answer;
            break;
        default:
            break;
    }
    return CallWindowProcW(base, hwnd, msg, wp, lp);
}

}  // namespace pw::win32
