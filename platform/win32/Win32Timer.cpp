#include "platform/win32/Win32Timer.h"

#include "platform/win32/Bug.h"

namespace pw::win32 {

Win32Timer::Win32Timer(HWND hwnd, UINT_PTR id, const TimerLayout& layout)
    : hwnd_(hwnd), id_(id), enabled_(layout.enabled), interval_(layout.interval) {
    apply();
}

void Win32Timer::apply() {
    if (enabled_ && interval_ > 0)
        armed_ = SetTimer(hwnd_, id_, static_cast<UINT>(interval_), nullptr) != 0;
    else if (armed_)
        armed_ = !KillTimer(hwnd_, id_);
}

void Win32Timer::setEnabled(bool enabled) {
    // Enabling a running timer does not start its interval again.
    if (enabled == enabled_ && (armed_ || !enabled)) return;
    enabled_ = enabled;
    apply();
}

bool Win32Timer::setInterval(int milliseconds) {
    if (milliseconds < 0) return false;
    interval_ = milliseconds;
    apply();
    return true;
}

void Win32Timer::fire() {
    // A tick that arrives while the previous one still waits (in a message box) is dropped.
    if (!enabled_ || ticking_ || !Tick) return;
    ticking_ = true;
    Guarded(Tick);
    ticking_ = false;
}

}  // namespace pw::win32
