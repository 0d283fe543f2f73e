#include <gtest/gtest.h>

#include "platform/Twips.h"

namespace pw {
namespace {

TEST(Twips, ConvertWithTheWindowsDpiAndRoundHalfAway) {
    const struct {
        double twips;
        unsigned dpi;
        int pixels;
    } cases[] = {
        {5325, 96, 355}, {7, 96, 0},  {8, 96, 1},       {-8, 96, -1},   {375, 144, 38},
        {4, 144, 0},     {5, 144, 1}, {-375, 144, -38}, {375, 192, 50}, {1440, 192, 192},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PixelsFromTwips(c.twips, c.dpi), c.pixels) << c.twips << " tw at " << c.dpi;
    EXPECT_DOUBLE_EQ(TwipsFromPixels(533, 144), 5330);
    EXPECT_DOUBLE_EQ(TwipsFromPixels(-50, 192), -375);
}

}  // namespace
}  // namespace pw
