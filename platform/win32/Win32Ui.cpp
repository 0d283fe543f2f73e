#include "platform/win32/Win32Ui.h"

#include "platform/Twips.h"
#include "platform/win32/Wide.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

Win32Ui::Win32Ui(HINSTANCE instance) : instance_(instance) { Win32Form::RegisterClass(instance); }

std::unique_ptr<Form> Win32Ui::createForm(const FormLayout& layout, Form* owner) {
    const auto* ownerForm = dynamic_cast<Win32Form*>(owner);
    return std::make_unique<Win32Form>(instance_, layout, ownerForm ? ownerForm->hwnd() : nullptr);
}

MsgResult Win32Ui::messageBox(Form* owner, std::u16string_view text, std::u16string_view title,
                              MsgIcon icon, MsgButtons buttons) {
    UINT flags = MB_SETFOREGROUND;
    flags |= buttons == MsgButtons::YesNo ? (MB_YESNO | MB_DEFBUTTON1) : MB_OK;
    if (icon == MsgIcon::Exclamation) flags |= MB_ICONEXCLAMATION;
    if (icon == MsgIcon::Question) flags |= MB_ICONQUESTION;
    HWND ownerHwnd = nullptr;
    if (auto* form = dynamic_cast<Win32Form*>(owner)) ownerHwnd = form->hwnd();
    const std::u16string t(text), c(title);
    switch (MessageBoxW(ownerHwnd, W(t), W(c), flags)) {
        case IDOK:
            return MsgResult::Ok;
        case IDYES:
            return MsgResult::Yes;
        case IDNO:
            return MsgResult::No;
        default:
            return MsgResult::Closed;
    }
}

namespace {

struct MonitorQuery {
    RECT MONITORINFO::*part;
    std::vector<RectTw> list;
};

// Screen coordinates are physical pixels on every monitor; they become twips at the system
// DPI, as a window's position does (Win32Form::bounds), whatever each monitor's own DPI is.
BOOL CALLBACK CollectMonitor(HMONITOR monitor, HDC, LPRECT, LPARAM data) {
    auto* query = reinterpret_cast<MonitorQuery*>(data);
    MONITORINFO mi{};
    mi.cbSize = sizeof mi;
    if (!GetMonitorInfoW(monitor, &mi)) return TRUE;
    const UINT dpi = GetDpiForSystem();
    const RECT& r = mi.*query->part;
    RectTw rect{TwipsFromPixels(r.left, dpi), TwipsFromPixels(r.top, dpi),
                TwipsFromPixels(r.right - r.left, dpi), TwipsFromPixels(r.bottom - r.top, dpi)};
    auto& list = query->list;
    if (mi.dwFlags & MONITORINFOF_PRIMARY)
        list.insert(list.begin(), rect);
    else
        list.push_back(rect);
    return TRUE;
}

std::vector<RectTw> CollectMonitors(RECT MONITORINFO::*part) {
    MonitorQuery query{part, {}};
    EnumDisplayMonitors(nullptr, nullptr, CollectMonitor, reinterpret_cast<LPARAM>(&query));
    return query.list;
}

}  // namespace

std::vector<RectTw> Win32Ui::monitors() const { return CollectMonitors(&MONITORINFO::rcMonitor); }

std::vector<RectTw> Win32Ui::workAreas() const { return CollectMonitors(&MONITORINFO::rcWork); }

void Win32Ui::quit() { PostQuitMessage(0); }

int Win32Ui::run() {
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (auto* form = Win32Form::FromHwnd(root); form && form->preTranslate(msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace pw::win32
