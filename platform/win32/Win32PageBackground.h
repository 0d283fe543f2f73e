#pragma once
// The background of a tab page: the tab control's body as the visual style draws it, or the
// dialog colour where no style is on, so that a page looks like the inside of its tab.
#include <windows.h>

namespace pw::win32 {

// Paints the page's client area (WM_ERASEBKGND, WM_PRINTCLIENT).
void PaintPage(HWND page, HDC dc);
// The brush a control on the page paints its background with, lined up with the page's own
// picture so that nothing on the page stands out from it.
HBRUSH PageBrush(HWND page, HWND control, HDC dc);
// The page's size or the visual style changed: the picture is made again when next needed.
void ForgetPagePicture(HWND page);
// The page goes: what its picture held goes with it (WM_NCDESTROY).
void FreePagePicture(HWND page);

}  // namespace pw::win32
