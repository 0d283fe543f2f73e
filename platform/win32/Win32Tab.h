#pragma once
#include "platform/win32/Win32Control.h"

namespace pw::win32 {

// A tab control; the form shows the controls of the page in front.
class Win32Tab : public Win32Ctl<Tab> {
  public:
    Win32Tab(Win32Form& form, const ControlLayout& layout, int id);
    int page() const override;
    void setPage(int page) override;
    // Ctrl+Tab and its kin: the next page (+1) or the previous one (-1), round the end.
    void step(int delta);
    void created() override;
    bool notify(const NMHDR& header, LRESULT& result) override;
};

}  // namespace pw::win32
