#include "graphics/PointPath.h"

namespace Brosquin
{

PointPath::PointPath(const double* pairs, int count)
{
    if (pairs == nullptr || count < 1)
        return;
    points.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        points.push_back({pairs[2 * i], pairs[2 * i + 1]});
    left = right = points.front().x;
    top = bottom = points.front().y;
    for (std::size_t i = 1; i < points.size(); ++i)
    {
        if (points[i].x < left)
            left = points[i].x;
        else if (points[i].x > right)
            right = points[i].x;
        if (points[i].y < top)
            top = points[i].y;
        else if (points[i].y > bottom)
            bottom = points[i].y;
    }
}

void PointPath::vdScale(double sx, double ox, double sy, double oy)
{
    for (Point& point : points)
    {
        point.x = point.x * sx + ox;
        point.y = point.y * sy + oy;
    }
    left = left * sx + ox;
    right = right * sx + ox;
    top = top * sy + oy;
    bottom = bottom * sy + oy;
}

std::vector<DevicePoint> PointPath::DevicePoints(double sx, double ox, double sy, double oy) const
{
    std::vector<DevicePoint> device;
    device.reserve(points.size());
    for (const Point& point : points)
        device.push_back(DevicePointOf(point.x, point.y, sx, ox, sy, oy));
    return device;
}

} // namespace Brosquin
