#include "platform/DrawingOutput.h"

#include "graphics/Drawing.h"
#include "tests/platform/OutputSupport.h"
#include "tests/platform/SampleDrawing.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace Brosquin
{
namespace
{

QString ArtifactPath(const char* name)
{
    return QString(VELTRAME_ARTIFACT_DIR) + "/" + name;
}

class DrawingOutput : public testing::Test
{
protected:
    Drawing drawing;
    QWidget owner;
    void SetUp() override
    {
        vdFillSampleDrawing(drawing);
        ASSERT_DOUBLE_EQ(drawing.dRight() - drawing.dLeft(), 30);
        ASSERT_DOUBLE_EQ(drawing.dBottom() - drawing.dTop(), 20);
    }
};

struct Segment
{
    double x1, y1, x2, y2;
};

// The straight lines of a page: "x y m" followed by "x y l".
std::vector<Segment> Segments(const QByteArray& content)
{
    std::vector<Segment> segments;
    const QRegularExpression line(R"(([-\d.]+) ([-\d.]+) m\n([-\d.]+) ([-\d.]+) l\n)");
    auto matches = line.globalMatch(QString::fromLatin1(content));
    while (matches.hasNext())
    {
        const auto match = matches.next();
        segments.push_back({match.captured(1).toDouble(), match.captured(2).toDouble(),
                            match.captured(3).toDouble(), match.captured(4).toDouble()});
    }
    return segments;
}

TEST_F(DrawingOutput, PrintsTheDrawingFittedOnOnePdfPage)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(directory.filePath("sample.pdf"));
    printer.setPageSize(QPageSize(QPageSize::A4));
    constexpr double margin = 200;
    ASSERT_TRUE(PrintDrawing(&owner, drawing, margin, PrintFit::WholePage, printer).bDone);
    EXPECT_TRUE(bNothingLeftBehind());

    QFile file(printer.outputFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    EXPECT_EQ(pdf.count("/Type /Page\n") + pdf.count("/Type /Page "), 1);
    EXPECT_TRUE(pdf.contains("/Count 1"));
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 595.000000 842.000000]"));
    QFile::copy(printer.outputFileName(), ArtifactPath("sample-drawing.pdf"));

    // The page is portrait: the 30 x 20 drawing takes the width within the margins and is
    // centred down the page. Its Y axis runs at x = 4 from y = 3 to 15.
    const double width = printer.width();
    const double height = printer.height();
    ASSERT_LT(width, height);
    const double unit = (width - 2 * margin) / 30;
    const double top = margin + ((height - 2 * margin) - 20 * unit) * 0.5;
    const double axisX = std::trunc(margin + 4 * unit) + 0.5;
    const double axisTop = std::trunc(top + 3 * unit) + 0.5;
    const double axisBottom = std::trunc(top + 15 * unit) + 0.5;
    const QByteArray content = InflatedStreams(pdf);
    ASSERT_FALSE(content.isEmpty());
    const std::vector<Segment> segments = Segments(content);
    const bool axisFound = std::any_of(segments.begin(), segments.end(),
                                       [&](const Segment& s)
                                       {
                                           return std::abs(s.x1 - axisX) < 0.01 &&
                                                  std::abs(s.x2 - axisX) < 0.01 &&
                                                  std::abs(s.y1 - axisTop) < 0.01 &&
                                                  std::abs(s.y2 - axisBottom) < 0.01;
                                       });
    EXPECT_TRUE(axisFound) << content.left(2000).toStdString();
    // The red curve, the dotted frame line and the upward text (drawn within its measured
    // length, so perhaps narrower along its baseline).
    EXPECT_TRUE(content.contains("1 0 0 SCN"));
    EXPECT_TRUE(QString::fromLatin1(content).contains(
        QRegularExpression(QStringLiteral(R"(\b0 -(1|0\.\d+) 1 0 )"))));
    EXPECT_TRUE(content.contains(" Tj"));
}

// The clip rectangles of a page: a closed path of four lines, then "W* n".
std::vector<QRectF> ClipRects(const QByteArray& content)
{
    std::vector<QRectF> rects;
    const QString number = QStringLiteral(R"(([-\d.]+) ([-\d.]+) )");
    const QRegularExpression clip(number + "m\n" + number + "l\n" + number + "l\n" + number +
                                  "l\n" + number + "l\nh\nW\\* n");
    auto matches = clip.globalMatch(QString::fromLatin1(content));
    while (matches.hasNext())
    {
        const auto match = matches.next();
        rects.emplace_back(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                           QPointF(match.captured(5).toDouble(), match.captured(6).toDouble()));
    }
    return rects;
}

// A table 90 lines wide in blank margins of 2 fits A4 turned at 8 points only without them, and
// prints so, on one part of the page; the rules on its far edges, its right-hand border and its
// bottom rule, are drawn within that part like every other.
TEST_F(DrawingOutput, PrintsATableWithoutItsMarginsAndWithItsBorder)
{
    Drawing table;
    for (double y : {0.0, 2.0, 6.0})
        table.AddLine(0, y, 90, y, 1, 0, 0, 0, 0);
    for (double x : {0.0, 45.0, 90.0})
        table.AddLine(x, 0, x, 6, 1, 0, 0, 0, 0);
    for (double x : {22.5, 67.5})
        for (double y : {0.5, 2.5, 3.5, 4.5})
            table.AddText("cell", x, y, 1, TextAlignment::Middle, 0, false, false, 0);
    table.AddRect(-2, -2, 92, 8, 0, 0, 0, false, 0, 0);
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(directory.filePath("table.pdf"));
    printer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                      QMarginsF(10, 10, 10, 10), QPageLayout::Point));
    ASSERT_TRUE(PrintDrawing(&owner, table, 0, PrintFit::ReadableText, printer).bDone);
    QFile file(printer.outputFileName());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.contains("/MediaBox [0 0 842.000000 595.000000]"));
    const QByteArray content = InflatedStreams(pdf);
    const std::vector<QRectF> clips = ClipRects(content);
    ASSERT_EQ(clips.size(), 1u);
    // The six rules, and the first side of the clip's own path, along its top.
    const std::vector<Segment> segments = Segments(content);
    ASSERT_EQ(segments.size(), 7u);
    // The table fills the page's width within its margins, 90 lines over 822 points, and its part
    // shows a point more on either side: a viewer at 72 pixels per inch draws each rule, the
    // border too, a pixel wide within what the part shows.
    constexpr double pixelsPerPoint = 1200 / 72.0;
    EXPECT_NEAR((clips[0].width() / pixelsPerPoint - 2) / 90, 822.0 / 90, 0.02);
    const QRectF inside = clips[0].adjusted(pixelsPerPoint / 2, pixelsPerPoint / 2,
                                            -pixelsPerPoint / 2, -pixelsPerPoint / 2);
    for (const Segment& s : segments)
        EXPECT_TRUE((s.y1 == clips[0].top() && s.y2 == clips[0].top()) ||
                    (inside.contains(QPointF(s.x1, s.y1)) && inside.contains(QPointF(s.x2, s.y2))))
            << s.x1 << " " << s.y1 << " " << s.x2 << " " << s.y2;
}

