#pragma once
#include "platform/win32/Win32Label.h"

namespace pw::win32 {

// A label that answers clicks, underlined on request, with the pointing hand over it.
class Win32Link : public Win32LabelOf<Link> {
  public:
    using Win32LabelOf::Win32LabelOf;
    bool underline() const override { return underline_; }
    void setUnderline(bool underline) override;
    void notify(WORD code) override;

    static HCURSOR HandCursor();
};

}  // namespace pw::win32
