#pragma once

#include <QColor>
#include <QImage>

namespace Brosquin
{

// How many pixels of a picture have exactly this colour: what a person sees of a curve, a title
// or a highlight.
inline int PixelsOf(const QImage& image, QColor colour)
{
    const QRgb wanted = colour.rgb();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += (image.pixel(x, y) | 0xFF000000u) == wanted;
    return count;
}

} // namespace Brosquin
