#pragma once
#include <span>

#include "platform/Layout.h"

namespace pw {

// A window that would lie entirely outside every monitor could never be reached: such a
// placement is moved onto the primary monitor (the first one), keeping its size. Anything that
// shows at least partly stays where it was stored.
RectTw EnsureOnScreen(const RectTw& rect, std::span<const RectTw> monitors);

}  // namespace pw
