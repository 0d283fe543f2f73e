#pragma once
#include "platform/win32/Win32Control.h"

namespace pw::win32 {

// The program icon, drawn at the size of its rectangle.
class Win32Picture : public Win32Ctl<Control> {
  public:
    Win32Picture(Win32Form& form, const ControlLayout& layout, int id)
        : Win32Ctl(form, layout, id, L"STATIC", SS_ICON | SS_CENTERIMAGE | SS_NOTIFY) {}
    void applyDpi() override;

  private:
    OwnedIcon icon_;
};

// A bar of its colour, as high as its rectangle. The pointer over it is over the window's
// background, so it does not notify.
class Win32Line : public Win32Ctl<Control> {
  public:
    Win32Line(Win32Form& form, const ControlLayout& layout, int id)
        : Win32Ctl(form, layout, id, L"STATIC", SS_LEFT),
          brush_(CreateSolidBrush(ColorRef(layout.foreColor))) {}
    HBRUSH paint(HDC) override { return brush_.get(); }

  private:
    OwnedBrush brush_;
};

}  // namespace pw::win32
