#include "platform/win32/Win32UpDown.h"

#include <commctrl.h>

#include <algorithm>

#include "platform/UpDown.h"
#include "platform/win32/Bug.h"
#include "platform/win32/Win32Form.h"

namespace pw::win32 {

Win32UpDown::Win32UpDown(Win32Form& form, const ControlLayout& layout, int id)
    : Win32Ctl(form, layout, id, UPDOWN_CLASSW, UDS_ARROWKEYS) {
    // One step per notification, also while an arrow is held down.
    UDACCEL step{0, 1};
    SendMessageW(hwnd_, UDM_SETACCEL, 1, reinterpret_cast<LPARAM>(&step));
}

void Win32UpDown::created() {
    if (layout_.buddy.empty()) return;
    buddy_ = &form_.textBox(layout_.buddy);
    SendMessageW(hwnd_, UDM_SETBUDDY, reinterpret_cast<WPARAM>(form_.child(layout_.buddy).hwnd()),
                 0);
}

void Win32UpDown::setRange(int minimum, int maximum) {
    minimum_ = minimum;
    maximum_ = maximum;
    SendMessageW(hwnd_, UDM_SETRANGE32, static_cast<WPARAM>(minimum), maximum);
    setValue(value_);
}

void Win32UpDown::setValue(int value) {
    value_ = std::clamp(value, minimum_, maximum_);
    SendMessageW(hwnd_, UDM_SETPOS32, 0, value_);
    showValueInBuddy();
}

// The up-down keeps no number of the box itself (no UDS_SETBUDDYINT): the box is written here,
// only where it shows another text, so a number being typed keeps its caret and selection.
void Win32UpDown::showValueInBuddy() {
    if (!buddy_) return;
    const std::u16string shown = UpDownText(value_);
    if (buddy_->text() != shown) buddy_->setText(shown);
}

void Win32UpDown::spin(int delta) {
    int from = value_;
    if (buddy_)
        if (auto n = UpDownNumber(buddy_->text()); n && *n >= minimum_ && *n <= maximum_) from = *n;
    setValue(from + delta);
    if (Change) Guarded(Change);
}

bool Win32UpDown::notify(const NMHDR& header, LRESULT& result) {
    if (header.code != UDN_DELTAPOS) return false;
    spin(reinterpret_cast<const NMUPDOWN&>(header).iDelta);
    result = TRUE;  // the value and the box have been set here
    return true;
}

}  // namespace pw::win32
