#pragma once

#include "graphics/Canvas.h"

#include <string>

namespace Brosquin
{

// A canvas that writes what is painted on it as a standalone SVG document of width x height
// pixels. Text widths come from the program's own Arial width table, and each text asks the
// viewer to fit it to exactly that width, so that tables and labels keep their places whatever
// font the viewer substitutes.
class SvgCanvas : public Canvas
{
public:
    SvgCanvas(int width, int height, double pixelsPerInchX = 96, double pixelsPerInchY = 96);

    void vdRectangle(int left, int top, int right, int bottom) override;
    void vdEllipse(int left, int top, int right, int bottom) override;
    void vdPolygon(std::span<const DevicePoint> points) override;
    void vdPolyline(std::span<const DevicePoint> points) override;
    int TextWidth(std::string_view text) override;
    void vdTextOut(int x, int y, std::string_view text) override;
    double dPixelsPerInchX() const override { return pixelsPerInchX; }
    double dPixelsPerInchY() const override { return pixelsPerInchY; }

    // The document with everything painted so far.
    std::string Document() const;

protected:
    void vdDrawLine(DevicePoint from, DevicePoint to) override;

private:
    std::string StrokeAttributes() const;
    std::string FillAttributes() const;
    void vdAppendPoints(std::span<const DevicePoint> points);

    int width;
    int height;
    double pixelsPerInchX;
    double pixelsPerInchY;
    std::string body;
};

} // namespace Brosquin
