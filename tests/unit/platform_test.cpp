#include <gtest/gtest.h>

#include "platform/Twips.h"

namespace pw {
namespace {

TEST(Twips, ConvertWithTheWindowsDpiAndRoundHalfAway) {
    struct Case {
        double twips;
        unsigned dpi;
        int pixels;
    };
    const Case cases[] = {
        {120, 96, 8},   {5325, 96, 355}, {7, 96, 0},       {8, 96, 1},       {-8, 96, -1},
        {120, 144, 12}, {375, 144, 38},  {5325, 144, 533}, {4, 144, 0},      {5, 144, 1},
        {120, 192, 16}, {375, 192, 50},  {-375, 144, -38}, {1440, 192, 192},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PixelsFromTwips(c.twips, c.dpi), c.pixels) << c.twips << " tw at " << c.dpi;
    }
    EXPECT_DOUBLE_EQ(TwipsFromPixels(355, 96), 5325);
    EXPECT_DOUBLE_EQ(TwipsFromPixels(533, 144), 5330);
    EXPECT_DOUBLE_EQ(TwipsFromPixels(-50, 192), -375);
}

}  // namespace
}  // namespace pw