TEST_F(DrawingOutput, CopiesAsSvgAndPngAtTwentyPixelsPerUnit)
{
    const PictureSize size = CopyPictureSize(drawing);
    EXPECT_DOUBLE_EQ(size.width, 600);
    EXPECT_DOUBLE_EQ(size.height, 400);
    QGuiApplication::clipboard()->setText("kept");
    const std::unique_ptr<QMimeData> data = DrawingMimeData(drawing, size);
    EXPECT_TRUE(bNothingLeftBehind());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept") << "the caller sets the clipboard";
    ASSERT_TRUE(data->hasFormat("image/svg+xml"));
    ASSERT_TRUE(data->hasFormat("image/png"));
    EXPECT_TRUE(data->hasImage());

    const QByteArray svg = data->data("image/svg+xml");
    QXmlStreamReader reader(svg);
    while (!reader.atEnd())
        reader.readNext();
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    EXPECT_TRUE(svg.contains("Operating Characteristic &amp; &lt;Curves&gt;"));
    QSvgRenderer renderer(svg);
    ASSERT_TRUE(renderer.isValid());
    EXPECT_EQ(renderer.defaultSize(), QSize(600, 400));

    const QImage png = QImage::fromData(data->data("image/png"), "PNG");
    EXPECT_EQ(png.size(), QSize(600, 400));
    png.save(ArtifactPath("sample-drawing-copy.png"));
    QImage rendered(600, 400, QImage::Format_RGB32);
    rendered.fill(Qt::white);
    QPainter painter(&rendered);
    renderer.render(&painter);
    painter.end();
    rendered.save(ArtifactPath("sample-drawing-copy-svg.png"));

    // The red curve shows in both at the same place: (12, 6) in world units.
    for (const QImage* image : {&png, static_cast<const QImage*>(&rendered)})
    {
        const QRgb pixel = image->pixel(12 * 20, 6 * 20);
        EXPECT_GT(qRed(pixel), 200);
        EXPECT_LT(qGreen(pixel), 80);
    }
}

TEST_F(DrawingOutput, CopiesAnEmptyDrawingAsAnEmptyPicture)
{
    Drawing empty;
    const std::unique_ptr<QMimeData> data = DrawingMimeData(empty, CopyPictureSize(empty));
    EXPECT_TRUE(QSvgRenderer(data->data("image/svg+xml")).isValid());
    const QImage png = QImage::fromData(data->data("image/png"), "PNG");
    EXPECT_EQ(png.size(), QSize(1, 1));
}

TEST_F(DrawingOutput, KeepsAVeryLargePngWithinBounds)
{
    Drawing huge;
    huge.AddRect(0, 0, 1000, 500, 1, 0, 0, true, 0x0000FF, 0);
    const PictureSize size = CopyPictureSize(huge);
    const std::unique_ptr<QMimeData> data = DrawingMimeData(huge, size);
    EXPECT_TRUE(data->data("image/svg+xml").contains("width=\"20000\" height=\"10000\""));
    const QImage png = QImage::fromData(data->data("image/png"), "PNG");
    EXPECT_NEAR(png.width(), 5657, 1);
    EXPECT_NEAR(png.height(), 2828, 1);
}

} // namespace
} // namespace Brosquin
