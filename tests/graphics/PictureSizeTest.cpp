#include "graphics/PictureSize.h"
#include "graphics/Drawing.h"

#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

// The copy at 20 pixels per unit is checked with the copied pictures themselves.
TEST(PictureSize, HoldsTheLargerSideToTheLimitKeepingProportions)
{
    const PictureSize wide = LimitedToLargestSide({40000, 1000}, 32000);
    EXPECT_DOUBLE_EQ(wide.width, 32000);
    EXPECT_DOUBLE_EQ(wide.height, 800);
    const PictureSize tall = LimitedToLargestSide({100, 64000}, 32000);
    EXPECT_DOUBLE_EQ(tall.width, 50);
    EXPECT_DOUBLE_EQ(tall.height, 32000);
    const PictureSize square = LimitedToLargestSide({50000, 50000}, 32000);
    EXPECT_DOUBLE_EQ(square.width, 32000);
    EXPECT_DOUBLE_EQ(square.height, 32000);
    const PictureSize within = LimitedToLargestSide({32000, 31999}, 32000);
    EXPECT_DOUBLE_EQ(within.width, 32000);
    EXPECT_DOUBLE_EQ(within.height, 31999);

    Drawing drawing;
    drawing.AddLine(0, 0, 2000, 10, 1, 0, 0, 0, 0);
    const PictureSize limited = CopyPictureSize(drawing, 32000);
    EXPECT_DOUBLE_EQ(limited.width, 32000);
    EXPECT_DOUBLE_EQ(limited.height, 160);
}

} // namespace
} // namespace Brosquin
