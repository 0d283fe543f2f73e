#pragma once
// Layout figures are twips (1/1440 inch); a window turns them into pixels with its own DPI.
#include <cmath>

namespace pw {

inline int PixelsFromTwips(double twips, unsigned dpi) {
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

inline double TwipsFromPixels(int pixels, unsigned dpi) { return pixels * 1440.0 / dpi; }

}  // namespace pw
