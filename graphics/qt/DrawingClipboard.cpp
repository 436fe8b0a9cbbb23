#include "graphics/qt/DrawingClipboard.h"

#include "graphics/DisplaySize.h"
#include "graphics/Drawing.h"
#include "graphics/SvgCanvas.h"
#include "platform/PainterCanvas.h"

#include <QBuffer>
#include <QImage>
#include <QPainter>

namespace Brosquin
{

namespace
{

constexpr Colour white = 0xFFFFFF;

QByteArray SvgDocument(const Drawing& drawing, PixelSize size)
{
    SvgCanvas canvas(size.width, size.height);
    drawing.vdDraw(canvas, 0, 0, size.width, size.height, white);
    return QByteArray::fromStdString(canvas.Document());
}

// Null when the bitmap could not be allocated.
QImage Bitmap(const Drawing& drawing, PixelSize size)
{
    QImage image(size.width, size.height, QImage::Format_RGB32);
    if (image.isNull())
        return image;
    image.fill(Qt::white);
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    drawing.vdDraw(canvas, 0, 0, size.width, size.height, white);
    return image;
}

} // namespace

std::unique_ptr<QMimeData> DrawingMimeData(const Drawing& drawing, bool limited)
{
    const PixelSize size = ClipboardPictureSize(drawing.dRight() - drawing.dLeft(),
                                                drawing.dBottom() - drawing.dTop(), limited);
    auto data = std::make_unique<QMimeData>();
    data->setData(QStringLiteral("image/svg+xml"), SvgDocument(drawing, size));
    const QImage bitmap = Bitmap(drawing, BitmapSize(size));
    if (!bitmap.isNull())
    {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        bitmap.save(&buffer, "PNG");
        data->setData(QStringLiteral("image/png"), png);
        data->setImageData(bitmap);
    }
    return data;
}

} // namespace Brosquin
