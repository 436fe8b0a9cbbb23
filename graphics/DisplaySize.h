#pragma once

#include <cstdint>

namespace Brosquin
{

// How a display component sizes itself: filling its parent with the drawing fitted into it, or at
// the drawing's own size times a factor, where one world unit is one line of the component's
// font at 100 %.
enum class SizeMode : std::uint8_t
{
    SizeToFit,
    FixedSizeNormal,
    Size50,
    Size75,
    Size100,
    Size125,
    Size150,
    Size175,
    Size200,
    Size250,
    Size300,
    Size400
};
inline constexpr int sizeModeCount = 12;

// The factor of a fixed size; 0 for SizeToFit, which has none.
double dSize(SizeMode mode);

// Pictures of plots are held to this many pixels along their larger side, the other side in
// proportion, so that a plot with an extreme axis ratio stays a picture a device can hold.
inline constexpr double plotPictureLimit = 32000;

// A picture copied to the clipboard has this many pixels per world unit.
inline constexpr double clipboardPixelsPerUnit = 20;

// A bitmap copied with a picture is rendered smaller, proportions kept, beyond this many pixels,
// so that copying a huge drawing never asks for gigabytes.
inline constexpr double largestBitmapPixels = 1 << 25;

// The largest side a window of the toolkit may have.
inline constexpr int largestClientSide = (1 << 24) - 1;

struct PixelSize
{
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

// The client size of a component in a fixed size that shows nothing.
inline constexpr PixelSize emptyClientSize{10, 10};

// The client size of a component in a fixed size mode: the drawing's extent at the mode's factor
// (lineHeight pixels per world unit at 100 %), limited when asked, plus the margin on each side,
// truncated to whole pixels.
PixelSize FixedClientSize(double worldWidth, double worldHeight, SizeMode mode, double lineHeight,
                          double margin, bool limited);

// The size of the picture of a drawing copied to the clipboard, at least one pixel each way.
PixelSize ClipboardPictureSize(double worldWidth, double worldHeight, bool limited);

// The size of the bitmap rendered of a picture: the picture's own size, or smaller in proportion
// when it has more than largestBitmapPixels.
PixelSize BitmapSize(PixelSize picture);

// A rectangle in device pixels.
struct DeviceRect
{
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
    // Nothing can be drawn into a rectangle without width or height.
    bool bEmpty() const { return !(left < right && top < bottom); }
};

// The rectangle a drawing is fitted into on a client area or page of width x height pixels: the
// area less the margin on every side.
DeviceRect MarginRect(double width, double height, double margin);

} // namespace Brosquin
