#include "app/Placement.h"

#include <algorithm>

namespace pw {

namespace {

bool Intersects(const RectTw& a, const RectTw& b) {
    const double left = std::max(a.left, b.left);
    const double right = std::min(a.left + a.width, b.left + b.width);
    const double top = std::max(a.top, b.top);
    const double bottom = std::min(a.top + a.height, b.top + b.height);
    return left < right && top < bottom;
}

}  // namespace

RectTw EnsureOnScreen(const RectTw& rect, std::span<const RectTw> monitors) {
    if (monitors.empty()) return rect;
    for (const RectTw& m : monitors) {
        if (Intersects(rect, m)) return rect;
    }
    const RectTw& primary = monitors.front();
    RectTw placed = rect;
    placed.left = primary.left + std::max(0.0, (primary.width - rect.width) / 2);
    placed.top = primary.top + std::max(0.0, (primary.height - rect.height) / 2);
    return placed;
}

}  // namespace pw
