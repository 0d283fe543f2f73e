#pragma once
// After a capture the tray icon blinks: alert, state, alert, state, alert, state.
#include <cstdint>

#include "platform/Form.h"
#include "platform/NotifyIcon.h"

namespace pw {

class CaptureAlert {
  public:
    explicit CaptureAlert(Timer& timer) : timer_(timer) {}

    // Starts the sequence afresh, also in the middle of a running one.
    void Start();
    // One tick: the picture the icon shows now. `stateIcon` is read afresh on every tick, so
    // switching watching on or off shows at once.
    TrayPicture Tick(TrayPicture stateIcon);

  private:
    Timer& timer_;
    std::uint8_t AlertTicks = 0;
    bool AlertPhase = false;
};

}  // namespace pw
