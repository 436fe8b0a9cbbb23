#include "graphics/DisplaySize.h"

#include <gtest/gtest.h>

#include <limits>
#include <ostream>

namespace Brosquin
{

void PrintTo(const PixelSize& size, std::ostream* out)
{
    *out << size.width << " x " << size.height;
}

namespace
{

TEST(DisplaySize, FactorsOfTheTwelveModes)
{
    const double expected[sizeModeCount] = {0, 1, 0.5, 0.75, 1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};
    for (int mode = 0; mode < sizeModeCount; ++mode)
        EXPECT_EQ(dSize(static_cast<SizeMode>(mode)), expected[mode]) << mode;
    EXPECT_EQ(dSize(static_cast<SizeMode>(200)), 0.0);
}

TEST(DisplaySize, FixedClientSizeIsTheScaledDrawingPlusTheMargins)
{
    // 20 x 10 units at 50 % with 16-pixel lines and a margin of 8.
    EXPECT_EQ(FixedClientSize(20, 10, SizeMode::Size50, 16, 8, false), (PixelSize{176, 96}));
    EXPECT_EQ(FixedClientSize(20, 10, SizeMode::Size50, 16, 8, true), (PixelSize{176, 96}));
    // Fractions are truncated after the margins are added: 3.3 * 1.25 * 13.2 + 2 * 0.6 = 55.65.
    EXPECT_EQ(FixedClientSize(3.3, 1, SizeMode::Size125, 13.2, 0.6, false).width, 55);
    EXPECT_EQ(FixedClientSize(7, 3, SizeMode::FixedSizeNormal, 10, 0, false), (PixelSize{70, 30}));
    EXPECT_EQ(FixedClientSize(7, 3, SizeMode::Size400, 10, 0, false), (PixelSize{280, 120}));
}

TEST(DisplaySize, OnlyLimitedSizesAreHeldTo32000PixelsWithTheirProportions)
{
    // w = 3000 * 4 * 16 = 192000 > h = 100 * 4 * 16 = 6400.
    EXPECT_EQ(FixedClientSize(3000, 100, SizeMode::Size400, 16, 5, true),
              (PixelSize{32010, static_cast<int>(6400.0 * 32000 / 192000 + 10)}));
    EXPECT_EQ(FixedClientSize(3000, 100, SizeMode::Size400, 16, 5, false),
              (PixelSize{192010, 6410}));
    // The taller side is held when the height is the larger.
    EXPECT_EQ(FixedClientSize(10, 1000, SizeMode::Size400, 10, 0, true), (PixelSize{320, 32000}));
    // Exactly the limit is kept; both sides over it keep the square.
    EXPECT_EQ(FixedClientSize(800, 10, SizeMode::Size400, 10, 0, true), (PixelSize{32000, 400}));
    EXPECT_EQ(FixedClientSize(1000, 1000, SizeMode::Size400, 10, 0, true),
              (PixelSize{32000, 32000}));
}

TEST(DisplaySize, SizesNeverLeaveWhatAWindowCanHave)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    EXPECT_EQ(FixedClientSize(1e300, 1e300, SizeMode::Size400, 16, 0, false),
              (PixelSize{largestClientSide, largestClientSide}));
    EXPECT_EQ(FixedClientSize(nan, 2, SizeMode::Size100, 10, 0, false), (PixelSize{0, 20}));
    EXPECT_EQ(FixedClientSize(0, 0, SizeMode::Size100, 10, 3, false), (PixelSize{6, 6}));
    // SizeToFit has no fixed size: only the margins remain.
    EXPECT_EQ(FixedClientSize(20, 10, SizeMode::SizeToFit, 16, 2, false), (PixelSize{4, 4}));
}

} // namespace
} // namespace Brosquin
