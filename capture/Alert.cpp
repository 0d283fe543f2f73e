// After a capture the tray icon blinks: alert, state, alert, state, alert, state.
#include "app/Main.h"

namespace pw {

namespace {
constexpr std::uint8_t kAlertTicks = 6;
}

void Main::AlertTimer_Timer() {
    ++AlertTicks;
    AlertPhase = !AlertPhase;
    TrayIconData& icon = tray_.TrayIconRecord();
    // The state icon is read afresh on every tick, so switching watching shows at once.
    icon.hIcon = tray_.StateIcon();
    if (AlertPhase) icon.hIcon = TrayPicture::Alert;
    if (AlertTicks >= kAlertTicks) {
        form_->timer("AlertTimer").setEnabled(false);
        icon.hIcon = tray_.StateIcon();
    }
    tray_.Modify();
}

}  // namespace pw
