#pragma once

#include "graphics/Canvas.h"
#include "graphics/Drawing.h"
#include "graphics/Plot.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace Brosquin
{

constexpr Colour red = 0x0000FF;
constexpr Colour blue = 0xFF0000;
constexpr Colour green = 0x00FF00;

// A defectives single plan whose Pa is known only between bounds, as a chain or standard-table
// plan's is. Not to be cloned.
class BoundedSinglePlan : public DefectivesSingleSamplingPlan
{
public:
    bool IsPaSingleValued() const override { return false; }
    Real& dPaMaximum(const Real& p) override
    {
        Real pa = dPa(p);
        return result = RealOf(1) - RealOf(0.9) * (RealOf(1) - pa);
    }
    Real& dPaMinimum(const Real& p) override
    {
        Real pa = dPa(p);
        return result = RealOf(0.9) * pa;
    }
};

template <class Plan = DefectivesSingleSamplingPlan>
std::unique_ptr<SamplingPlan> Single(const char* n, const char* a, const char* lotSize = nullptr)
{
    auto plan = std::make_unique<Plan>();
    plan->vdDescribe(n, a, 0, lotSize != nullptr, lotSize ? lotSize : "");
    return plan;
}

// A session and its evaluation lists, with the definitions, units and costs of a new session.
class EvaluationTest : public PlanTest
{
protected:
    std::unique_ptr<SamplingPlanEvaluationList> List(std::vector<std::uint32_t> positions)
    {
        return std::make_unique<SamplingPlanEvaluationList>(session, std::move(positions));
    }
    std::string Description(std::uint32_t position) const
    {
        return session.Plan(position)->Description().Text();
    }
    static std::vector<std::uint32_t> Indexes(const SamplingPlanEvaluationList& list)
    {
        std::vector<std::uint32_t> indexes;
        for (std::uint32_t i = 1; i <= list.Count(); ++i)
            indexes.push_back(list.PlanIndex(i));
        return indexes;
    }
    static std::vector<std::string> Labels(const Plot& plot)
    {
        std::vector<std::string> labels;
        for (std::uint32_t i = 1; i <= plot.LineCount(); ++i)
            labels.emplace_back(plot.Line(i)->label.Text());
        return labels;
    }
    static std::vector<Colour> Colours(const Plot& plot)
    {
        std::vector<Colour> colours;
        for (std::uint32_t i = 1; i <= plot.LineCount(); ++i)
            colours.push_back(plot.Line(i)->colour);
        return colours;
    }
    // Every line of every plot calls the right curve of the plan at its display position; the
    // OC plot holds each plan's Pa line followed by its bound lines, if any.
    static void ExpectLinesFollowPlans(const SamplingPlanEvaluationList& list)
    {
        for (auto [plot, curve] : {std::pair{list.ASNPlot(), &SamplingPlan::ASNCurve},
                                   {list.CostPlot(), &SamplingPlan::CostCurve},
                                   {list.AOQPlot(), &SamplingPlan::AOQCurve}})
        {
            ASSERT_EQ(plot->LineCount(), list.Count());
            for (std::uint32_t i = 1; i <= list.Count(); ++i)
            {
                EXPECT_EQ(plot->Line(i)->context1, list.GetPlan(i));
                EXPECT_EQ(plot->Line(i)->pointFunction, curve);
            }
        }
        const Plot& oc = *list.OCPlot();
        std::uint32_t plan = 0;
        for (std::uint32_t line = 1; line <= oc.LineCount(); ++line)
        {
            const bool paLine = std::string(oc.Line(line)->valueText.Text()) == "0";
            plan += paLine;
            EXPECT_EQ(oc.Line(line)->context1, list.GetPlan(plan)) << "OC line " << line;
            EXPECT_TRUE(!paLine || oc.Line(line)->pointFunction == &SamplingPlan::PaCurve);
        }
        EXPECT_EQ(plan, list.Count());
    }

    SamplingPlanSession session;
};

// What a table drawing holds, read back by painting it at 100 device units per world unit on a
// canvas whose texts have no width, so that every text lands on its anchor.
class TableContents : public Canvas
{
public:
    struct Text
    {
        std::string text;
        double x, y, size;
        Colour colour;
    };
    struct Rule
    {
        double x1, y1, x2, y2;
        bool operator==(const Rule&) const = default;
    };

    explicit TableContents(const Drawing& drawing)
    {
        drawing.vdDrawScaled(*this, scale, 0, scale, 0, 0xFFFFFF);
    }

    // The texts anchored at height y, from left to right.
    std::vector<std::string> Row(double y) const
    {
        std::vector<const Text*> row;
        for (const Text& text : texts)
            if (text.y == y)
                row.push_back(&text);
        std::stable_sort(row.begin(), row.end(),
                         [](const Text* a, const Text* b) { return a->x < b->x; });
        std::vector<std::string> shown;
        for (const Text* text : row)
            shown.push_back(text->text);
        return shown;
    }
    const Text& Find(const std::string& text) const
    {
        return *std::find_if(texts.begin(), texts.end(),
                             [&](const Text& t) { return t.text == text; });
    }
    // A rule from (x1, y1) to (x2, y2), to the hundredth of a line the canvas is painted at.
    bool HasRule(double x1, double y1, double x2, double y2) const
    {
        const auto near = [](double a, double b) { return std::abs(a - b) < 1.01 / scale; };
        return std::any_of(rules.begin(), rules.end(),
                           [&](const Rule& r) {
                               return near(r.x1, x1) && near(r.y1, y1) && near(r.x2, x2) &&
                                      near(r.y2, y2);
                           });
    }

    std::vector<Text> texts;
    std::vector<Rule> rules;

    void vdRectangle(int, int, int, int) override {}
    void vdEllipse(int, int, int, int) override {}
    void vdPolygon(std::span<const DevicePoint>) override {}
    void vdPolyline(std::span<const DevicePoint>) override {}
    int TextWidth(std::string_view) override { return 0; }
    void vdTextOut(int x, int y, std::string_view text) override
    {
        texts.push_back({std::string(text), x / scale, y / scale, CurrentFont().height / scale,
                         CurrentFont().colour});
    }
    double dPixelsPerInchX() const override { return 96; }
    double dPixelsPerInchY() const override { return 96; }

protected:
    void vdDrawLine(DevicePoint from, DevicePoint to) override
    {
        rules.push_back({from.x / scale, from.y / scale, to.x / scale, to.y / scale});
    }

private:
    static constexpr double scale = 100;
};

} // namespace Brosquin
