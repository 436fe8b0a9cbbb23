#include "platform/PainterCanvas.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace Brosquin
{
namespace
{

// Paints on a white image through a PainterCanvas.
QImage Painted(int width, int height, const std::function<void(PainterCanvas&)>& paint)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        PainterCanvas canvas(painter);
        paint(canvas);
    }
    painter.end();
    return image;
}

bool IsColour(const QImage& image, int x, int y, QRgb colour)
{
    const QRgb pixel = image.pixel(x, y);
    return std::abs(qRed(pixel) - qRed(colour)) < 8 &&
           std::abs(qGreen(pixel) - qGreen(colour)) < 8 &&
           std::abs(qBlue(pixel) - qBlue(colour)) < 8;
}

// The smallest rectangle holding every pixel that is not white, or a null rectangle.
QRect InkBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 160)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

TEST(PainterCanvas, DrawsLinesInTheWindowsColourOrder)
{
    const QImage image = Painted(200, 100,
                                 [](PainterCanvas& canvas)
                                 {
                                     canvas.vdSetPen(Pen{PenStyle::Solid, 0x0000FF, 1});
                                     canvas.vdMoveTo(10, 50);
                                     canvas.vdLineTo(190, 50);
                                     canvas.vdSetPen(Pen{PenStyle::Null, 0x000000, 5});
                                     canvas.vdLineTo(190, 90);
                                 });
    EXPECT_TRUE(IsColour(image, 100, 50, qRgb(255, 0, 0)));
    EXPECT_TRUE(IsColour(image, 100, 52, qRgb(255, 255, 255)));
    EXPECT_TRUE(IsColour(image, 190, 70, qRgb(255, 255, 255)));
}

TEST(PainterCanvas, FillsWithASolidBrushAndLeavesHollowFiguresOpen)
{
    const QImage image =
        Painted(200, 100,
                [](PainterCanvas& canvas)
                {
                    canvas.vdSetPen(Pen{PenStyle::Null, 0, 1});
                    canvas.vdSetBrush(Brush{false, 0xFF0000});
                    canvas.vdRectangle(10, 10, 40, 40);
                    canvas.vdSetPen(Pen{PenStyle::Solid, 0, 1});
                    canvas.vdSetBrush(Brush{true, 0xFF0000});
                    canvas.vdRectangle(60, 10, 90, 40);
                    canvas.vdSetBrush(Brush{false, 0x00FF00});
                    canvas.vdEllipse(110, 10, 150, 40);
                    const std::vector<DevicePoint> triangle = {{160, 40}, {180, 10}, {199, 40}};
                    canvas.vdPolygon(triangle);
                });
    EXPECT_TRUE(IsColour(image, 25, 25, qRgb(0, 0, 255)));
    EXPECT_TRUE(IsColour(image, 75, 25, qRgb(255, 255, 255)));
    EXPECT_TRUE(IsColour(image, 60, 25, qRgb(0, 0, 0)));
    EXPECT_TRUE(IsColour(image, 130, 25, qRgb(0, 255, 0)));
    // The ellipse leaves the corners of its box open.
    EXPECT_TRUE(IsColour(image, 112, 12, qRgb(255, 255, 255)));
    EXPECT_TRUE(IsColour(image, 180, 32, qRgb(0, 255, 0)));
}

TEST(PainterCanvas, KeepsWideInsideFramePensWithinTheCorners)
{
    const QImage image = Painted(100, 100,
                                 [](PainterCanvas& canvas)
                                 {
                                     canvas.vdSetPen(Pen{PenStyle::InsideFrame, 0, 10});
                                     canvas.vdSetBrush(Brush{true, 0});
                                     canvas.vdRectangle(20, 20, 80, 80);
                                 });
    const QRect ink = InkBounds(image);
    EXPECT_GE(ink.left(), 20);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LE(ink.right(), 81);
    EXPECT_LE(ink.bottom(), 81);
    EXPECT_TRUE(IsColour(image, 24, 50, qRgb(0, 0, 0)));
}

TEST(PainterCanvas, DrawsPatternedLinesWithGaps)
{
    const QImage image = Painted(200, 20,
                                 [](PainterCanvas& canvas)
                                 {
                                     canvas.vdSetPen(Pen{PenStyle::Dash, 0, 1});
                                     canvas.vdMoveTo(0, 10);
                                     canvas.vdLineTo(199, 10);
                                 });
    int inked = 0;
    for (int x = 0; x < 200; ++x)
        inked += qGray(image.pixel(x, 10)) < 128 ? 1 : 0;
    // Dashes of 18 and gaps of 6 pixels.
    EXPECT_GT(inked, 130);
    EXPECT_LT(inked, 170);
}

