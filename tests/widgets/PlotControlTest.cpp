#include "widgets/PlotControl.h"

#include "core/RealOf.h"
#include "graphics/Drawing.h"
#include "graphics/Plot.h"
#include "platform/ApplicationPrinter.h"
#include "tests/app/ModalDialogDriver.h"
#include "tests/support/ScriptedUserInteraction.h"
#include "tests/widgets/DisplayControlSupport.h"
#include "widgets/PlotOptionsDialogBox.h"

#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <QSvgRenderer>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>

namespace Brosquin
{
namespace
{

constexpr Colour red = 0x0000FF;

// The OC curve of the single plan n = 50, c = 1 for defective units in lots of any size:
// Pa(p) = (1 - p)^50 + 50 p (1 - p)^49, the binomial probability of at most one defective.
double SinglePlanPa(double p)
{
    return std::pow(1 - p, 50) + 50 * p * std::pow(1 - p, 49);
}

struct OcCurve
{
    Real pa;
    bool fails = false;

    static const Real* Point(void* context1, void* context2)
    {
        auto* curve = static_cast<OcCurve*>(context1);
        if (curve->fails)
            throw std::runtime_error("the plan cannot be evaluated");
        curve->pa = SinglePlanPa(static_cast<OptimizationInput*>(context2)->value.dValue());
        return &curve->pa;
    }
};

// A Plot that counts its deletions.
class CountedPlot : public Plot
{
public:
    CountedPlot(OptimizationInput* variable, int* deletions)
        : Plot(variable, 1), deletions(deletions)
    {
    }
    ~CountedPlot() override { ++*deletions; }

private:
    int* deletions;
};

// The plot of the OC curve over p in [0, 0.1].
class PlotControlTest : public DisplayControlTest<TPlotControl>
{
protected:
    OptimizationInput variable;
    OcCurve curve;
    int deletions = 0;
    ScriptedUserInteraction person;

    ModalDialogDriver driver;
    // The pages the plot options opened at; the plot has one line, so the Lines page is line 1's.
    std::vector<int> openings;

    void SetUp() override { vdShowInContainer(640, 480); }

    // The next plot options dialog is noted and cancelled.
    void vdQueueCancelledOptions()
    {
        driver.vdQueue(
            [this](QDialog& dialog)
            {
                openings.push_back(
                    ModalDialogDriver::ControlOf<QTabWidget>(dialog, "PageControl").currentIndex());
                dialog.reject();
            });
    }

    CountedPlot* OcPlot()
    {
        auto* plot = new CountedPlot(&variable, &deletions);
        plot->vdSetMainTitle("OC Curve");
        plot->vdSetYAxisLabel("Pa");
        plot->vdSetXAxisLabel("Fraction Defective");
        plot->vdSetXAxisMinimum(RealOf(0.0));
        plot->vdSetXAxisMaximum(RealOf(0.1));
        plot->vdSetXAxisNumberValues(5);
        plot->vdSetYAxisNumberValues(5);
        plot->vdAddLine(OcCurve::Point, nullptr, &curve, &variable, "n=50, c=1", nullptr, 0.2, red,
                        1);
        return plot;
    }

