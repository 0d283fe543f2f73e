#include "capture/CaptureAlert.h"

namespace pw {

namespace {
constexpr std::uint8_t kAlertTicks = 6;
}

void CaptureAlert::Start() {
    AlertTicks = 0;
    AlertPhase = false;
    timer_.setEnabled(true);
}

TrayPicture CaptureAlert::Tick(TrayPicture stateIcon) {
    ++AlertTicks;
    AlertPhase = !AlertPhase;
    if (AlertTicks >= kAlertTicks) {
        timer_.setEnabled(false);
        return stateIcon;
    }
    return AlertPhase ? TrayPicture::Alert : stateIcon;
}

}  // namespace pw
