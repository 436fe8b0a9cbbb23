#include "platform/DrawingOutput.h"

#include "graphics/Drawing.h"
#include "graphics/PrintedPages.h"
#include "graphics/SvgCanvas.h"
#include "platform/PainterCanvas.h"
#include "platform/ProgressDialogs.h"
#include "platform/UserInteraction.h"
#include "platform/WaitCursor.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QMimeData>
#include <QPageLayout>
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

// The line height of a table printed at the least readable size, 8 points of type: the font's
// line is higher than its type, and the drawn size is truncated to whole printer pixels.
double ReadableLinePoints(QPrinter& printer)
{
    constexpr double typePoints = 8;
    constexpr int reference = 1000;
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(reference);
    const double lineOverType = QFontMetricsF(font, &printer).height() / reference;
    return typePoints * lineOverType + 2 * 72.0 / printer.resolution();
}

PageArea AreaOf(const QPageLayout& layout, const QPrinter& printer, double margin)
{
    const QRect paint = layout.paintRectPixels(printer.resolution());
    return {margin,
            margin,
            paint.width() - margin,
            paint.height() - margin,
            static_cast<double>(printer.logicalDpiX()),
            static_cast<double>(printer.logicalDpiY())};
}

// The page way turned a quarter from the printer's.
QPageLayout Turned(QPageLayout layout)
{
    layout.setOrientation(layout.orientation() == QPageLayout::Portrait ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    return layout;
}

bool PrintPages(const Drawing& drawing, double margin, const PrintedPages& table, QPrinter& printer)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    bool bPaged = true;
    {
        PainterCanvas canvas(painter);
        if (table.pages.empty())
            drawing.vdDraw(canvas, margin, margin, printer.width() - margin,
                           printer.height() - margin, white);
        else
        {
            const PartPainter parts(drawing);
            const double point = printer.resolution() / 72.0;
            for (std::size_t i = 0; i < table.pages.size() && bPaged; ++i)
            {
                bPaged = i == 0 || printer.newPage();
                // A rule that runs on over a cut is drawn on each part it reaches, up to the cut.
                // A part shows a point more around it: a rule on its edge, as a table's border,
                // is a hairline a viewer draws a pixel wide, half of it beyond the edge.
                for (const PagePart& part : table.pages[i].parts)
                {
                    painter.setClipRect(QRectF(QPointF(part.left * part.sx + part.ox - point,
                                                       part.top * part.sy + part.oy - point),
                                               QPointF(part.right * part.sx + part.ox + point,
                                                       part.bottom * part.sy + part.oy + point)));
                    parts.vdDraw(canvas, part, white);
                }
            }
        }
    }
    return painter.end() && bPaged;
}

PrintOutcome PrintOnce(QWidget* owner, const Drawing& drawing, double margin, PrintFit fit,
                       QPrinter& printer)
{
    if (!CanStartJob(printer))
        return {false, printer.outputFileName()};
    const ProgressShown<TPrintingDialog> progress(owner);
    const WaitCursor hourglass;
    const QPageLayout asSet = printer.pageLayout();
    PrintedPages table;
    if (fit == PrintFit::ReadableText)
        table = TablePages(drawing, AreaOf(asSet, printer, margin),
                           AreaOf(Turned(asSet), printer, margin), ReadableLinePoints(printer));
    // A printer that cannot turn its page prints the table on the page as it is.
    if (table.bTurned && !printer.setPageLayout(Turned(asSet)))
        table = TablePages(drawing, AreaOf(asSet, printer, margin), AreaOf(asSet, printer, margin),
                           ReadableLinePoints(printer));
    const bool bPrinted = PrintPages(drawing, margin, table, printer);
    printer.setPageLayout(asSet);
    return {bPrinted, QString()};
}

} // namespace

PrintOutcome PrintDrawing(QWidget* owner, const Drawing& drawing, double margin, PrintFit fit,
                          QPrinter& printer)
{
    const bool bNameFile =
        printer.outputFormat() == QPrinter::PdfFormat &&
        (printer.outputFileName().isEmpty() || QFileInfo(printer.outputFileName()).isDir());
    if (!bNameFile)
        return PrintOnce(owner, drawing, margin, fit, printer);
    const std::optional<QString> path = UserInteraction::Current().SaveFileName(
        {QObject::tr("Print to PDF File"), QStringLiteral("*.pdf"),
         QObject::tr("PDF files (*.pdf)"), QStringLiteral("pdf")});
    if (!path)
        return {};
    // The file is this print's only: the next print asks again.
    printer.setOutputFileName(*path);
    const PrintOutcome outcome = PrintOnce(owner, drawing, margin, fit, printer);
    printer.setOutputFileName(QString());
    printer.setOutputFormat(QPrinter::PdfFormat);
    return outcome;
}

std::unique_ptr<QMimeData> DrawingMimeData(const Drawing& drawing, PictureSize size)
{
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
