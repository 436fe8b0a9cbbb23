#include "graphics/DisplaySize.h"

#include "graphics/PictureSize.h"

namespace Brosquin
{

namespace
{

constexpr double sizeFactors[sizeModeCount] = {0.0, 1.0,  0.5, 0.75, 1.0, 1.25,
                                               1.5, 1.75, 2.0, 2.5,  3.0, 4.0};

// Truncated toward zero and kept within what a window can have; NaN gives 0.
int WholePixels(double pixels)
{
    if (!(pixels > 0))
        return 0;
    if (pixels >= largestClientSide)
        return largestClientSide;
    return static_cast<int>(pixels);
}

} // namespace

double dSize(SizeMode mode)
{
    const auto index = static_cast<unsigned>(mode);
    return index < sizeModeCount ? sizeFactors[index] : 0.0;
}

PixelSize FixedClientSize(double worldWidth, double worldHeight, SizeMode mode, double lineHeight,
                          double margin, bool limited)
{
    PictureSize size{worldWidth * dSize(mode) * lineHeight, worldHeight * dSize(mode) * lineHeight};
    if (limited)
        size = LimitedToLargestSide(size, plotPictureLimit);
    return {WholePixels(size.width + 2 * margin), WholePixels(size.height + 2 * margin)};
}

} // namespace Brosquin
