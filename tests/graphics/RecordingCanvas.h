#pragma once

#include "graphics/Canvas.h"

#include <string>
#include <vector>

namespace Brosquin
{

// A canvas that keeps every figure painted on it with the pen, brush and font in force, for
// tests to read back. Text widths are 7 pixels per character.
class RecordingCanvas : public Canvas
{
public:
    enum class Kind
    {
        Line,
        Rectangle,
        Ellipse,
        Polygon,
        Polyline,
        Text
    };
    struct Painted
    {
        Kind kind;
        std::vector<DevicePoint> points;
        Pen pen;
        Brush brush;
        Font font;
        std::string text;
    };

    std::vector<Painted> painted;
    double pixelsPerInchX;
    double pixelsPerInchY;

    explicit RecordingCanvas(double pixelsPerInchX = 96, double pixelsPerInchY = 96)
        : pixelsPerInchX(pixelsPerInchX), pixelsPerInchY(pixelsPerInchY)
    {
    }

    void vdRectangle(int left, int top, int right, int bottom) override
    {
        vdKeep(Kind::Rectangle, {{left, top}, {right, bottom}});
    }
    void vdEllipse(int left, int top, int right, int bottom) override
    {
        vdKeep(Kind::Ellipse, {{left, top}, {right, bottom}});
    }
    void vdPolygon(std::span<const DevicePoint> points) override
    {
        vdKeep(Kind::Polygon, {points.begin(), points.end()});
    }
    void vdPolyline(std::span<const DevicePoint> points) override
    {
        vdKeep(Kind::Polyline, {points.begin(), points.end()});
    }
    int TextWidth(std::string_view text) override { return 7 * static_cast<int>(text.size()); }
    void vdTextOut(int x, int y, std::string_view text) override
    {
        vdKeep(Kind::Text, {{x, y}}, std::string(text));
    }
    double dPixelsPerInchX() const override { return pixelsPerInchX; }
    double dPixelsPerInchY() const override { return pixelsPerInchY; }

protected:
    void vdDrawLine(DevicePoint from, DevicePoint to) override { vdKeep(Kind::Line, {from, to}); }

private:
    void vdKeep(Kind kind, std::vector<DevicePoint> points, std::string text = {})
    {
        painted.push_back(
            {kind, std::move(points), CurrentPen(), CurrentBrush(), CurrentFont(), text});
    }
};

} // namespace Brosquin
