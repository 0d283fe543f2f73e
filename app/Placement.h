#pragma once
#include <span>

#include "platform/Layout.h"

namespace pw {

// A window that would lie entirely outside every monitor (one since removed, say) could never
// be reached: it is moved, keeping its size, into the work area of the nearest monitor, as far
// as it fits there. Anything that shows at least partly stays where it was stored, a negative
// position on a monitor left of or above the primary one included. workAreas are the
// monitors' work areas in the monitors' order.
RectTw EnsureOnScreen(const RectTw& rect, std::span<const RectTw> monitors,
                      std::span<const RectTw> workAreas);

}  // namespace pw
