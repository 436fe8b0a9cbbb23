#pragma once

#include "graphics/Canvas.h"

#include <QFont>

class QPainter;

namespace Brosquin
{

// The canvas of a QPainter: a widget, a printer page or an image. The painter's own state is
// saved on construction and restored on destruction. Pixels per inch are those of the painter's
// device.
class PainterCanvas : public Canvas
{
public:
    explicit PainterCanvas(QPainter& painter);
    ~PainterCanvas() override;
    PainterCanvas(const PainterCanvas&) = delete;
    PainterCanvas& operator=(const PainterCanvas&) = delete;

    void vdRectangle(int left, int top, int right, int bottom) override;
    void vdEllipse(int left, int top, int right, int bottom) override;
    void vdPolygon(std::span<const DevicePoint> points) override;
    void vdPolyline(std::span<const DevicePoint> points) override;
    int TextWidth(std::string_view text) override;
    void vdTextOut(int x, int y, std::string_view text) override;
    // The font's own width is measured; a text wider than the room is drawn narrower.
    void vdTextOutWithin(int x, int y, std::string_view text, int room) override;
    double dPixelsPerInchX() const override;
    double dPixelsPerInchY() const override;

protected:
    void vdDrawLine(DevicePoint from, DevicePoint to) override;

private:
    void vdApplyPen();
    void vdApplyPenAndBrush();
    // Selects the current font, converted once per change of it.
    void vdApplyFont();

    QPainter& painter;
    Font convertedFont;
    QFont qtFont;
    bool fontConverted = false;
};

} // namespace Brosquin
