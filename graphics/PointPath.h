#pragma once

#include "graphics/DrawingObject.h"

#include <algorithm>
#include <vector>

namespace Brosquin
{

// The points of a polygon or polyline, copied from the caller's (x, y) pairs, with their box.
// Without points the box is the origin and no point is ever read.
class PointPath
{
public:
    struct Point
    {
        double x;
        double y;
    };

    // count pairs of doubles; a null array or a count below 1 gives no points.
    PointPath(const double* points, int count);

    const std::vector<Point>& Points() const { return points; }
    // The box, also after a scale that turns an axis round.
    double dLeft() const { return std::min(left, right); }
    double dTop() const { return std::min(top, bottom); }
    double dRight() const { return std::max(left, right); }
    double dBottom() const { return std::max(top, bottom); }

    // Points and box transformed alike.
    void vdScale(double sx, double ox, double sy, double oy);
    std::vector<DevicePoint> DevicePoints(double sx, double ox, double sy, double oy) const;

private:
    std::vector<Point> points;
    double left = 0;
    double top = 0;
    double right = 0;
    double bottom = 0;
};

} // namespace Brosquin
