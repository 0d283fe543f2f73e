#include "platform/win32/Win32PageBackground.h"

#include <uxtheme.h>
#include <vssym32.h>

#include "platform/win32/Owned.h"
#include "platform/win32/SystemDll.h"

namespace pw::win32 {

namespace {

using OwnedBitmap = Owned<HBITMAP, DeleteObject>;

// Kept with the page (its window's user data) from the first control that asks.
struct PagePicture {
    SIZE size{};
    bool made = false;
    OwnedBitmap bitmap;  // the themed body; none without a visual style
    OwnedBrush brush;
};

// The themed body of a tab control over `r`; false where no visual style is on. uxtheme is
// loaded with the first page shown, not at start-up.
bool DrawTabBody(HWND page, HDC dc, const RECT& r) {
    static auto* const themed =
        SystemFunction<decltype(IsAppThemed)>(L"uxtheme.dll", "IsAppThemed");
    static auto* const open =
        SystemFunction<decltype(OpenThemeData)>(L"uxtheme.dll", "OpenThemeData");
    static auto* const draw =
        SystemFunction<decltype(DrawThemeBackground)>(L"uxtheme.dll", "DrawThemeBackground");
    static auto* const close =
        SystemFunction<decltype(CloseThemeData)>(L"uxtheme.dll", "CloseThemeData");
    if (!themed || !open || !draw || !close || !themed()) return false;
    HTHEME theme = open(page, L"TAB");
    if (!theme) return false;
    const HRESULT drawn = draw(theme, dc, TABP_BODY, 0, &r, nullptr);
    close(theme);
    return SUCCEEDED(drawn);
}

PagePicture& PictureOf(HWND page) {
    auto* picture = reinterpret_cast<PagePicture*>(GetWindowLongPtrW(page, GWLP_USERDATA));
    if (!picture) {
        picture = new PagePicture;
        SetWindowLongPtrW(page, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(picture));
    }
    return *picture;
}

}  // namespace

void PaintPage(HWND page, HDC dc) {
    RECT r{};
    GetClientRect(page, &r);
    if (!DrawTabBody(page, dc, r)) FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
}

HBRUSH PageBrush(HWND page, HWND control, HDC dc) {
    PagePicture& picture = PictureOf(page);
    RECT r{};
    GetClientRect(page, &r);
    if (!picture.made || picture.size.cx != r.right || picture.size.cy != r.bottom) {
        picture = {{r.right, r.bottom}, true, nullptr, nullptr};
        HDC screen = GetDC(page);
        HDC memory = screen ? CreateCompatibleDC(screen) : nullptr;
        OwnedBitmap bitmap(memory ? CreateCompatibleBitmap(screen, r.right, r.bottom) : nullptr);
        if (bitmap) {
            const HGDIOBJ old = SelectObject(memory, bitmap.get());
            const bool themed = DrawTabBody(page, memory, r);
            SelectObject(memory, old);
            if (themed) {
                picture.brush.reset(CreatePatternBrush(bitmap.get()));
                picture.bitmap = std::move(bitmap);
            }
        }
        if (memory) DeleteDC(memory);
        if (screen) ReleaseDC(page, screen);
    }
    if (!picture.brush) {
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return GetSysColorBrush(COLOR_BTNFACE);
    }
    // The picture starts at the page's corner, wherever the control lies on it.
    POINT at{0, 0};
    MapWindowPoints(control, page, &at, 1);
    SetBrushOrgEx(dc, -at.x, -at.y, nullptr);
    SetBkMode(dc, TRANSPARENT);
    return picture.brush.get();
}

void ForgetPagePicture(HWND page) {
    if (auto* picture = reinterpret_cast<PagePicture*>(GetWindowLongPtrW(page, GWLP_USERDATA)))
        picture->made = false;
}

void FreePagePicture(HWND page) {
    delete reinterpret_cast<PagePicture*>(GetWindowLongPtrW(page, GWLP_USERDATA));
    SetWindowLongPtrW(page, GWLP_USERDATA, 0);
}

}  // namespace pw::win32
