#include "graphics/DisplaySize.h"

#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

struct Extent
{
    double width;
    double height;
};

constexpr double sizeFactors[sizeModeCount] = {0.0, 1.0,  0.5, 0.75, 1.0, 1.25,
                                               1.5, 1.75, 2.0, 2.5,  3.0, 4.0};

// The larger side held to plotPictureLimit, the other scaled by the same factor.
Extent LimitedExtent(Extent extent)
{
    if (extent.width <= plotPictureLimit && extent.height <= plotPictureLimit)
        return extent;
    if (extent.width >= extent.height)
        return {plotPictureLimit, extent.height * plotPictureLimit / extent.width};
    return {extent.width * plotPictureLimit / extent.height, plotPictureLimit};
}

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
    Extent extent{worldWidth * dSize(mode) * lineHeight, worldHeight * dSize(mode) * lineHeight};
    if (limited)
        extent = LimitedExtent(extent);
    return {WholePixels(extent.width + 2 * margin), WholePixels(extent.height + 2 * margin)};
}

PixelSize ClipboardPictureSize(double worldWidth, double worldHeight, bool limited)
{
    Extent extent{worldWidth * clipboardPixelsPerUnit, worldHeight * clipboardPixelsPerUnit};
    if (limited)
        extent = LimitedExtent(extent);
    return {std::max(1, WholePixels(extent.width)), std::max(1, WholePixels(extent.height))};
}

PixelSize BitmapSize(PixelSize picture)
{
    const double pixels = static_cast<double>(picture.width) * picture.height;
    if (pixels <= largestBitmapPixels)
        return picture;
    const double factor = std::sqrt(largestBitmapPixels / pixels);
    return {std::max(1, WholePixels(picture.width * factor)),
            std::max(1, WholePixels(picture.height * factor))};
}

DeviceRect MarginRect(double width, double height, double margin)
{
    return {margin, margin, width - margin, height - margin};
}

} // namespace Brosquin
