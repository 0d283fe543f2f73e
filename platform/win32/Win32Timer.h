#pragma once
#include <windows.h>

#include "platform/Form.h"

namespace pw::win32 {

class Win32Timer : public Timer {
  public:
    Win32Timer(HWND hwnd, UINT_PTR id, const TimerLayout& layout);
    bool enabled() const override { return enabled_; }
    void setEnabled(bool enabled) override;
    int interval() const override { return interval_; }
    bool setInterval(int milliseconds) override;
    void fire();

  private:
    void apply();
    HWND hwnd_;
    UINT_PTR id_;
    bool enabled_;
    int interval_;
    bool ticking_ = false;
    bool armed_ = false;  // a system timer is running
};

}  // namespace pw::win32
