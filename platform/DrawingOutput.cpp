#include "platform/DrawingOutput.h"

#include "graphics/Drawing.h"
#include "graphics/SvgCanvas.h"
#include "platform/PainterCanvas.h"
#include "platform/ProgressDialogs.h"
#include "platform/WaitCursor.h"

#include <QBuffer>
#include <QImage>
#include <QMimeData>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

constexpr Colour white = 0xFFFFFF;

// Beyond this many pixels (64 MB of image) the PNG is made smaller.
constexpr double largestImageArea = 16e6;

int PictureSide(double length)
{
    return std::max(1, TruncatedPixel(length));
}

QImage PictureImage(const Drawing& drawing, PictureSize size)
{
    const double area = static_cast<double>(PictureSide(size.width)) * PictureSide(size.height);
    const double shrink = area > largestImageArea ? std::sqrt(largestImageArea / area) : 1;
    size = {size.width * shrink, size.height * shrink};
    QImage image(PictureSide(size.width), PictureSide(size.height), QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    drawing.vdDraw(canvas, 0, 0, size.width, size.height, white);
    return image;
}

} // namespace

bool PrintDrawing(QWidget* owner, const Drawing& drawing, double margin, QPrinter& printer)
{
    const ProgressShown<TPrintingDialog> progress(owner);
    const WaitCursor hourglass;
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    {
        PainterCanvas canvas(painter);
        drawing.vdDraw(canvas, margin, margin, printer.width() - margin, printer.height() - margin,
                       white);
    }
    return painter.end();
}

std::unique_ptr<QMimeData> DrawingMimeData(QWidget* owner, const Drawing& drawing, PictureSize size)
{
    const ProgressShown<TCopyingDialog> progress(owner);
    const WaitCursor hourglass;
    auto data = std::make_unique<QMimeData>();

    SvgCanvas svg(PictureSide(size.width), PictureSide(size.height));
    drawing.vdDraw(svg, 0, 0, size.width, size.height, white);
    data->setData(QStringLiteral("image/svg+xml"), QByteArray::fromStdString(svg.Document()));

    const QImage image = PictureImage(drawing, size);
    if (!image.isNull())
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (image.save(&buffer, "PNG"))
            data->setData(QStringLiteral("image/png"), png);
        data->setImageData(image);
    }
    return data;
}

} // namespace Brosquin
