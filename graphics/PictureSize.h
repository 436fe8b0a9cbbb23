#pragma once

namespace Brosquin
{

class Drawing;

// The size of a picture in pixels.
struct PictureSize
{
    double width = 0;
    double height = 0;
};

// A drawing copied as a picture has 20 pixels per world unit.
constexpr double copyPixelsPerUnit = 20;

// The picture size of a copied drawing, optionally held to a largest side (0: no limit).
PictureSize CopyPictureSize(const Drawing& drawing, double largestSide = 0);

// When either side exceeds the limit, the larger side becomes the limit and the other is scaled
// by the same factor, keeping the proportions.
PictureSize LimitedToLargestSide(PictureSize size, double limit);

} // namespace Brosquin
