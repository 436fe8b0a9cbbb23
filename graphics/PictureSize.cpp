#include "graphics/PictureSize.h"

#include "graphics/Drawing.h"

namespace Brosquin
{

PictureSize CopyPictureSize(const Drawing& drawing, double largestSide)
{
    const PictureSize size{(drawing.dRight() - drawing.dLeft()) * copyPixelsPerUnit,
                           (drawing.dBottom() - drawing.dTop()) * copyPixelsPerUnit};
    return largestSide > 0 ? LimitedToLargestSide(size, largestSide) : size;
}

PictureSize LimitedToLargestSide(PictureSize size, double limit)
{
    if (size.width <= limit && size.height <= limit)
        return size;
    if (size.width > size.height)
        return {limit, size.height * limit / size.width};
    return {size.width * limit / size.height, limit};
}

} // namespace Brosquin
