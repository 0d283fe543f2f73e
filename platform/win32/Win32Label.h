#pragma once
#include "platform/win32/Win32Control.h"

namespace pw::win32 {

// A label: its caption in its colour, with a font of its own where the layout names one, as
// wide as its caption where the layout asks for that. Links are labels too.
template <typename Kind>
class Win32LabelOf : public Win32TextCtl<Kind> {
  public:
    Win32LabelOf(Win32Form& form, const ControlLayout& layout, int id);
    void setText(const std::u16string& text) override;
    Color foreColor() const override { return foreColor_; }
    void setForeColor(Color color) override;
    void applyDpi() override;
    void place() override;
    HBRUSH paint(HDC dc) override;

  protected:
    HFONT font() const override;
    // The fonts for this DPI: the plain one and, where asked for, the underlined one.
    void makeFonts(bool underlined);
    bool underline_ = false;

  private:
    void fitWidthToText();

    Color foreColor_;
    OwnedFont font_, underlineFont_;
    UINT fontDpi_ = 0;
};

using Win32Label = Win32LabelOf<Label>;

extern template class Win32LabelOf<Label>;
extern template class Win32LabelOf<Link>;

}  // namespace pw::win32
