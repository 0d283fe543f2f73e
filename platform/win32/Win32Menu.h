#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "platform/Form.h"

namespace pw::win32 {

class Win32MenuItem : public MenuItem {
  public:
    Win32MenuItem(const MenuLayout& layout, HMENU parent, int id,
                  std::vector<Win32MenuItem*> siblingsBefore, HMENU submenu);
    std::u16string caption() const override { return std::u16string(layout_.caption); }
    bool checked() const override { return checked_; }
    void setChecked(bool checked) override;
    bool visible() const override { return visible_; }
    void setVisible(bool visible) override;

    int id() const { return id_; }

  private:
    void insert();

    const MenuLayout layout_;
    HMENU parent_;
    int id_;
    std::vector<Win32MenuItem*> before_;  // earlier items of the same menu, for re-insertion
    HMENU submenu_;
    bool checked_ = false;
    bool visible_ = true;
};

}  // namespace pw::win32
