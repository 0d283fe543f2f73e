#pragma once
#include "platform/win32/Win32Control.h"

namespace pw::win32 {

// A group box: a frame with its caption, beneath the controls it holds.
class Win32Frame : public Win32TextCtl<Frame> {
  public:
    Win32Frame(Win32Form& form, const ControlLayout& layout, int id)
        // It paints no inside, so what lies under it must not be clipped away; it must not
        // paint over the controls above it either.
        : Win32TextCtl(form, layout, id, L"BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS,
                       WS_EX_TRANSPARENT) {}
};

}  // namespace pw::win32
