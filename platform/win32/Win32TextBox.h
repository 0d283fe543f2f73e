#pragma once
#include "platform/win32/Win32Control.h"

namespace pw::win32 {

// An edit box without a length limit: a panel can be huge.
class Win32TextBox : public Win32Ctl<TextBox> {
  public:
    Win32TextBox(Win32Form& form, const ControlLayout& layout, int id);
    std::u16string text() const override { return windowText(); }
    void setText(const std::u16string& text) override;
    void replaceAll(const std::u16string& text) override;
    Selection selection() const override;
    void select(std::size_t start, std::size_t length) override;
    void notify(WORD code) override;
    // The label in front of it.
    std::u16string accessibleName() const override;

  private:
    bool settingText_ = false;
};

}  // namespace pw::win32
