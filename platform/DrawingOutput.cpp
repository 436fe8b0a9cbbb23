#include "platform/DrawingOutput.h"

#include "graphics/Drawing.h"
#include "graphics/SvgCanvas.h"
#include "platform/PainterCanvas.h"
#include "platform/ProgressDialogs.h"
#include "platform/UserInteraction.h"
#include "platform/WaitCursor.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
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

// A PDF printer whose file cannot be written fails to start its job and stays active for good,
// refusing every later setting; so the file is tried first.
bool CanStartJob(const QPrinter& printer)
{
    if (printer.outputFormat() != QPrinter::PdfFormat)
        return true;
    QFile file(printer.outputFileName());
    return !printer.outputFileName().isEmpty() && file.open(QIODevice::WriteOnly);
}

bool PrintPage(QWidget* owner, const Drawing& drawing, double margin, QPrinter& printer)
{
    if (!CanStartJob(printer))
        return false;
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

} // namespace

bool PrintDrawing(QWidget* owner, const Drawing& drawing, double margin, QPrinter& printer)
{
    const bool bNameFile =
        printer.outputFormat() == QPrinter::PdfFormat &&
        (printer.outputFileName().isEmpty() || QFileInfo(printer.outputFileName()).isDir());
    if (!bNameFile)
        return PrintPage(owner, drawing, margin, printer);
    const std::optional<QString> path = UserInteraction::Current().SaveFileName(
        {QObject::tr("Print to PDF File"), QStringLiteral("*.pdf"),
         QObject::tr("PDF files (*.pdf)"), QStringLiteral("pdf")});
    if (!path)
        return true;
    // The file is this page's only: the next print asks again.
    printer.setOutputFileName(*path);
    const bool bPrinted = PrintPage(owner, drawing, margin, printer);
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::PdfFormat);
    return bPrinted;
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
