#include "platform/PainterCanvas.h"

#include "graphics/AnsiText.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

QColor QtColour(Colour colour)
{
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// Device pixels are squares; a one-pixel line through a pixel's centre covers exactly that pixel.
QPointF PixelCentre(DevicePoint point)
{
    return QPointF(point.x + 0.5, point.y + 0.5);
}

QPolygonF PixelCentres(std::span<const DevicePoint> points)
{
    QPolygonF polygon;
    polygon.reserve(static_cast<qsizetype>(points.size()));
    for (const DevicePoint& point : points)
        polygon.append(PixelCentre(point));
    return polygon;
}

QRectF OutlineRect(const OutlineBox& box)
{
    return QRectF(QPointF(box.left + 0.5, box.top + 0.5),
                  QPointF(box.right + 0.5, box.bottom + 0.5));
}

QString QtText(std::string_view text)
{
    return QString::fromStdString(Utf8OfAnsi(text));
}

// Qt refuses wider pens and measures larger fonts wrongly; nothing that fits on a page or a
// picture comes near either limit.
constexpr int widestPen = 32767;
constexpr int largestFontPixels = 16000;

} // namespace

PainterCanvas::PainterCanvas(QPainter& painter) : painter(painter)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
}

PainterCanvas::~PainterCanvas()
{
    painter.restore();
}

void PainterCanvas::vdApplyPen()
{
    const Pen& pen = CurrentPen();
    if (pen.style == PenStyle::Null)
    {
        painter.setPen(Qt::NoPen);
        return;
    }
    QPen qtPen(QtColour(pen.colour));
    qtPen.setWidth(std::min(pen.StrokeWidth(), widestPen));
    const auto pattern = DashPattern(pen.style);
    if (pattern.empty())
    {
        qtPen.setCapStyle(Qt::RoundCap);
        qtPen.setJoinStyle(Qt::RoundJoin);
    }
    else
    {
        qtPen.setCapStyle(Qt::FlatCap);
        qtPen.setDashPattern(QList<qreal>(pattern.begin(), pattern.end()));
    }
    painter.setPen(qtPen);
}

void PainterCanvas::vdApplyPenAndBrush()
{
    vdApplyPen();
    const Brush& brush = CurrentBrush();
    if (brush.hollow)
        painter.setBrush(Qt::NoBrush);
    else
        painter.setBrush(QtColour(brush.colour));
}

void PainterCanvas::vdApplyFont()
{
    const Font& font = CurrentFont();
    if (!fontConverted || !(font == convertedFont))
    {
        // Qt sizes a font by its em, Windows by its character cell: measure this face's cell at
        // a large size and scale to the height asked for.
        constexpr int referenceSize = 1000;
        qtFont = QFont(QtText(font.face));
        qtFont.setBold(font.bold);
        qtFont.setItalic(font.italic);
        qtFont.setPixelSize(referenceSize);
        const double cell = QFontMetricsF(qtFont, painter.device()).height();
        const double height = font.height;
        const double pixelSize = cell > 0 ? height * referenceSize / cell : height;
        qtFont.setPixelSize(
            std::clamp(TruncatedPixel(std::round(pixelSize)), 1, largestFontPixels));
        convertedFont = font;
        fontConverted = true;
    }
    painter.setFont(qtFont);
}

void PainterCanvas::vdDrawLine(DevicePoint from, DevicePoint to)
{
    vdApplyPen();
    painter.drawLine(PixelCentre(from), PixelCentre(to));
}

void PainterCanvas::vdRectangle(int left, int top, int right, int bottom)
{
    vdApplyPenAndBrush();
    painter.drawRect(OutlineRect(OutlineBoxOf(left, top, right, bottom, CurrentPen())));
}

void PainterCanvas::vdEllipse(int left, int top, int right, int bottom)
{
    vdApplyPenAndBrush();
    painter.drawEllipse(OutlineRect(OutlineBoxOf(left, top, right, bottom, CurrentPen())));
}

void PainterCanvas::vdPolygon(std::span<const DevicePoint> points)
{
    vdApplyPenAndBrush();
    painter.drawPolygon(PixelCentres(points), Qt::OddEvenFill);
}

void PainterCanvas::vdPolyline(std::span<const DevicePoint> points)
{
    vdApplyPen();
    painter.drawPolyline(PixelCentres(points));
}

int PainterCanvas::TextWidth(std::string_view text)
{
    if (CurrentFont().height <= 0)
        return 0;
    vdApplyFont();
    return TruncatedPixel(
        std::round(QFontMetricsF(qtFont, painter.device()).horizontalAdvance(QtText(text))));
}

void PainterCanvas::vdTextOut(int x, int y, std::string_view text)
{
    vdTextOutWithin(x, y, text, 0);
}

void PainterCanvas::vdTextOutWithin(int x, int y, std::string_view text, int room)
{
    const Font& font = CurrentFont();
    if (font.height <= 0 || text.empty())
        return;
    vdApplyFont();
    painter.setPen(QtColour(font.colour));
    const QFontMetricsF metrics(qtFont, painter.device());
    const QString shown = QtText(text);
    const double width = metrics.horizontalAdvance(shown);
    painter.save();
    painter.translate(x, y);
    painter.rotate(-font.escapement / 10.0);
    // The last pixel of the room is left to the smoothed edge of the last letter.
    if (const int fit = room - 1; fit > 0 && width > fit)
        painter.scale(fit / width, 1);
    painter.drawText(QPointF(0, metrics.ascent()), shown);
    painter.restore();
}

double PainterCanvas::dPixelsPerInchX() const
{
    const QPaintDevice* device = painter.device();
    return device ? device->logicalDpiX() : 96.0;
}

double PainterCanvas::dPixelsPerInchY() const
{
    const QPaintDevice* device = painter.device();
    return device ? device->logicalDpiY() : 96.0;
}

} // namespace Brosquin
