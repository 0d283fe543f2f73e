#pragma once
#include "platform/win32/Win32Control.h"

namespace pw::win32 {

// Checked or unchecked; Windows turns it over before Click runs.
class Win32CheckBox : public Win32TextCtl<CheckBox> {
  public:
    Win32CheckBox(Win32Form& form, const ControlLayout& layout, int id);
    bool checked() const override;
    void setChecked(bool checked) override;
    void notify(WORD code) override;
};

}  // namespace pw::win32