TEST(PainterCanvas, MeasuresTextInProportionToTheCellHeight)
{
    Painted(10, 10,
            [](PainterCanvas& canvas)
            {
                Font font;
                font.height = 20;
                canvas.vdSetFont(font);
                const int small = canvas.TextWidth("Operating Characteristic");
                font.height = 40;
                canvas.vdSetFont(font);
                const int large = canvas.TextWidth("Operating Characteristic");
                EXPECT_GT(small, 100);
                EXPECT_NEAR(large, 2 * small, 0.05 * large);
                EXPECT_EQ(canvas.TextWidth(""), 0);
                font.height = 0;
                canvas.vdSetFont(font);
                EXPECT_EQ(canvas.TextWidth("Pa"), 0);
            });
}

TEST(PainterCanvas, WritesTextWithinItsCellFromTheTopLeftCorner)
{
    int width = 0;
    const QImage image = Painted(300, 100,
                                 [&width](PainterCanvas& canvas)
                                 {
                                     Font font;
                                     font.height = 40;
                                     canvas.vdSetFont(font);
                                     width = canvas.TextWidth("HWHW");
                                     canvas.vdTextOut(50, 30, "HWHW");
                                 });
    const QRect ink = InkBounds(image);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 50);
    EXPECT_LE(ink.right(), 50 + width);
    EXPECT_GE(ink.top(), 30);
    EXPECT_LE(ink.bottom(), 70);
    // Capitals fill most of the cell's upper part.
    EXPECT_LE(ink.top(), 40);
    EXPECT_GE(ink.width(), width * 8 / 10);
}

TEST(PainterCanvas, WritesEscapedTextUpwardFromTheAnchor)
{
    int width = 0;
    const QImage image = Painted(100, 300,
                                 [&width](PainterCanvas& canvas)
                                 {
                                     Font font;
                                     font.height = 40;
                                     font.escapement = 900;
                                     canvas.vdSetFont(font);
                                     width = canvas.TextWidth("HWHW");
                                     canvas.vdTextOut(30, 250, "HWHW");
                                 });
    const QRect ink = InkBounds(image);
    ASSERT_FALSE(ink.isNull());
    // The cell turns counter-clockwise about (30, 250): it lies right of x = 30 and above y = 250.
    EXPECT_GE(ink.left(), 30);
    EXPECT_LE(ink.right(), 70);
    EXPECT_LE(ink.bottom(), 250);
    EXPECT_GE(ink.top(), 250 - width);
    EXPECT_GE(ink.height(), width * 8 / 10);
}

TEST(PainterCanvas, CopesWithFiguresFarBeyondItsDevice)
{
    constexpr int far = 1000000000;
    int width = 0;
    const QImage image = Painted(100, 100,
                                 [&width](PainterCanvas& canvas)
                                 {
                                     canvas.vdSetPen(Pen{PenStyle::Dash, 0x0000FF, 1});
                                     canvas.vdMoveTo(-far, 50);
                                     canvas.vdLineTo(far, 50);
                                     canvas.vdSetPen(Pen{PenStyle::Solid, 0, far});
                                     canvas.vdSetBrush(Brush{true, 0});
                                     canvas.vdEllipse(-far, -far, far, far);
                                     Font font;
                                     font.height = far;
                                     canvas.vdSetFont(font);
                                     width = canvas.TextWidth("Pa");
                                     canvas.vdTextOut(-far, -far, "Pa");
                                 });
    EXPECT_GT(width, 10000);
    EXPECT_TRUE(IsColour(image, 30, 50, qRgb(255, 0, 0)) ||
                IsColour(image, 40, 50, qRgb(255, 0, 0)));
}

TEST(PainterCanvas, AnswersTheResolutionOfItsDevice)
{
    QImage image(10, 10, QImage::Format_RGB32);
    image.setDotsPerMeterX(11811); // 300 per inch
    image.setDotsPerMeterY(5906);  // 150 per inch
    QPainter painter(&image);
    PainterCanvas canvas(painter);
    EXPECT_NEAR(canvas.dPixelsPerInchX(), 300, 0.5);
    EXPECT_NEAR(canvas.dPixelsPerInchY(), 150, 0.5);
}

TEST(PainterCanvas, RestoresThePaintersStateWhenDone)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    const QPen pen(Qt::green, 7);
    painter.setPen(pen);
    {
        PainterCanvas canvas(painter);
        canvas.vdSetPen(Pen{PenStyle::Solid, 0x0000FF, 2});
        canvas.vdMoveTo(0, 0);
        canvas.vdLineTo(9, 9);
    }
    EXPECT_EQ(painter.pen(), pen);
}

} // namespace
} // namespace Brosquin
