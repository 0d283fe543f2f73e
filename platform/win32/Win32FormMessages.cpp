// The window's class and messages: what reaches the controls, the keyboard of a dialog, the
// unload protocol and the message hook.
#include "platform/win32/Win32Form.h"
// After windows.h.
#include <commctrl.h>

#include <stdexcept>

#include "platform/Twips.h"
#include "platform/win32/Bug.h"
#include "platform/win32/Win32Link.h"
#include "platform/win32/Win32PageBackground.h"
#include "platform/win32/Win32Tab.h"

namespace pw::win32 {

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

Win32Child* Win32Form::controlById(int id) {
    for (auto& [name, c] : controls_)
        if (c->id() == id) return c.get();
    return nullptr;
}

Win32Child* Win32Form::controlByHwnd(HWND hwnd) {
    for (auto& [name, c] : controls_)
        if (c->hwnd() == hwnd) return c.get();
    return nullptr;
}

Win32Child* Win32Form::findStyled(std::uint32_t style) {
    for (auto& [name, c] : controls_)
        if (c->layout().style & style) return c.get();
    return nullptr;
}

bool Win32Form::preTranslate(MSG& msg) {
    if (accel_ && TranslateAcceleratorW(hwnd_, accel_.get(), &msg)) return true;
    const bool ctrl = GetKeyState(VK_CONTROL) < 0, alt = GetKeyState(VK_MENU) < 0;
    if (msg.message == WM_KEYDOWN && ctrl && !alt && switchPage(msg.wParam)) return true;
    // A dialog's keys are the dialog manager's: Tab, arrows in a group, Enter, Esc.
    if (!layout_.sizable) return IsDialogMessageW(hwnd_, &msg) != FALSE;
    if (msg.message != WM_KEYDOWN) return false;
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
            if (button->events().enabled())
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

// Ctrl+Tab, Ctrl+PageDown: the next page of the tab control; with Shift, or PageUp, the
// previous one.
bool Win32Form::switchPage(WPARAM key) {
    int delta = 0;
    if (key == VK_TAB)
        delta = GetKeyState(VK_SHIFT) < 0 ? -1 : 1;
    else if (key == VK_NEXT || key == VK_PRIOR)
        delta = key == VK_NEXT ? 1 : -1;
    else
        return false;
    for (auto& [name, c] : controls_) {
        if (auto* tab = dynamic_cast<Win32Tab*>(c.get())) {
            tab->step(delta);
            return true;
        }
    }
    return false;
}

// What the dialog manager asks of a dialog besides the keys: the next control, the default
// button.
bool Win32Form::dialogMessage(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    switch (msg) {
        case WM_NEXTDLGCTL: {
            HWND to = LOWORD(lp) ? reinterpret_cast<HWND>(wp)
                                 : GetNextDlgTabItem(hwnd_, GetFocus(), wp ? TRUE : FALSE);
            if (to) {
                SetFocus(to);
                // Tabbing into a text box selects its text, ready to be typed over.
                if (SendMessageW(to, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
                    SendMessageW(to, EM_SETSEL, 0, -1);
            }
            result = 0;
            return true;
        }
        case DM_GETDEFID: {
            const Win32Child* button = defaultButton_ ? defaultButton_ : findStyled(StyleDefault);
            result = button ? MAKELRESULT(button->id(), DC_HASDEFID) : 0;
            return true;
        }
        case WM_COMMAND:
            if (lp != 0 || (LOWORD(wp) != IDOK && LOWORD(wp) != IDCANCEL)) return false;
            if (auto* button = findStyled(LOWORD(wp) == IDOK ? StyleDefault : StyleCancel))
                button->notify(static_cast<WORD>(BN_CLICKED));
            result = 0;
            return true;
        default:
            return false;
    }
}

// The default button follows the focus: a push button with the focus is the one Enter presses;
// elsewhere the designed default is.
void Win32Form::focusMoved(Win32Child& to) {
    if (layout_.sizable) return;
    Win32Child* designed = findStyled(StyleDefault);
    Win32Child* chosen = to.layout().kind == ControlKind::Button ? &to : designed;
    if (chosen == defaultButton_) return;
    defaultButton_ = chosen;
    for (auto& [name, c] : controls_)
        if (c->layout().kind == ControlKind::Button)
            SendMessageW(c->hwnd(), BM_SETSTYLE,
                         c.get() == chosen ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON, TRUE);
}

// The tool tips, made when kMakeToolTips comes, once the window has shown.
void Win32Form::makeToolTips() {
    if (tips_) return;
    tips_ = CreateWindowExW(
        WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, hwnd_, nullptr,
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(hwnd_, GWLP_HINSTANCE)), nullptr);
    if (!tips_) {
        ProgrammingError("CreateWindowExW failed for the tool tips");
        return;
    }
    for (auto& [name, c] : controls_) c->registerTip();
}

void Win32Form::RegisterClass(HINSTANCE instance) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    // Shared icons: the system keeps them for the class's lifetime. Sized for the screen's
    // scale, so that the icon's own image of that size is taken rather than a stretched one.
    wc.hIcon = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                             GetSystemMetrics(SM_CXICON),
                                             GetSystemMetrics(SM_CYICON), LR_SHARED));
    wc.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON,
                                               GetSystemMetrics(SM_CXSMICON),
                                               GetSystemMetrics(SM_CYSMICON), LR_SHARED));
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kFormClass;
    WNDCLASSEXW page{};
    page.cbSize = sizeof page;
    page.lpfnWndProc = PageProc;
    page.hInstance = instance;
    page.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    page.lpszClassName = kPageClass;
    if (!RegisterClassExW(&wc) || !RegisterClassExW(&page)) {
        ProgrammingError("RegisterClassExW failed");
        throw std::runtime_error("RegisterClassExW failed");
    }
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

