// BareEdit.exe: the yardstick the Wine benchmarks hold PWick.exe against.
//   BareEdit.exe            one window holding one multi-line EDIT with the styles, font and
//                           size of PenWick's text box, and nothing behind it: no handler of
//                           its changes, no copy of its text
//   BareEdit.exe --window   one plain top-level window, for the start-up time
// In the first form it also plays the part of a program that keeps a text and shows it:
// kLoad takes the clipboard's text into memory, kShowLoaded puts it into the box, kShowEmpty
// empties the box. The benchmark driver times those messages.
#include <windows.h>
// After windows.h.
#include <commctrl.h>

#include <cstring>
#include <string>

#include "BareEdit.h"

namespace {

HWND edit = nullptr;
std::wstring loaded;

bool LoadClipboard(HWND owner) {
    if (!OpenClipboard(owner)) return false;
    bool ok = false;
    if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
            loaded.assign(p, wcsnlen(p, GlobalSize(data) / sizeof(wchar_t)));
            GlobalUnlock(data);
            ok = true;
        }
    }
    CloseClipboard();
    return ok;
}

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case bare_edit::kLoad:
            return LoadClipboard(hwnd) ? static_cast<LRESULT>(loaded.size()) : -1;
        case bare_edit::kShowLoaded:
            return SetWindowTextW(edit, loaded.c_str());
        case bare_edit::kShowEmpty:
            return SetWindowTextW(edit, L"");
        case WM_DESTROY:
            PostQuitMessage(0);
            return 0;
        default:
            return DefWindowProcW(hwnd, msg, wp, lp);
    }
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
    const bool windowOnly = std::wcsstr(commandLine, L"--window") != nullptr;
    if (!windowOnly) {
        const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
        InitCommonControlsEx(&controls);
    }
    WNDCLASSW wc{};
    wc.lpfnWndProc = WndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"BareEditWindow";
    RegisterClassW(&wc);

    const UINT dpi = GetDpiForSystem();
    auto px = [dpi](int twips) { return MulDiv(twips, static_cast<int>(dpi), 1440); };
    RECT frame{0, 0, px(5205), px(3870)};
    AdjustWindowRectEx(&frame, WS_OVERLAPPEDWINDOW, FALSE, 0);
    HWND main = CreateWindowExW(
        0, wc.lpszClassName, windowOnly ? bare_edit::kWindowCaption : bare_edit::kEditCaption,
        WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
        frame.bottom - frame.top, nullptr, nullptr, instance, nullptr);
    if (!main) return 1;
    if (!windowOnly) {
        edit = CreateWindowExW(
            WS_EX_CLIENTEDGE, L"EDIT", L"",
            WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL | ES_NOHIDESEL | ES_MULTILINE |
                ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_HSCROLL,
            px(120), px(120), px(4935), px(3015), main, nullptr, instance, nullptr);
        SendMessageW(edit, EM_SETLIMITTEXT, 0, 0);
        HFONT font =
            CreateFontW(-MulDiv(9, static_cast<int>(dpi), 72), 0, 0, 0, FW_NORMAL, FALSE, FALSE,
                        FALSE, GB2312_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                        DEFAULT_QUALITY, DEFAULT_PITCH | FF_DONTCARE, L"宋体");
        SendMessageW(edit, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }
    ShowWindow(main, SW_SHOWNORMAL);
    if (edit) SetFocus(edit);
    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
