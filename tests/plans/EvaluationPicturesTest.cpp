#include "platform/PainterCanvas.h"
#include "tests/plans/EvaluationTestSupport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <string>

namespace Brosquin
{
namespace
{

// The evaluation of three plans as the window shows it, painted into images that are kept for a
// person to look at.
class EvaluationPicturesTest : public PlanTest
{
protected:
    static QImage Painted(const Drawing& drawing, const std::string& name)
    {
        QImage image(1200, 800, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        {
            PainterCanvas canvas(painter);
            drawing.vdDraw(canvas, 10, 10, image.width() - 10, image.height() - 10, 0xFFFFFF);
        }
        painter.end();
        image.save(QString::fromStdString(std::string(VELTRAME_ARTIFACT_DIR) + "/evaluation-" +
                                          name + ".png"));
        return image;
    }
    static QImage PaintedPlot(Plot& plot, const std::string& name)
    {
        std::unique_ptr<Drawing> drawing(plot.GetDrawing());
        return Painted(*drawing, name);
    }
    static int PixelsOf(const QImage& image, Colour colour)
    {
        const QRgb rgb = qRgb(RedOf(colour), GreenOf(colour), BlueOf(colour));
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == rgb;
        return count;
    }
    static int InkedPixels(const QImage& image)
    {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += qGray(image.pixel(x, y)) < 128;
        return count;
    }

    void SetUp() override
    {
        PlanTest::SetUp();
        session.vdAddPlan(DefectivesSingle("50", "2"));
        session.vdAddPlan(DefectivesSingle("125", "3"));
        session.vdAddPlan(DefectivesSingle("80", "1", "400"));
        String message;
        list = session.vdEvaluateCheckedPlans(message);
        ASSERT_NE(list, nullptr);
    }

    SamplingPlanSession session;
    std::unique_ptr<SamplingPlanEvaluationList> list;
};

TEST_F(EvaluationPicturesTest, EachPlotShowsEveryPlanInItsColour)
{
    for (auto [plot, name] : {std::pair{list->OCPlot(), "oc"},
                              {list->ASNPlot(), "asn"},
                              {list->CostPlot(), "cost"},
                              {list->AOQPlot(), "aoq"}})
    {
        const QImage image = PaintedPlot(*plot, name);
        for (Colour colour : {red, blue, green})
            EXPECT_GT(PixelsOf(image, colour), 20) << name << " " << std::hex << colour;
    }
}

TEST_F(EvaluationPicturesTest, TablesArePainted)
{
    for (auto [drawing, name] : {std::pair{list->PlansTable(), "summary"},
                                 {list->PercentilesTable(), "percentiles"},
                                 {list->CurvesTable(), "curves"}})
    {
        const QImage image = Painted(*drawing, name);
        EXPECT_GT(InkedPixels(image), 2000) << name;
        EXPECT_GT(PixelsOf(image, blue), 50) << name << ": the title";
    }
}

} // namespace
} // namespace Brosquin
