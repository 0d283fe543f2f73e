#pragma once
#include "platform/win32/Win32Control.h"

namespace pw::win32 {

class Win32Button : public Win32TextCtl<Button> {
  public:
    Win32Button(Win32Form& form, const ControlLayout& layout, int id);
    void notify(WORD code) override;
    // Its tool tip says in words what a caption such as "|<" or "2/5" stands for.
    std::u16string accessibleName() const override { return toolTip_; }
};

}  // namespace pw::win32
