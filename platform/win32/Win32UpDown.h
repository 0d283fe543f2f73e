#pragma once
#include "platform/win32/Win32Control.h"

namespace pw::win32 {

// The arrows beside a text box, its buddy, which shows the value.
class Win32UpDown : public Win32Ctl<UpDown> {
  public:
    Win32UpDown(Win32Form& form, const ControlLayout& layout, int id);
    int value() const override { return value_; }
    void setValue(int value) override;
    void setRange(int minimum, int maximum) override;
    void created() override;
    bool notify(const NMHDR& header, LRESULT& result) override;

  private:
    void showValueInBuddy();
    // An arrow was clicked (or an arrow key pressed in the box).
    void spin(int delta);

    TextBox* buddy_ = nullptr;
    int value_ = 0, minimum_ = 0, maximum_ = 0;
};

}  // namespace pw::win32
