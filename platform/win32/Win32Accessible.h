#pragma once
// Accessible names that a screen reader reads where the control's caption would say nothing
// useful ("|<", a number): answered to WM_GETOBJECT with the system's own accessible object for
// the control, its name replaced.
#include <windows.h>

#include <optional>
#include <string>

namespace pw::win32 {

// The answer to WM_GETOBJECT for a control with this name; nothing where the system's own
// answer serves (another object asked for, or the system refuses).
std::optional<LRESULT> AccessibleWithName(HWND control, WPARAM wp, LPARAM lp,
                                          const std::u16string& name);

}  // namespace pw::win32
