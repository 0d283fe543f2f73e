#include "platform/win32/Win32Forms.h"

#include <commctrl.h>
#include <uxtheme.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

#include "platform/Named.h"
#include "platform/Twips.h"
#include "platform/UpDown.h"
#include "platform/win32/SystemDll.h"
#include "platform/win32/Wide.h"

namespace pw::win32 {

namespace {

constexpr wchar_t kFormClass[] = L"PenWickForm";
constexpr int kFirstControlId = 100;
constexpr int kFontPoints = 9;
constexpr wchar_t kFontFace[] = L"宋体";
constexpr int kProgramIconId = 1, kHandCursorId = 101;  // resources/PWick.rc.in

// Every font of the program: normal weight, the GB2312 character set.
OwnedFont CreateUiFont(const wchar_t* face, double points, bool underline, UINT dpi) {
    const int height = -static_cast<int>(std::lround(points * dpi / 72.0));
    return OwnedFont(CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, underline ? TRUE : FALSE, FALSE,
                                 GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                                 DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, face));
}

COLORREF ColorRef(Color color) {
    return (color & 0x80000000u) ? GetSysColor(static_cast<int>(color & 0xFF)) : color;
}

// The program's own pointing hand, loaded once and shared by every link.
HCURSOR HandCursor() {
    static const HCURSOR hand = [] {
        HCURSOR c = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kHandCursorId));
        return c ? c : LoadCursorW(nullptr, IDC_HAND);
    }();
    return hand;
}

}  // namespace

// ---------------------------------------------------------------- controls

Win32Control::Win32Control(Win32Form& form, const ControlLayout& layout, HWND hwnd, int id)
    : form_(form),
      layout_(layout),
      hwnd_(hwnd),
      id_(id),
      bounds_(layout.rect),
      foreColor_(layout.foreColor) {
    SetWindowSubclass(hwnd_, SubclassProc, 1, reinterpret_cast<DWORD_PTR>(this));
    if (isEdit()) SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);  // no limit: panels can be huge
    if (layout_.kind == ControlKind::Line) lineBrush_.reset(CreateSolidBrush(ColorRef(foreColor_)));
}

// Read straight into the string that is returned: a panel may hold megabytes.
std::u16string Win32Control::text() const {
    const int n = GetWindowTextLengthW(hwnd_);
    if (n <= 0) return {};
    std::u16string text(static_cast<std::size_t>(n), u'\0');
    // The string keeps room for its terminating NUL, which is where Windows writes its own.
    const int got = GetWindowTextW(hwnd_, reinterpret_cast<wchar_t*>(text.data()), n + 1);
    text.resize(static_cast<std::size_t>(std::clamp(got, 0, n)));
    return text;
}

void Win32Control::setText(const std::u16string& text) {
    settingText_ = true;
    SetWindowTextW(hwnd_, W(text));
    settingText_ = false;
    if (layout_.style & StyleAutoSize) applyDpi();
    // A multi-line edit box raises no change for a text set by the program; raise it here,
    // once, for every kind of text box.
    if (isEdit() && Change) Guarded(Change);
}