// What the controls on a page tell their parent goes on to the form.
LRESULT CALLBACK Win32Form::PageProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN:
        case WM_CTLCOLOREDIT:
        case WM_SETCURSOR:
            return SendMessageW(GetParent(hwnd), msg, wp, lp);
        case WM_ERASEBKGND:
            PaintPage(hwnd, reinterpret_cast<HDC>(wp));
            return TRUE;
        // Themed controls ask for what lies behind them with this.
        case WM_PRINTCLIENT:
            PaintPage(hwnd, reinterpret_cast<HDC>(wp));
            return 0;
        case WM_SIZE:
        case WM_THEMECHANGED:
            ForgetPagePicture(hwnd);
            return DefWindowProcW(hwnd, msg, wp, lp);
        case WM_NCDESTROY:
            FreePagePicture(hwnd);
            return DefWindowProcW(hwnd, msg, wp, lp);
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

LRESULT Win32Form::handle(UINT msg, WPARAM wp, LPARAM lp) {
    if (LRESULT result = 0; !layout_.sizable && dialogMessage(msg, wp, lp, result)) return result;
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
            if (auto* c = controlById(id)) c->notify(static_cast<WORD>(HIWORD(wp)));
            return 0;
        }
        case WM_CTLCOLORSTATIC:
        case WM_CTLCOLORBTN: {
            auto* c = controlByHwnd(reinterpret_cast<HWND>(lp));
            if (HBRUSH brush = c ? c->paint(reinterpret_cast<HDC>(wp)) : nullptr)
                return reinterpret_cast<LRESULT>(brush);
            return DefWindowProcW(hwnd_, msg, wp, lp);
        }
        case WM_NOTIFY: {
            const auto* header = reinterpret_cast<const NMHDR*>(lp);
            LRESULT result = 0;
            if (auto* c = controlById(static_cast<int>(header->idFrom));
                c && c->notify(*header, result))
                return result;
            return DefWindowProcW(hwnd_, msg, wp, lp);
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
        case kMakeToolTips:
            makeToolTips();
            return 0;
        case WM_SETCURSOR:
            return setCursor(wp, lp);
        case WM_GETMINMAXINFO: {
            auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
            if (minWidth_ > 0) mmi->ptMinTrackSize.x = PixelsFromTwips(minWidth_, dpi_);
            if (minHeight_ > 0) mmi->ptMinTrackSize.y = PixelsFromTwips(minHeight_, dpi_);
            return 0;
        }
        case WM_ACTIVATE:
            // The control that had the focus has it again when the window is active again, also
            // after a window of another program, a message box or a dialog.
            if (LOWORD(wp) == WA_INACTIVE) {
                HWND f = GetFocus();
                if (f && IsChild(hwnd_, f)) lastFocus_ = f;
                return 0;
            }
            if (!HIWORD(wp)) restoreFocus();
            return 0;
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

// Every movement of the pointer inside the window or one of its controls passes here.
LRESULT Win32Form::setCursor(WPARAM wp, LPARAM lp) {
    auto* over = controlByHwnd(reinterpret_cast<HWND>(wp));
    if (HIWORD(lp) == WM_MOUSEMOVE && LOWORD(lp) == HTCLIENT) {
        if (over && over->events().MouseMove)
            Guarded(over->events().MouseMove);
        else if (reinterpret_cast<HWND>(wp) == hwnd_ && MouseMove)
            Guarded(MouseMove);
    }
    if (over && over->layout().kind == ControlKind::Link && LOWORD(lp) == HTCLIENT) {
        SetCursor(Win32Link::HandCursor());
        return TRUE;
    }
    return DefWindowProcW(hwnd_, WM_SETCURSOR, wp, lp);
}

}  // namespace pw::win32
