#include "app/Placement.h"

#include <algorithm>
#include <cstddef>

namespace pw {

namespace {

bool Intersects(const RectTw& a, const RectTw& b) {
    const double left = std::max(a.left, b.left);
    const double right = std::min(a.left + a.width, b.left + b.width);
    const double top = std::max(a.top, b.top);
    const double bottom = std::min(a.top + a.height, b.top + b.height);
    return left < right && top < bottom;
}

// How far apart two rectangles are along one axis; 0 where they overlap on it.
double Gap(double start, double length, double otherStart, double otherLength) {
    return std::max({0.0, otherStart - (start + length), start - (otherStart + otherLength)});
}

double GapSquared(const RectTw& a, const RectTw& b) {
    const double dx = Gap(a.left, a.width, b.left, b.width);
    const double dy = Gap(a.top, a.height, b.top, b.height);
    return dx * dx + dy * dy;
}

// The start nearest to the wanted one that keeps the length inside the area, or the area's
// start where it does not fit.
double Fitted(double start, double length, double areaStart, double areaLength) {
    return std::max(areaStart, std::min(start, areaStart + areaLength - length));
}

}  // namespace

RectTw EnsureOnScreen(const RectTw& rect, std::span<const RectTw> monitors,
                      std::span<const RectTw> workAreas) {
    if (monitors.empty()) return rect;
    for (const RectTw& m : monitors) {
        if (Intersects(rect, m)) return rect;
    }
    std::size_t nearest = 0;
    for (std::size_t i = 1; i < monitors.size(); ++i) {
        if (GapSquared(rect, monitors[i]) < GapSquared(rect, monitors[nearest])) nearest = i;
    }
    const RectTw& area = nearest < workAreas.size() ? workAreas[nearest] : monitors[nearest];
    RectTw placed = rect;
    placed.left = Fitted(rect.left, rect.width, area.left, area.width);
    placed.top = Fitted(rect.top, rect.height, area.top, area.height);
    return placed;
}

}  // namespace pw