// Measured with the control's own font; the height stays as designed.
void Win32Control::fitWidthToText() {
    const std::u16string caption = text();
    HDC dc = GetDC(hwnd_);
    if (!dc) return;
    HGDIOBJ old =
        SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(hwnd_, WM_GETFONT, 0, 0)));
    SIZE size{};
    const BOOL measured =
        GetTextExtentPoint32W(dc, W(caption), static_cast<int>(caption.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(hwnd_, dc);
    if (measured) bounds_.width = TwipsFromPixels(size.cx, form_.dpi());
}

void Win32Control::setToolTip(std::u16string_view tip) {
    toolTip_ = tip;
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

bool Win32Control::enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }

void Win32Control::setEnabled(bool enabled) {
    if (!enabled && GetFocus() == hwnd_) {
        // A disabled control must not keep the keyboard focus; pass it on as a dialog would.
        HWND next = GetNextDlgTabItem(form_.hwnd(), hwnd_, FALSE);
        if (next && next != hwnd_) SetFocus(next);
    }
    EnableWindow(hwnd_, enabled ? TRUE : FALSE);
}

bool Win32Control::setFocus() {
    if (!IsWindowVisible(form_.hwnd()) || !IsWindowEnabled(form_.hwnd()) || !IsWindowEnabled(hwnd_))
        return false;
    SetFocus(hwnd_);
    return GetFocus() == hwnd_;
}

bool Win32Control::hasFocus() const { return GetFocus() == hwnd_; }

Selection Win32Control::selection() const {
    DWORD start = 0, end = 0;
    SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    return {start, end - start};
}

void Win32Control::select(std::size_t start, std::size_t length) {
    // -1 is the edit box's own "to the end".
    const LPARAM end = length > static_cast<std::size_t>(PTRDIFF_MAX) - start
                           ? -1
                           : static_cast<LPARAM>(start + length);
    SendMessageW(hwnd_, EM_SETSEL, static_cast<WPARAM>(start), end);
    // Windows leaves the view where it was (Wine scrolls already); a selection is shown.
    SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
}

bool Win32Control::checked() const {
    if (layout_.kind == ControlKind::TabPage) return form_.pageInFront(layout_);
    return SendMessageW(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Win32Control::setChecked(bool checked) {
    if (layout_.kind == ControlKind::TabPage) {
        if (checked) form_.bringToFront(layout_);
        return;
    }
    SendMessageW(hwnd_, BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Win32Control::setBounds(const RectTw& rect) {
    bounds_ = rect;
    applyDpi();
}

void Win32Control::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    SendMessageW(hwnd_, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    setValue(value_);
}

void Win32Control::setValue(int value) {
    value_ = std::clamp(value, minimum_, maximum_);
    SendMessageW(hwnd_, UDM_SETPOS32, 0, value_);
    showValueInBuddy();
}

// The up-down keeps no number of the box itself (no UDS_SETBUDDYINT): the box is written here,
// only where it shows another text, so a number being typed keeps its caret and selection.
void Win32Control::showValueInBuddy() {
    if (layout_.buddy.empty()) return;
    Control& box = form_.control(layout_.buddy);
    const std::u16string shown = UpDownText(value_);
    if (box.text() != shown) box.setText(shown);
}

void Win32Control::spin(int delta) {
    Control& box = form_.control(layout_.buddy);
    int from = value_;
    if (auto n = UpDownNumber(box.text()); n && *n >= minimum_ && *n <= maximum_) from = *n;
    setValue(from + delta);
    if (Change) Guarded(Change);
}

void Win32Control::setForeColor(Color color) {
    foreColor_ = color;
    if (layout_.kind == ControlKind::Line) lineBrush_.reset(CreateSolidBrush(ColorRef(color)));
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Win32Control::setUnderline(bool underline) {
    if (underline == underline_) return;
    underline_ = underline;
    applyDpi();
}

void Win32Control::makeFonts(UINT dpi) {
    const bool own = !layout_.font.name.empty();
    if (!own && !underline_ && !underlineFont_) return;
    if (fontDpi_ == dpi && underlineFont_) return;
    const std::u16string face =
        own ? std::u16string(layout_.font.name) : U(kFontFace, wcslen(kFontFace));
    const double points = own ? layout_.font.points : kFontPoints;
    if (own) font_ = CreateUiFont(W(face), points, false, dpi);
    underlineFont_ = CreateUiFont(W(face), points, true, dpi);
    fontDpi_ = dpi;
}

void Win32Control::applyDpi() {
    const UINT dpi = form_.dpi();
    makeFonts(dpi);
    HFONT font = underline_ ? underlineFont_.get() : font_ ? font_.get() : form_.font();
    SendMessageW(hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    if (layout_.kind == ControlKind::Image) {
        const int size = PixelsFromTwips(bounds_.width, dpi);
        icon_.reset(static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr),
                                                  MAKEINTRESOURCEW(kProgramIconId), IMAGE_ICON,
                                                  size, size, 0)));
        SendMessageW(hwnd_, STM_SETICON, reinterpret_cast<WPARAM>(icon_.get()), 0);
    }
    if (layout_.style & StyleAutoSize) fitWidthToText();
    // Every control is a child of the form; containers only move it.
    const RectTw r = form_.inClientArea(layout_.container, bounds_);
    MoveWindow(hwnd_, PixelsFromTwips(r.left, dpi), PixelsFromTwips(r.top, dpi),
               PixelsFromTwips(r.width, dpi), PixelsFromTwips(r.height, dpi), TRUE);
}

HBRUSH Win32Control::paint(HDC dc) {
    if (layout_.kind == ControlKind::Line) return lineBrush_.get();
    if (layout_.kind != ControlKind::Label || foreColor_ == kButtonTextColor) return nullptr;
    SetTextColor(dc, ColorRef(foreColor_));
    SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
    return GetSysColorBrush(COLOR_BTNFACE);
}

void Win32Control::notify(WORD code) {
    switch (code) {
        case BN_CLICKED:  // STN_CLICKED for a label
            if (layout_.kind == ControlKind::Button || layout_.kind == ControlKind::CheckBox ||
                layout_.kind == ControlKind::Label)
                if (Click) Guarded(Click);
            break;
        case EN_CHANGE:
            if (!settingText_ && Change) Guarded(Change);
            break;
        default:
            break;
    }
}

LRESULT CALLBACK Win32Control::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                            DWORD_PTR data) {
    auto* self = reinterpret_cast<Win32Control*>(data);
    switch (msg) {
        case WM_CHAR:
            if (self->KeyPress) {
                char16_t key = static_cast<char16_t>(wp);
                Guarded([&] { self->KeyPress(key); });
                if (key == 0) return 0;
                if (!IsWindow(hwnd)) return 0;
                wp = key;
            }
            break;
        case WM_SETFOCUS: {
            LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
            if (self->GotFocus) Guarded(self->GotFocus);
            return r;
        }
        case WM_KILLFOCUS: {
            LRESULT r = DefSubclassProc(hwnd, msg, wp, lp);
            if (self->LostFocus) Guarded(self->LostFocus);
            return r;
        }
        case WM_NCDESTROY:
            RemoveWindowSubclass(hwnd, SubclassProc, 1);
            break;
        default:
            break;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}

// ---------------------------------------------------------------- menus

Win32MenuItem::Win32MenuItem(const MenuLayout& layout, HMENU parent, int id,
                             std::vector<Win32MenuItem*> siblingsBefore, HMENU submenu)
    : layout_(layout),
      parent_(parent),
      id_(id),
      before_(std::move(siblingsBefore)),
      submenu_(submenu) {
    insert();
}

void Win32MenuItem::insert() {
    UINT position = 0;
    for (auto* item : before_) position += item->visible_ ? 1 : 0;
    std::u16string text(layout_.caption);
    const std::u16string shortcut = ShortcutText(layout_.shortcut);
    if (!shortcut.empty()) text += u"\t" + shortcut;
    MENUITEMINFOW mii{};
    mii.cbSize = sizeof mii;
    if (layout_.caption == u"-") {
        mii.fMask = MIIM_FTYPE | MIIM_ID;
        mii.fType = MFT_SEPARATOR;
    } else {
        mii.fMask = MIIM_STRING | MIIM_ID | MIIM_STATE | (submenu_ ? MIIM_SUBMENU : 0);
        mii.dwTypeData = const_cast<wchar_t*>(W(text));
        mii.fState = checked_ ? MFS_CHECKED : MFS_UNCHECKED;
        mii.hSubMenu = submenu_;
    }
    mii.wID = static_cast<UINT>(id_);
    InsertMenuItemW(parent_, position, TRUE, &mii);
}

void Win32MenuItem::setChecked(bool checked) {
    checked_ = checked;
    if (visible_)
        CheckMenuItem(parent_, static_cast<UINT>(id_),
                      MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void Win32MenuItem::setVisible(bool visible) {
    if (visible == visible_) return;
    // Windows menus know no hidden items: take the item out and put it back in its place.
    if (visible) {
        visible_ = true;
        insert();
    } else {
        visible_ = false;
        if (submenu_) {
            for (int i = GetMenuItemCount(parent_) - 1; i >= 0; --i)
                if (GetSubMenu(parent_, i) == submenu_)
                    RemoveMenu(parent_, static_cast<UINT>(i), MF_BYPOSITION);
        } else {
            RemoveMenu(parent_, static_cast<UINT>(id_), MF_BYCOMMAND);
        }
    }
}

// ---------------------------------------------------------------- timers

Win32Timer::Win32Timer(HWND hwnd, UINT_PTR id, const TimerLayout& layout)
    : hwnd_(hwnd), id_(id), enabled_(layout.enabled), interval_(layout.interval) {
    apply();
}

void Win32Timer::apply() {
    if (enabled_ && interval_ > 0)
        SetTimer(hwnd_, id_, static_cast<UINT>(interval_), nullptr);
    else
        KillTimer(hwnd_, id_);
}

void Win32Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    apply();
}

bool Win32Timer::setInterval(int milliseconds) {
    if (milliseconds < 0) return false;
    interval_ = milliseconds;
    apply();
    return true;
}

void Win32Timer::fire() {
    // A tick that arrives while the previous one still waits (in a message box) is dropped.
    if (!enabled_ || ticking_ || !Tick) return;
    ticking_ = true;
    Guarded(Tick);
    ticking_ = false;
}

// ---------------------------------------------------------------- form

void Win32Form::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    // Shared icons: the system keeps them for the class's lifetime.
    wc.hIcon = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 32, 32, LR_SHARED));
    wc.hIconSm = static_cast<HICON>(
        LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, 16, 16, LR_SHARED));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    if (!RegisterClassExW(&wc)) {
        ProgrammingError("RegisterClassExW failed");
        throw std::runtime_error("RegisterClassExW failed");
    }
}

Win32Form* Win32Form::FromHwnd(HWND hwnd) {
    wchar_t cls[32] = {};
    if (!hwnd || !GetClassNameW(hwnd, cls, 32) || wcscmp(cls, kFormClass) != 0) return nullptr;
    return reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

Win32Form::Win32Form(HINSTANCE instance, const FormLayout& layout, HWND owner) : layout_(layout) {
    const DWORD style =
        layout.sizable ? WS_OVERLAPPEDWINDOW : (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    const std::u16string caption(layout.caption);
    window_.reset(CreateWindowExW(layout.sizable ? 0 : WS_EX_DLGMODALFRAME, kFormClass, W(caption),
                                  style | WS_CLIPCHILDREN, CW_USEDEFAULT, CW_USEDEFAULT, 400, 300,
                                  owner, nullptr, instance, this));
    if (!window_) {
        ProgrammingError("CreateWindowExW failed for a form");
        throw std::runtime_error("CreateWindowExW failed");
    }
    font_ = createFont();
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_,
                            nullptr, instance, nullptr);
    if (!tips_) ProgrammingError("CreateWindowExW failed for the tool tips");
    createMenus();
    createControls();
    UINT_PTR timerId = 1;
    for (const auto& t : layout.timers)
        timers_.emplace(std::string(t.name), std::make_unique<Win32Timer>(hwnd_, timerId++, t));

    // The designed client area decides the first size.
    RECT r{0, 0, PixelsFromTwips(layout.clientWidth, dpi_),
           PixelsFromTwips(layout.clientHeight, dpi_)};
    AdjustWindowRectExForDpi(&r, style, GetMenu(hwnd_) != nullptr, 0, dpi_);
    SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

Win32Form::~Win32Form() {
    // No message of the dying window reaches a half-destroyed form.
    if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
    window_.reset();
}

OwnedFont Win32Form::createFont() const {
    return CreateUiFont(kFontFace, kFontPoints, false, dpi_);
}

void Win32Form::applyDpi(UINT dpi) {
    dpi_ = dpi;
    // The controls get the new font before the old one goes.
    OwnedFont previous = std::exchange(font_, createFont());
    for (auto& [name, c] : controls_) c->applyDpi();
}

void Win32Form::createControls() {
    std::vector<const ControlLayout*> order;
    for (const auto& c : layout_.controls) order.push_back(&c);
    // Windows tabs through controls in the order they were created.
    std::stable_sort(order.begin(), order.end(), [](auto* a, auto* b) {
        const int ta = a->tabIndex < 0 ? 1 << 20 : a->tabIndex;
        const int tb = b->tabIndex < 0 ? 1 << 20 : b->tabIndex;
        return ta < tb;
    });
    for (const ControlLayout* c : order) {
        const int id = kFirstControlId + static_cast<int>(c - layout_.controls.data());
        const wchar_t* cls = L"STATIC";
        DWORD style = WS_CHILD;
        DWORD ex = 0;
        switch (c->kind) {
            case ControlKind::Label:
                // Notifying, so that clicks and the pointer over it reach the window.
                style |= SS_LEFT | SS_NOPREFIX | SS_NOTIFY;
                break;
            case ControlKind::Image:
                style |= SS_ICON | SS_CENTERIMAGE | SS_NOTIFY;
                break;
            case ControlKind::Line:
                // Not notifying: the pointer over a line is over the window's background.
                style |= SS_LEFT;
                break;
            case ControlKind::TextBox:
                cls = L"EDIT";
                ex = WS_EX_CLIENTEDGE;
                style |= WS_TABSTOP | ES_AUTOHSCROLL | ES_NOHIDESEL;
                if (c->style & StyleMultiline)
                    style |= ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
                if (c->style & StyleScrollBars) style |= WS_VSCROLL | WS_HSCROLL;
                break;
            case ControlKind::Button:
                cls = L"BUTTON";
                style |=
                    WS_TABSTOP | ((c->style & StyleDefault) ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON);
                break;
            case ControlKind::CheckBox:
                cls = L"BUTTON";
                style |= WS_TABSTOP | BS_AUTOCHECKBOX;
                break;
            case ControlKind::Frame:
                cls = L"BUTTON";
                style |= BS_GROUPBOX;
                // A group box paints no inside: the window must not clip it away.
                ex = WS_EX_TRANSPARENT;
                break;
            case ControlKind::UpDown:
                cls = UPDOWN_CLASSW;
                style |= UDS_ARROWKEYS;
                break;
            case ControlKind::Tab:
                cls = WC_TABCONTROLW;
                style |= WS_TABSTOP | WS_CLIPSIBLINGS;
                break;
            case ControlKind::TabPage:
                break;  // never shown: its tab stands for it
        }
        if (!(c->style & StyleHidden) && c->kind != ControlKind::TabPage) style |= WS_VISIBLE;
        const std::u16string caption(c->caption);
        HWND h =
            CreateWindowExW(ex, cls, W(caption), style, 0, 0, 10, 10, hwnd_,
                            reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
        if (!h) {
            ProgrammingError("CreateWindowExW failed for control " + std::string(c->name));
            throw std::runtime_error("CreateWindowExW failed");
        }
        auto control = std::make_unique<Win32Control>(*this, *c, h, id);
        control->applyDpi();
        if (!c->toolTip.empty()) control->setToolTip(c->toolTip);
        controls_.emplace(std::string(c->name), std::move(control));
    }
    for (const auto& c : layout_.controls) {
        if (c.kind != ControlKind::UpDown) continue;
        HWND upDown = FindNamed(controls_, c.name).hwnd();
        // One step per notification, also while an arrow is held down.
        UDACCEL step{0, 1};
        SendMessageW(upDown, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
        if (!c.buddy.empty())
            SendMessageW(upDown, UDM_SETBUDDY,
                         reinterpret_cast<WPARAM>(FindNamed(controls_, c.buddy).hwnd()), 0);
    }
    createTabs();
}

RectTw Win32Form::inClientArea(std::string_view container, RectTw rect) const {
    for (const ControlLayout* c = layoutOf(container); c; c = layoutOf(c->container)) {
        rect.left += c->rect.left;
        rect.top += c->rect.top;
    }
    return rect;
}

const ControlLayout* Win32Form::layoutOf(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (const auto& c : layout_.controls)
        if (c.name == name) return &c;
    const std::string what = "no such container: " + std::string(name);
    ProgrammingError(what);
    throw std::out_of_range(what);
}

int Win32Form::pageIndex(const ControlLayout& page) const {
    int index = 0;
    for (const auto& c : layout_.controls) {
        if (c.name == page.name) return index;
        if (c.kind == ControlKind::TabPage && c.container == page.container) ++index;
    }
    return -1;
}

const ControlLayout* Win32Form::pageOf(const ControlLayout& control) const {
    for (const ControlLayout* c = layoutOf(control.container); c; c = layoutOf(c->container))
        if (c->kind == ControlKind::TabPage) return c;
    return nullptr;
}

bool Win32Form::pageInFront(const ControlLayout& page) const {
    auto& tab = FindNamed(controls_, page.container);
    return SendMessageW(tab.hwnd(), TCM_GETCURSEL, 0, 0) == pageIndex(page);
}

void Win32Form::bringToFront(const ControlLayout& page) {
    auto& tab = FindNamed(controls_, page.container);
    SendMessageW(tab.hwnd(), TCM_SETCURSEL, static_cast<WPARAM>(pageIndex(page)), 0);
    showPages();
}

void Win32Form::createTabs() {
    // Containers lie beneath what they hold: group boxes above their tab control, both at
    // the bottom. Tabbing goes round in the same cycle, so the tab order stays as designed.
    for (auto kind : {ControlKind::Frame, ControlKind::Tab})
        for (auto& [name, c] : controls_)
            if (c->layout().kind == kind)
                SetWindowPos(c->hwnd(), HWND_BOTTOM, 0, 0, 0, 0,
                             SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    for (const auto& c : layout_.controls) {
        if (c.kind != ControlKind::TabPage) continue;
        std::u16string caption(c.caption);
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = const_cast<wchar_t*>(W(caption));
        SendMessageW(FindNamed(controls_, c.container).hwnd(), TCM_INSERTITEMW,
                     static_cast<WPARAM>(pageIndex(c)), reinterpret_cast<LPARAM>(&item));
    }
    showPages();
}

void Win32Form::showPages() {
    for (auto& [name, c] : controls_) {
        const ControlLayout& l = c->layout();
        const ControlLayout* page = pageOf(l);
        if (!page || (l.style & StyleHidden)) continue;
        const bool show = pageInFront(*page);
        // The focus does not stay on a control that disappears.
        if (!show && GetFocus() == c->hwnd()) SetFocus(hwnd_);
        ShowWindow(c->hwnd(), show ? SW_SHOWNA : SW_HIDE);
    }
}

void Win32Form::createMenus() {
    if (layout_.menus.empty()) return;
    HMENU bar = CreateMenu();
    std::vector<ACCEL> accels;
    HMENU level[3] = {bar, nullptr, nullptr};
    std::vector<Win32MenuItem*> siblings[3];
    const auto& menus = layout_.menus;
    for (std::size_t i = 0; i < menus.size(); ++i) {
        const MenuLayout& m = menus[i];
        const int id = kFirstMenuCommand + static_cast<int>(i);
        const bool hasChildren = i + 1 < menus.size() && menus[i + 1].level > m.level;
        HMENU sub = hasChildren ? CreatePopupMenu() : nullptr;
        std::unique_ptr<Win32MenuItem> item;
        if (m.level == 0 && m.hiddenTop) {
            // A pop-up only, never on the bar; its item lives in a menu nobody shows.
            ownedMenus_.emplace_back(sub);
            popups_[std::string(m.name)] = sub;
            HMENU holder = ownedMenus_.emplace_back(CreatePopupMenu()).get();
            item = std::make_unique<Win32MenuItem>(m, holder, id, std::vector<Win32MenuItem*>{},
                                                   nullptr);
        } else {
            HMENU parent = level[m.level];
            item = std::make_unique<Win32MenuItem>(m, parent, id, siblings[m.level], sub);
            siblings[m.level].push_back(item.get());
            if (m.level == 0) popups_[std::string(m.name)] = sub;
        }
        if (hasChildren && m.level < 2) {
            level[m.level + 1] = sub;
            siblings[m.level + 1].clear();
        }
        if (m.shortcut.key) {
            BYTE flags = FVIRTKEY;
            if (m.shortcut.ctrl) flags |= FCONTROL;
            if (m.shortcut.shift) flags |= FSHIFT;
            accels.push_back({flags, m.shortcut.key, static_cast<WORD>(id)});
        }
        menus_.emplace(std::string(m.name), std::move(item));
    }
    SetMenu(hwnd_, bar);
    if (!accels.empty())
        accel_.reset(CreateAcceleratorTableW(accels.data(), static_cast<int>(accels.size())));
}

namespace {

template <typename Map>
auto& Named(Map& map, std::string_view name) {
    try {
        return FindNamed(map, name);
    } catch (const std::out_of_range& e) {
        ProgrammingError(e.what());
        throw;
    }
}

}  // namespace

Control& Win32Form::control(std::string_view name) { return Named(controls_, name); }
MenuItem& Win32Form::menu(std::string_view name) { return Named(menus_, name); }
Timer& Win32Form::timer(std::string_view name) { return Named(timers_, name); }

bool Win32Form::visible() const { return IsWindowVisible(hwnd_) != FALSE; }

void Win32Form::setVisible(bool visible) {
    if (!visible) {
        ShowWindow(hwnd_, SW_HIDE);
        return;
    }
    if (restoreOnShow_ || IsIconic(hwnd_)) {
        restoreOnShow_ = false;
        ShowWindow(hwnd_, SW_RESTORE);
        // A window maximised before it was minimised comes back maximised: normal it must be.
        if (IsZoomed(hwnd_)) ShowWindow(hwnd_, SW_RESTORE);
    } else {
        ShowWindow(hwnd_, SW_SHOW);
    }
    // Painted now, not once whatever the caller does next is done.
    UpdateWindow(hwnd_);
}

bool Win32Form::enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
void Win32Form::setEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

bool Win32Form::setFocus() {
    if (!IsWindowVisible(hwnd_) || !IsWindowEnabled(hwnd_)) return false;
    SetForegroundWindow(hwnd_);
    SetActiveWindow(hwnd_);
    HWND focus = GetFocus();
    if (!focus || focus == hwnd_ || GetAncestor(focus, GA_ROOT) != hwnd_) {
        HWND target = (lastFocus_ && IsWindow(lastFocus_) && IsWindowEnabled(lastFocus_))
                          ? lastFocus_
                          : GetNextDlgTabItem(hwnd_, nullptr, FALSE);
        SetFocus(target ? target : hwnd_);
    }
    return true;
}

WindowState Win32Form::windowState() const {
    if (restoreOnShow_) return WindowState::Normal;
    if (IsIconic(hwnd_)) return WindowState::Minimized;
    if (IsZoomed(hwnd_)) return WindowState::Maximized;
    return WindowState::Normal;
}

void Win32Form::setWindowState(WindowState state) {
    const bool shown = IsWindowVisible(hwnd_) != FALSE;
    switch (state) {
        case WindowState::Normal:
            if (IsIconic(hwnd_) || IsZoomed(hwnd_)) {
                // A hidden window comes back in the normal state when it is next shown.
                if (shown)
                    ShowWindow(hwnd_, SW_RESTORE);
                else
                    restoreOnShow_ = true;
            }
            break;
        case WindowState::Minimized:
            ShowWindow(hwnd_, SW_MINIMIZE);
            break;
        case WindowState::Maximized:
            ShowWindow(hwnd_, SW_MAXIMIZE);
            break;
    }
}

RectTw Win32Form::bounds() const {
    RECT r{};
    GetWindowRect(hwnd_, &r);
    return {TwipsFromPixels(r.left, dpi_), TwipsFromPixels(r.top, dpi_),
            TwipsFromPixels(r.right - r.left, dpi_), TwipsFromPixels(r.bottom - r.top, dpi_)};
}

void Win32Form::setBounds(const RectTw& rect) {
    SetWindowPos(hwnd_, nullptr, PixelsFromTwips(rect.left, dpi_), PixelsFromTwips(rect.top, dpi_),
                 PixelsFromTwips(rect.width, dpi_), PixelsFromTwips(rect.height, dpi_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

RectTw Win32Form::clientArea() const {
    RECT r{};
    GetClientRect(hwnd_, &r);
    return {0, 0, TwipsFromPixels(r.right, dpi_), TwipsFromPixels(r.bottom, dpi_)};
}

void Win32Form::setMinimumSize(double width, double height) {
    minWidth_ = width;
    minHeight_ = height;
}

void Win32Form::unload() { requestUnload(UnloadMode::FormCode); }

void Win32Form::requestUnload(UnloadMode mode) {
    if (unloading_) return;
    bool cancel = false;
    if (QueryUnload) Guarded([&] { QueryUnload(cancel, mode); });
    if (cancel) return;
    unloading_ = true;
    if (Unload) Guarded(Unload);
    ShowWindow(hwnd_, SW_HIDE);
    for (auto& [name, t] : timers_) t->setEnabled(false);
    // Unloaded means gone, also for a window whose own event unloads it; the object stays
    // until its owner lets it go.
    window_.reset();
}

void Win32Form::popupMenu(std::string_view menuName) {
    auto it = popups_.find(menuName);
    if (it == popups_.end() || !it->second) return;
    POINT pt{};
    GetCursorPos(&pt);
    // Without the foreground the menu would not close when the user clicks elsewhere.
    SetForegroundWindow(hwnd_);
    TrackPopupMenuEx(it->second, TPM_LEFTALIGN | TPM_LEFTBUTTON, pt.x, pt.y, hwnd_, nullptr);
    PostMessageW(hwnd_, WM_NULL, 0, 0);
}

void Win32Form::hookMessages(MessageHook hook) {
    unhookMessages();
    hook_ = std::move(hook);
    previousProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(HookProc)));
}

void Win32Form::unhookMessages() {
    if (previousProc_ && hwnd_)
        SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previousProc_));
    previousProc_ = nullptr;
    hook_ = nullptr;
}

LRESULT CALLBACK Win32Form::HookProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self || !self->previousProc_) return DefWindowProcW(hwnd, msg, wp, lp);
    const WNDPROC previous = self->previousProc_;
    // The hook may unhook itself (the tray menu's Exit): run a copy.
    if (MessageHook hook = self->hook_)
        Guarded([&] { hook(msg, wp, static_cast<std::intptr_t>(lp)); });
    return CallWindowProcW(previous, hwnd, msg, wp, lp);
}

void Win32Form::pageChanged(int tabId) {
    showPages();
    const Win32Control* tab = controlById(tabId);
    if (!tab) return;
    // The page now in front hears the click on its tab.
    for (auto& [name, c] : controls_) {
        const ControlLayout& l = c->layout();
        if (l.kind == ControlKind::TabPage && l.container == tab->layout().name && pageInFront(l) &&
            c->Click)
            Guarded(c->Click);
    }
}

Win32Control* Win32Form::controlById(int id) {
    for (auto& [name, c] : controls_)
        if (c->id() == id) return c.get();
    return nullptr;
}

Win32Control* Win32Form::controlByHwnd(HWND hwnd) {
    for (auto& [name, c] : controls_)
        if (c->hwnd() == hwnd) return c.get();
    return nullptr;
}

Win32Control* Win32Form::findStyled(std::uint32_t style) {
    for (auto& [name, c] : controls_)
        if (c->layout().style & style) return c.get();
    return nullptr;
}

bool Win32Form::preTranslate(MSG& msg) {
    if (accel_ && TranslateAcceleratorW(hwnd_, accel_.get(), &msg)) return true;
    if (msg.message != WM_KEYDOWN) return false;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
    if (msg.wParam == VK_TAB && !ctrl && !alt) {
        const bool back = GetKeyState(VK_SHIFT) < 0;
        HWND next = GetNextDlgTabItem(hwnd_, GetFocus(), back ? TRUE : FALSE);
        if (next) SetFocus(next);
        return true;
    }
    auto* focused = controlById(GetDlgCtrlID(GetFocus()));
    const bool multiline = focused && (focused->layout().style & StyleMultiline);
    if (msg.wParam == VK_RETURN && !multiline) {
        // Enter presses the button that has the focus, else the default one.
        const bool onButton = focused && focused->layout().kind == ControlKind::Button;
        if (auto* button = onButton ? focused : findStyled(StyleDefault)) {
            if (button->enabled())
                PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(button->id(), BN_CLICKED),
                             reinterpret_cast<LPARAM>(button->hwnd()));
            return true;
        }
    }
    if (msg.wParam == VK_ESCAPE) {
        if (auto* cancel = findStyled(StyleCancel)) {
            PostMessageW(hwnd_, WM_COMMAND, MAKEWPARAM(cancel->id(), BN_CLICKED),
                         reinterpret_cast<LPARAM>(cancel->hwnd()));
            return true;
        }
    }
    return false;
}

LRESULT CALLBACK Win32Form::WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_NCCREATE) {
        auto* cs = reinterpret_cast<CREATESTRUCTW*>(lp);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(cs->lpCreateParams));
        auto* form = reinterpret_cast<Win32Form*>(cs->lpCreateParams);
        form->hwnd_ = hwnd;
        // Every size of the window, the first minimum size included, uses its own DPI.
        form->dpi_ = GetDpiForWindow(hwnd);
    }
    auto* self = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    bool handled = false;
    Guarded([&] {
        result = self->handle(msg, wp, lp);
        handled = true;
    });
    return handled ? result : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT Win32Form::handle(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND: {
            const int id = LOWORD(wp);
            if (lp == 0 && id >= kFirstMenuCommand) {
                const int index = id - kFirstMenuCommand;
                if (index < static_cast<int>(layout_.menus.size())) {
                    auto& item =
                        menus_.at(std::string(layout_.menus[static_cast<std::size_t>(index)].name));
                    if (item->Click) Guarded(item->Click);
                }
                return 0;
            }
            if (auto* c = controlById(id)) c->notify(HIWORD(wp));
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            auto* c = controlByHwnd(reinterpret_cast<HWND>(lp));
            if (!c) return DefWindowProcW(hwnd_, msg, wp, lp);
            if (msg == WM_CTLCOLORSTATIC)
                if (HBRUSH brush = c->paint(reinterpret_cast<HDC>(wp)))
                    return reinterpret_cast<LRESULT>(brush);
            // A themed tab page has the window colour; what stands on it takes that too.
            static auto* const themed =
                SystemFunction<decltype(IsAppThemed)>(L"uxtheme.dll", "IsAppThemed");
            if (!pageOf(c->layout()) || !themed || !themed())
                return DefWindowProcW(hwnd_, msg, wp, lp);
            SetBkColor(reinterpret_cast<HDC>(wp), GetSysColor(COLOR_WINDOW));
            return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lp);
            if (header->code == TCN_SELCHANGE) {
                pageChanged(static_cast<int>(header->idFrom));
                return 0;
            }
            if (header->code != UDN_DELTAPOS) return DefWindowProcW(hwnd_, msg, wp, lp);
            if (auto* c = controlById(static_cast<int>(header->idFrom)))
                c->spin(reinterpret_cast<const NMUPDOWN*>(lp)->iDelta);
            return TRUE;  // the value and the box have been set here
        }
        case WM_TIMER: {
            UINT_PTR index = 1;
            for (const auto& tl : layout_.timers) {
                if (index++ == wp) {
                    timers_.at(std::string(tl.name))->fire();
                    break;
                }
            }
            return 0;
        }
        case WM_CHAR:
            if (KeyPress) {
                char16_t key = static_cast<char16_t>(wp);
                Guarded([&] { KeyPress(key); });
            }
            return 0;
        case WM_SYSCOMMAND:
            if ((wp & 0xFFF0) == SC_CLOSE) frameClose_ = true;
            return DefWindowProcW(hwnd_, msg, wp, lp);
        case WM_CLOSE: {
            const UnloadMode mode =
                frameClose_ ? UnloadMode::FormControlMenu : UnloadMode::AppTaskManager;
            frameClose_ = false;
            requestUnload(mode);
            return 0;
        }
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wp) requestUnload(UnloadMode::AppWindows);
            return 0;
        case WM_SIZE:
            if (Resize) Guarded(Resize);
            return 0;
        case WM_SETCURSOR: {
            // Every movement of the pointer inside the window or one of its controls passes here.
            auto* over = controlByHwnd(reinterpret_cast<HWND>(wp));
            if (HIWORD(lp) == WM_MOUSEMOVE && LOWORD(lp) == HTCLIENT) {
                if (over && over->MouseMove)
                    Guarded(over->MouseMove);
                else if (reinterpret_cast<HWND>(wp) == hwnd_ && MouseMove)
                    Guarded(MouseMove);
            }
            if (over && (over->layout().style & StyleHandCursor) && LOWORD(lp) == HTCLIENT) {
                SetCursor(HandCursor());
                return TRUE;
            }
            return DefWindowProcW(hwnd_, msg, wp, lp);
        }
        case WM_GETMINMAXINFO: {
            auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
            if (minWidth_ > 0) mmi->ptMinTrackSize.x = PixelsFromTwips(minWidth_, dpi_);
            if (minHeight_ > 0) mmi->ptMinTrackSize.y = PixelsFromTwips(minHeight_, dpi_);
            return 0;
        }
        case WM_ACTIVATE:
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND f = GetFocus();
                if (f && GetParent(f) == hwnd_) lastFocus_ = f;
            } else if (lastFocus_ && IsWindow(lastFocus_)) {
                SetFocus(lastFocus_);
                return 0;
            }
            return DefWindowProcW(hwnd_, msg, wp, lp);
        case WM_DPICHANGED: {
            applyDpi(HIWORD(wp));
            // The suggested rectangle keeps the size in twips; the resize lays the window out.
            auto* r = reinterpret_cast<RECT*>(lp);
            SetWindowPos(hwnd_, nullptr, r->left, r->top, r->right - r->left, r->bottom - r->top,
                         SWP_NOZORDER | SWP_NOACTIVATE);
            return 0;
        }
        case WM_DESTROY:
            (void)window_.release();  // already going: nothing left to destroy
            hwnd_ = nullptr;
            return 0;
        default:
            return DefWindowProcW(hwnd_, msg, wp, lp);
    }
}

}  // namespace pw::win32
