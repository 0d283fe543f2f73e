#pragma once
#include <windows.h>

#include "platform/Shell.h"

namespace pw::win32 {

class Win32Shell : public Shell {
  public:
    Win32Shell() = default;
    ~Win32Shell() override;
    Win32Shell(const Win32Shell&) = delete;
    Win32Shell& operator=(const Win32Shell&) = delete;

    void open(Form* owner, std::u16string_view target, std::u16string_view folder) override;

  private:
    // Shell extensions that a target's default action may run expect COM on this thread; it is
    // started with the first target.
    bool comReady_ = false;
};

}  // namespace pw::win32