    // The pixel of a point (p, Pa) of the plot area when the control shows its drawing fitted
    // within the margin.
    QPoint PixelOf(double p, double pa) const
    {
        const Drawing& drawing = *control->ShownDrawing();
        const double margin = control->Margin();
        const FittedMapping mapping =
            Fitted(drawing.dLeft(), drawing.dTop(), drawing.dRight(), drawing.dBottom(), margin,
                   margin, control->width() - margin, control->height() - margin);
        // The plot area is 10 units each way, Y maximum at the top.
        return mapping.Pixel(p / 0.1 * 10, (1 - pa) * 10);
    }
};

bool bRedNear(const QImage& image, QPoint centre, int radius)
{
    for (int dx = -radius; dx <= radius; ++dx)
        for (int dy = -radius; dy <= radius; ++dy)
        {
            const QColor colour = image.pixelColor(centre + QPoint(dx, dy));
            if (colour.red() > 180 && colour.green() < 110 && colour.blue() < 110)
                return true;
        }
    return false;
}

TEST_F(PlotControlTest, ShowsTheOcCurveWhereTheLayoutPutsIt)
{
    control->vdSetPlot(OcPlot());
    control->vdSetMargin(10);
    const QImage image = control->grab().toImage();
    ASSERT_EQ(image.size(), QSize(640, 480));
    image.save(QString(VELTRAME_ARTIFACT_DIR) + "/oc-curve-plot-control.png");
    for (const double p : {0.0, 0.005, 0.01, 0.02, 0.03, 0.045, 0.06, 0.08, 0.1})
    {
        const double pa = SinglePlanPa(p);
        EXPECT_TRUE(bRedNear(image, PixelOf(p, pa), 2)) << p;
        // A twentieth of the plot higher or lower there is no curve.
        if (pa < 0.9)
        {
            EXPECT_FALSE(bRedNear(image, PixelOf(p, pa + 0.05), 2)) << p;
        }
        if (pa > 0.1)
        {
            EXPECT_FALSE(bRedNear(image, PixelOf(p, pa - 0.05), 2)) << p;
        }
    }
    // Pa(0.0336) is about one half: the curve crosses the middle of the plot there.
    EXPECT_TRUE(bRedNear(image, PixelOf(0.0336, 0.5), 2));

    // Under a title far wider than the plot the curve keeps its size and place.
    const QPoint half = PixelOf(0.0336, 0.5);
    const QPoint end = PixelOf(0.1, SinglePlanPa(0.1));
    CountedPlot* titled = OcPlot();
    titled->vdSetMainTitle(("OC Curve " + std::string(4000, 'W')).c_str());
    control->vdSetPlot(titled);
    const QImage underLongTitle = control->grab().toImage();
    EXPECT_TRUE(bRedNear(underLongTitle, half, 2));
    EXPECT_TRUE(bRedNear(underLongTitle, end, 2));
}

TEST_F(PlotControlTest, StartsItsMenuWithThePlotOptions)
{
    QStringList captions;
    for (const QAction* item : control->PopupMenu()->actions())
        captions << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(captions,
              QStringList({"Plot &Options...", "-", "&Size To Fit", "&Fixed Size - Normal",
                           "Fi&xed Size - Custom", "-", "&Print", "&Copy to Clipboard"}));
    // Without a Plot there are no options to show; with one they open at the Title page.
    MenuItem(*control->PopupMenu(), "Plot &Options...")->trigger();
    EXPECT_TRUE(openings.empty());
    control->vdSetPlot(OcPlot());
    vdQueueCancelledOptions();
    MenuItem(*control->PopupMenu(), "Plot &Options...")->trigger();
    EXPECT_EQ(openings, std::vector<int>{TPlotOptionsDialogBox::TitlePage});
}

TEST_F(PlotControlTest, OwnsThePlotAndItsLayout)
{
    control->vdSetPlot(nullptr);
    EXPECT_EQ(control->ShownPlot(), nullptr);
    EXPECT_EQ(control->ShownDrawing(), nullptr);
    CountedPlot* first = OcPlot();
    control->vdSetPlot(first);
    EXPECT_EQ(control->ShownPlot(), first);
    ASSERT_NE(control->ShownDrawing(), nullptr);
    EXPECT_FALSE(first->bDrawingOutOfDate());
    control->vdSetPlot(nullptr);
    EXPECT_EQ(control->ShownPlot(), first);
    // The Plot already shown is laid out again, never deleted.
    control->vdSetPlot(first);
    EXPECT_EQ(deletions, 0);
    EXPECT_EQ(control->ShownPlot(), first);
    ASSERT_NE(control->ShownDrawing(), nullptr);
    control->vdSetPlot(OcPlot());
    EXPECT_EQ(deletions, 1);
    control->vdDeletePlot();
    EXPECT_EQ(deletions, 2);
    EXPECT_EQ(control->ShownPlot(), nullptr);
    EXPECT_EQ(control->ShownDrawing(), nullptr);
    control->vdSetPlot(OcPlot());
    delete control;
    EXPECT_EQ(deletions, 3);
}

TEST_F(PlotControlTest, HoldsTheLargerSideOfAFixedSizeTo32000Pixels)
{
    CountedPlot* plot = OcPlot();
    plot->vdSetAxisRatio(1000);
    control->vdSetPlot(plot);
    control->vdSetMargin(5);
    control->vdSize400();
    const Drawing& drawing = *control->ShownDrawing();
    const double w = (drawing.dRight() - drawing.dLeft()) * 4 * 12;
    const double h = (drawing.dBottom() - drawing.dTop()) * 4 * 12;
    ASSERT_GT(w, 32000);
    EXPECT_EQ(control->size(), QSize(32010, static_cast<int>(h * 32000 / w + 10)));

    // Its picture on the clipboard is held the same way, at 20 pixels per unit.
    control->vdClipboard();
    const QSize picture =
        QSvgRenderer(QGuiApplication::clipboard()->mimeData()->data("image/svg+xml")).defaultSize();
    EXPECT_EQ(picture.width(), 32000);
    EXPECT_NEAR(picture.height(), (drawing.dBottom() - drawing.dTop()) * 20 * 32000 / (w / 48 * 20),
                1);
}

TEST_F(PlotControlTest, RedrawLaysOutOnlyAPlotThatChanged)
{
    CountedPlot* plot = OcPlot();
    control->vdSetPlot(plot);
    control->vdFixedSizeNormal();
    const Drawing* before = control->ShownDrawing();
    const QSize size = control->size();
    control->vdRedraw();
    EXPECT_EQ(control->ShownDrawing(), before);

    plot->vdSetAxisRatio(2);
    ASSERT_TRUE(plot->bDrawingOutOfDate());
    control->vdRedraw();
    EXPECT_NE(control->ShownDrawing(), before);
    EXPECT_FALSE(plot->bDrawingOutOfDate());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    // The plot area is now twice as wide: the fixed size grows by 10 units of 12 pixels.
    EXPECT_EQ(control->width(), size.width() + 120);
    EXPECT_EQ(control->height(), size.height());
}

TEST_F(PlotControlTest, KeepsTheLayoutShownWhenACurveFails)
{
    CountedPlot* plot = OcPlot();
    control->vdSetPlot(plot);
    const Drawing* before = control->ShownDrawing();
    curve.fails = true;
    plot->vdSetXAxisMaximum(RealOf(0.2));
    EXPECT_THROW(control->vdRedraw(), std::runtime_error);
    EXPECT_EQ(control->ShownDrawing(), before);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(PlotControlTest, ACrossLastsUntilTheNextLayout)
{
    CountedPlot* plot = OcPlot();
    control->vdSetPlot(plot);
    const std::uint32_t count = control->ShownDrawing()->Count();
    control->vdCrossOutPlot();
    EXPECT_EQ(control->ShownDrawing()->Count(), count + 2);
    plot->vdSetMainTitle("Crossed out");
    control->vdRedraw();
    EXPECT_EQ(control->ShownDrawing()->Count(), count);
}

// The point of the curve at p = 0.03 is part of line 1 (uID 1001); the middle of the plot area
// far from the curve is no object.
TEST_F(PlotControlTest, ADoubleClickOnAPartOfThePlotOpensItsOptions)
{
    control->vdSetPlot(OcPlot());
    int changes = 0;
    control->OnChange = [&changes](QObject*) { ++changes; };
    const QPoint onCurve = PixelOf(0.03, SinglePlanPa(0.03));
    const QPoint offCurve = PixelOf(0.08, 0.8);
    vdClick(*control, onCurve);
    vdDoubleClick(*control, offCurve);
    EXPECT_TRUE(openings.empty());
    vdQueueCancelledOptions();
    vdDoubleClick(*control, onCurve);
    EXPECT_EQ(openings, std::vector<int>{TPlotOptionsDialogBox::LinePage});
    // Cancelled options changed nothing.
    EXPECT_EQ(changes, 0);
}

TEST_F(PlotControlTest, TheMouseSettingChoosesTheClickThatActs)
{
    control->vdSetPlot(OcPlot());
    const QPoint onCurve = PixelOf(0.03, SinglePlanPa(0.03));
    control->Mouse = MouseAction::maSingle;
    vdQueueCancelledOptions();
    vdClick(*control, onCurve);
    EXPECT_EQ(openings.size(), 1u);
    vdClick(*control, onCurve, Qt::RightButton);
    control->Mouse = MouseAction::maNone;
    vdDoubleClick(*control, onCurve);
    EXPECT_EQ(openings.size(), 1u);
    vdMoveMouse(*control, onCurve);
    EXPECT_NE(control->cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(PlotControlTest, PrintsThePlotToThePrinter)
{
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    QPrinter& printer = ApplicationPrinter();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(directory.filePath("oc.pdf"));
    control->vdSetPlot(OcPlot());
    control->vdPrint();
    printer.setOutputFileName(QString());
    EXPECT_TRUE(bNothingLeftBehind());
    EXPECT_TRUE(person.Messages().empty());
    QFile file(directory.filePath("oc.pdf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray pdf = file.readAll();
    EXPECT_TRUE(pdf.startsWith("%PDF-"));
    EXPECT_TRUE(pdf.contains("/Count 1"));
    // The blue title, the red curve and the texts of the plot.
    const QByteArray content = InflatedStreams(pdf);
    EXPECT_TRUE(content.contains("0 0 1 SCN"));
    EXPECT_TRUE(content.contains("1 0 0 SCN"));
    EXPECT_GE(content.count(" Tj"), 10);
    QFile::copy(directory.filePath("oc.pdf"),
                QString(VELTRAME_ARTIFACT_DIR) + "/oc-curve-plot.pdf");
}

} // namespace
} // namespace Brosquin
