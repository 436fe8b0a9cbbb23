#include "platform/PainterCanvas.h"
#include "tests/plans/EvaluationTestSupport.h"
#include "tests/support/Pixels.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <string>

namespace Brosquin
{
namespace
{

// The plots and tables of three plans painted as the window shows them, and kept for a person to
// look at. Each plot shows every plan in its colour; each table is inked, its title in blue.
TEST_F(EvaluationTest, PicturesOfAnEvaluation)
{
    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single("125", "3"));
    session.vdAddPlan(Single("80", "1", "400"));
    String message;
    auto list = session.vdEvaluateCheckedPlans(message);
    ASSERT_NE(list, nullptr);
    auto paint = [](const Drawing& drawing, const std::string& name)
    {
        QImage image(1200, 800, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        {
            PainterCanvas canvas(painter);
            drawing.vdDraw(canvas, 10, 10, image.width() - 10, image.height() - 10, 0xFFFFFF);
        }
        painter.end();
        image.save(QString::fromStdString(std::string(VELTRAME_ARTIFACT_DIR) + "/evaluation-list-" +
                                          name + ".png"));
        return image;
    };
    auto pixelsOf = [](const QImage& image, Colour colour)
    { return PixelsOf(image, QColor(RedOf(colour), GreenOf(colour), BlueOf(colour))); };
    for (auto [plot, name] : {std::pair{list->OCPlot(), "oc"},
                              {list->ASNPlot(), "asn"},
                              {list->CostPlot(), "cost"},
                              {list->AOQPlot(), "aoq"}})
    {
        std::unique_ptr<Drawing> drawing(plot->GetDrawing());
        const QImage image = paint(*drawing, name);
        for (Colour colour : {red, blue, green})
            EXPECT_GT(pixelsOf(image, colour), 20) << name << " " << std::hex << colour;
    }
    for (auto [table, name] : {std::pair{list->PlansTable(), "summary"},
                               {list->PercentilesTable(), "percentiles"},
                               {list->CurvesTable(), "curves"}})
    {
        const QImage image = paint(*table, name);
        EXPECT_GT(pixelsOf(image, 0x000000), 1000) << name;
        EXPECT_GT(pixelsOf(image, blue), 50) << name;
    }
}

} // namespace
} // namespace Brosquin
