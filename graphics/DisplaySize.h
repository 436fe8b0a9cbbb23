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

// The client size of a component in a fixed size mode: the drawing's extent (worldWidth x
// worldHeight) at the mode's factor with lineHeight pixels per world unit at 100 %, held to
// plotPictureLimit when limited, plus the margin on each side, truncated to whole pixels.
PixelSize FixedClientSize(double worldWidth, double worldHeight, SizeMode mode, double lineHeight,
                          double margin, bool limited);

} // namespace Brosquin
