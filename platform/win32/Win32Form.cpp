#include "platform/win32/Win32Form.h"

#include <commctrl.h>

#include <algorithm>
#include <stdexcept>
#include <utility>

#include "platform/Named.h"
#include "platform/Twips.h"
#include "platform/win32/Bug.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Button.h"
#include "platform/win32/Win32CheckBox.h"
#include "platform/win32/Win32Frame.h"
#include "platform/win32/Win32Label.h"
#include "platform/win32/Win32Link.h"
#include "platform/win32/Win32PageBackground.h"
#include "platform/win32/Win32Picture.h"
#include "platform/win32/Win32Tab.h"
#include "platform/win32/Win32TextBox.h"
#include "platform/win32/Win32UpDown.h"

namespace pw::win32 {

namespace {

constexpr int kFirstControlId = 100;

std::unique_ptr<Win32Child> MakeControl(Win32Form& form, const ControlLayout& c, int id) {
    switch (c.kind) {
        case ControlKind::Label:
            return std::make_unique<Win32Label>(form, c, id);
        case ControlKind::Link:
            return std::make_unique<Win32Link>(form, c, id);
        case ControlKind::TextBox:
            return std::make_unique<Win32TextBox>(form, c, id);
        case ControlKind::Button:
            return std::make_unique<Win32Button>(form, c, id);
        case ControlKind::CheckBox:
            return std::make_unique<Win32CheckBox>(form, c, id);
        case ControlKind::Frame:
            return std::make_unique<Win32Frame>(form, c, id);
        case ControlKind::UpDown:
            return std::make_unique<Win32UpDown>(form, c, id);
        case ControlKind::Tab:
            return std::make_unique<Win32Tab>(form, c, id);
        case ControlKind::Image:
            return std::make_unique<Win32Picture>(form, c, id);
        case ControlKind::Line:
            return std::make_unique<Win32Line>(form, c, id);
        case ControlKind::TabPage:
            break;  // a window of the form's own: see createPages
    }
    return nullptr;
}

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

Win32Form* Win32Form::FromHwnd(HWND hwnd) {
    wchar_t cls[32] = {};
    if (!hwnd || !GetClassNameW(hwnd, cls, 32) || wcscmp(cls, kFormClass) != 0) return nullptr;
    return reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
}

Win32Form::Win32Form(HINSTANCE instance, const FormLayout& layout, HWND owner) : layout_(layout) {
    const DWORD style =
        layout.sizable ? WS_OVERLAPPEDWINDOW : (WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME);
    const DWORD exStyle = layout.sizable ? 0 : WS_EX_DLGMODALFRAME;
    HMENU bar = createMenus();
    // The designed client area decides the first size. The window is made at that size, for
    // the DPI it will most likely have, rather than sized again once it exists.
    const auto frame = [&](UINT dpi) {
        RECT r{0, 0, PixelsFromTwips(layout.clientWidth, dpi),
               PixelsFromTwips(layout.clientHeight, dpi)};
        AdjustWindowRectExForDpi(&r, style, bar != nullptr, exStyle, dpi);
        return SIZE{r.right - r.left, r.bottom - r.top};
    };
    const UINT likelyDpi = GetDpiForSystem();
    const SIZE size = frame(likelyDpi);
    const std::u16string caption(layout.caption);
    window_.reset(CreateWindowExW(exStyle, kFormClass, W(caption), style | WS_CLIPCHILDREN,
                                  CW_USEDEFAULT, CW_USEDEFAULT, size.cx, size.cy, owner, bar,
                                  instance, this));
    if (!window_) {
        if (bar) DestroyMenu(bar);
        ProgrammingError("CreateWindowExW failed for a form");
        throw std::runtime_error("CreateWindowExW failed");
    }
    font_ = CreateUiFont(kFontFace, kFontPoints, false, dpi_);
    createPages(instance);
    createControls();
    UINT_PTR timerId = 1;
    for (const auto& t : layout.timers)
        timers_.emplace(std::string(t.name), std::make_unique<Win32Timer>(hwnd_, timerId++, t));
    if (dpi_ != likelyDpi) {
        const SIZE actual = frame(dpi_);
        SetWindowPos(hwnd_, nullptr, 0, 0, actual.cx, actual.cy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    placePages();
}

Win32Form::~Win32Form() {
    // No message of the dying window reaches a half-destroyed form.
    if (window_) SetWindowLongPtrW(window_.get(), GWLP_USERDATA, 0);
    window_.reset();
}

void Win32Form::applyDpi(UINT dpi) {
    dpi_ = dpi;
    // The controls get the new font before the old one goes.
    OwnedFont previous = std::exchange(font_, CreateUiFont(kFontFace, kFontPoints, false, dpi_));
    for (auto& [name, c] : controls_) c->applyDpi();
    placePages();
}

// A page is a window over its tab control's display area, above the tab control, holding the
// controls that stand on the page: it shows and hides them as one, and gives them its own
// background. The dialog manager looks into it for the tab order.
void Win32Form::createPages(HINSTANCE instance) {
    for (const auto& c : layout_.controls) {
        if (c.kind != ControlKind::TabPage) continue;
        HWND page = CreateWindowExW(WS_EX_CONTROLPARENT, kPageClass, nullptr,
                                    WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, 0, 0, hwnd_,
                                    nullptr, instance, nullptr);
        if (!page) {
            ProgrammingError("CreateWindowExW failed for page " + std::string(c.name));
            throw std::runtime_error("CreateWindowExW failed");
        }
        pages_.emplace(std::string(c.name), page);
    }
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
        auto control = MakeControl(*this, *c, id);
        if (!control) continue;
        control->applyDpi();
        if (!c->toolTip.empty()) control->events().setToolTip(c->toolTip);
        controls_.emplace(std::string(c->name), std::move(control));
    }
    groupKinds_.clear();
    for (auto& [name, c] : controls_) c->created();
    // Containers lie beneath what they hold: group boxes beneath their check boxes, pages after
    // the form's own controls, tab controls beneath their pages. Tabbing goes round in the same
    // cycle, so the tab order stays as designed: a tab control, the dialog's buttons, the page.
    const auto toBottom = [](HWND w) {
        SetWindowPos(w, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    };
    for (auto& [name, c] : controls_)
        if (c->layout().kind == ControlKind::Frame) toBottom(c->hwnd());
    for (auto& [name, page] : pages_) toBottom(page);
    for (auto& [name, c] : controls_)
        if (c->layout().kind == ControlKind::Tab) toBottom(c->hwnd());
}

void Win32Form::placePages() {
    for (auto& [name, page] : pages_) {
        const ControlLayout* l = layoutOf(name);
        HWND tab = child(l->container).hwnd();
        RECT r{};
        GetWindowRect(tab, &r);
        MapWindowPoints(nullptr, hwnd_, reinterpret_cast<POINT*>(&r), 2);
        SendMessageW(tab, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&r));
        MoveWindow(page, r.left, r.top, r.right - r.left, r.bottom - r.top, TRUE);
    }
    for (auto& [name, c] : controls_)
        if (onPage(c->layout())) c->applyDpi();
    showPages();
}

const ControlLayout* Win32Form::layoutOf(std::string_view name) const {
    if (name.empty()) return nullptr;
    for (const auto& c : layout_.controls)
        if (c.name == name) return &c;
    const std::string what = "no such container: " + std::string(name);
    ProgrammingError(what);
    throw std::out_of_range(what);
}

const ControlLayout* Win32Form::pageOf(const ControlLayout& control) const {
    for (const ControlLayout* c = layoutOf(control.container); c; c = layoutOf(c->container))
        if (c->kind == ControlKind::TabPage) return c;
    return nullptr;
}

int Win32Form::pageIndex(const ControlLayout& page) const {
    int index = 0;
    for (const auto& c : layout_.controls) {
        if (c.name == page.name) return index;
        if (c.kind == ControlKind::TabPage && c.container == page.container) ++index;
    }
    return -1;
}

bool Win32Form::pageInFront(const ControlLayout& page) const {
    auto it = controls_.find(page.container);
    return it != controls_.end() &&
           SendMessageW(it->second->hwnd(), TCM_GETCURSEL, 0, 0) == pageIndex(page);
}

bool Win32Form::startsGroup(const ControlLayout& control) {
    const auto [it, first] = groupKinds_.try_emplace(parentOf(control), control.kind);
    if (first) return true;
    const bool starts = it->second != control.kind;
    it->second = control.kind;
    return starts;
}

HWND Win32Form::parentOf(const ControlLayout& control) const {
    const ControlLayout* page = pageOf(control);
    return page ? pages_.at(std::string(page->name)) : hwnd_;
}

RECT Win32Form::pixelsInParent(std::string_view container, RectTw rect) const {
    const ControlLayout* page = nullptr;
    for (const ControlLayout* c = layoutOf(container); c; c = layoutOf(c->container)) {
        rect.left += c->rect.left;
        rect.top += c->rect.top;
        if (c->kind == ControlKind::TabPage) page = c;
    }
    POINT origin{0, 0};
    if (page) MapWindowPoints(pages_.at(std::string(page->name)), hwnd_, &origin, 1);
    const int left = PixelsFromTwips(rect.left, dpi_) - origin.x;
    const int top = PixelsFromTwips(rect.top, dpi_) - origin.y;
    return {left, top, left + PixelsFromTwips(rect.width, dpi_),
            top + PixelsFromTwips(rect.height, dpi_)};
}

HBRUSH Win32Form::pageBackground(const ControlLayout& control, HWND window, HDC dc) const {
    if (!onPage(control)) return nullptr;
    return PageBrush(parentOf(control), window, dc);
}

void Win32Form::showPages() {
    for (auto& [name, page] : pages_) {
        const bool show = pageInFront(*layoutOf(name));
        // The focus does not stay on a control that disappears: its tab control takes it.
        if (!show && IsChild(page, GetFocus())) SetFocus(child(layoutOf(name)->container).hwnd());
        ShowWindow(page, show ? SW_SHOWNA : SW_HIDE);
    }
}

Control& Win32Form::control(std::string_view name) { return Named(controls_, name).events(); }
Win32Child& Win32Form::child(std::string_view name) { return Named(controls_, name); }
MenuItem& Win32Form::menu(std::string_view name) { return Named(menus_, name); }
Timer& Win32Form::timer(std::string_view name) { return Named(timers_, name); }

void Win32Form::wrongKind(std::string_view name) {
    const std::string what = "a control of another kind: " + std::string(name);
    ProgrammingError(what);
    throw std::logic_error(what);
}

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
    // Nobody can point at a control before the window shows: the tips are made after that,
    // once the messages waiting are done, and the window shows that much sooner.
    if (!tips_) PostMessageW(hwnd_, kMakeToolTips, 0, 0);
}

bool Win32Form::enabled() const { return IsWindowEnabled(hwnd_) != FALSE; }
void Win32Form::setEnabled(bool enabled) { EnableWindow(hwnd_, enabled ? TRUE : FALSE); }

bool Win32Form::setFocus() {
    if (!IsWindowVisible(hwnd_) || !IsWindowEnabled(hwnd_)) return false;
    SetForegroundWindow(hwnd_);
    SetActiveWindow(hwnd_);
    HWND focus = GetFocus();
    if (!focus || focus == hwnd_ || GetAncestor(focus, GA_ROOT) != hwnd_) restoreFocus();
    return true;
}

// The control that had the focus last, where it can still take it; else the first in the tab
// order.
void Win32Form::restoreFocus() {
    HWND target = lastFocus_;
    if (!target || !IsWindow(target) || !IsWindowEnabled(target) || !IsWindowVisible(target))
        target = firstInTabOrder();
    SetFocus(target ? target : hwnd_);
}

HWND Win32Form::firstInTabOrder() const {
    const Win32Child* first = nullptr;
    for (const auto& [name, c] : controls_) {
        const int tab = c->layout().tabIndex;
        if (tab >= 0 && (GetWindowLongW(c->hwnd(), GWL_STYLE) & WS_TABSTOP) &&
            IsWindowEnabled(c->hwnd()) && IsWindowVisible(c->hwnd()) &&
            (!first || tab < first->layout().tabIndex))
            first = c.get();
    }
    return first ? first->hwnd() : nullptr;
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
    // A position is on the one virtual screen (as the monitors are), a size on this window.
    const UINT screenDpi = GetDpiForSystem();
    return {TwipsFromPixels(r.left, screenDpi), TwipsFromPixels(r.top, screenDpi),
            TwipsFromPixels(r.right - r.left, dpi_), TwipsFromPixels(r.bottom - r.top, dpi_)};
}

void Win32Form::setBounds(const RectTw& rect) {
    const UINT screenDpi = GetDpiForSystem();
    const int x = PixelsFromTwips(rect.left, screenDpi), y = PixelsFromTwips(rect.top, screenDpi);
    const int cx = PixelsFromTwips(rect.width, dpi_), cy = PixelsFromTwips(rect.height, dpi_);
    // Given a size, Windows measures the frame and the menu bar again even when the size is
    // the one the window has; a move alone is much cheaper.
    RECT now{};
    GetWindowRect(hwnd_, &now);
    UINT flags = SWP_NOZORDER | SWP_NOACTIVATE;
    if (now.right - now.left == cx && now.bottom - now.top == cy) flags |= SWP_NOSIZE;
    if (now.left == x && now.top == y) flags |= SWP_NOMOVE;
    SetWindowPos(hwnd_, nullptr, x, y, cx, cy, flags);
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

}  // namespace pw::win32
