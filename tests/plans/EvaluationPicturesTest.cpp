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

// A title of 25 characters at the default size over the OC curve as an evaluation window first
// shows it is drawn whole, in the middle over the plot (15 units wide), and leaves the picture as
// wide as it was: there is room for it beside the key.
TEST_F(EvaluationTest, ATitleOfOrdinaryLengthIsDrawnWhole)
{
    session.vdAddPlan(Single("50", "1"));
    String message;
    auto list = session.vdEvaluateCheckedPlans(message);
    ASSERT_NE(list, nullptr);
    Plot& oc = *list->OCPlot();
    std::unique_ptr<Drawing> untitled(oc.GetDrawing());
    const char* title = "OC of incoming inspection";
    ASSERT_EQ(std::string(title).size(), 25u);
    oc.vdSetMainTitle(title);
    std::unique_ptr<Drawing> titled(oc.GetDrawing());
    const TableContents texts(*titled);
    const auto shown =
        std::find_if(texts.texts.begin(), texts.texts.end(),
                     [&](const TableContents::Text& text) { return text.text == title; });
    ASSERT_NE(shown, texts.texts.end());
    EXPECT_NEAR(shown->x, 7.5, 0.01);
    EXPECT_EQ(titled->dLeft(), untitled->dLeft());
    EXPECT_EQ(titled->dRight(), untitled->dRight());
}

// The boxes of a plot's value labels along an axis, from the first to the last: the texts of
// the axis's ID that stand level with its first label (the axis label stands further out).
std::vector<std::pair<double, double>> ValueLabelBoxes(const Drawing& drawing, std::uint32_t id)
{
    std::vector<const Text*> labels;
    for (std::uint32_t i = 1; i <= drawing.Count(); ++i)
        if (const auto* text = dynamic_cast<const Text*>(drawing.Object(i));
            text && text->uID == id)
            labels.push_back(text);
    const bool alongX = id == 3;
    std::vector<std::pair<double, double>> boxes;
    for (const Text* text : labels)
        if (!alongX || text->dTop() == labels.front()->dTop())
            boxes.push_back(alongX ? std::pair{text->dLeft(), text->dRight()}
                                   : std::pair{text->dTop(), text->dBottom()});
    std::sort(boxes.begin(), boxes.end());
    return boxes;
}

// In each units row the value labels of every plot stand apart: a count of values the user
// chose that would crowd them is thinned, and it goes back with the range when a change of
// units puts a new one (where defectives per million once read "0 33333 66667100000...").
TEST_F(EvaluationTest, ValueLabelsOfEveryPlotStandApartInEachUnit)
{
    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single("80", "1", "400"));
    String message;
    auto list = session.vdEvaluateCheckedPlans(message);
    ASSERT_NE(list, nullptr);
    Plot* const plots[] = {list->OCPlot(), list->ASNPlot(), list->CostPlot(), list->AOQPlot()};
    const auto expectApart = [&](const char* when)
    {
        for (Plot* plot : plots)
        {
            std::unique_ptr<Drawing> drawing(plot->GetDrawing());
            for (std::uint32_t axis : {2u, 3u})
            {
                const auto boxes = ValueLabelBoxes(*drawing, axis);
                ASSERT_GE(boxes.size(), 2u) << when;
                for (std::size_t i = 1; i < boxes.size(); ++i)
                    EXPECT_LE(boxes[i - 1].second, boxes[i].first)
                        << when << " " << plot->MainTitle().Text() << " axis " << axis;
            }
        }
    };
    for (int units : {2, 0, 1})
    {
        for (Plot* plot : plots)
        {
            plot->vdSetXAxisNumberValues(7);
            plot->vdSetYAxisNumberValues(41);
        }
        expectApart("crowded");
        ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(units));
        session.vdSetUnits();
        EXPECT_EQ(list->OCPlot()->XAxisNumberValues(), 3) << units;
        expectApart("new units");
    }
}

} // namespace
} // namespace Brosquin
