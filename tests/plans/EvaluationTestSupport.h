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
#include <memory>
#include <string>
#include <vector>

namespace Brosquin
{

// A defectives single plan whose Pa is known only between bounds, as a chain or standard-table
// plan's is: its maximum and minimum Pa enclose the single plan's. (Not to be cloned.)
class BoundedSinglePlan : public DefectivesSingleSamplingPlan
{
public:
    bool IsPaSingleValued() const override { return false; }
    Real& dPaMaximum(const Real& p) override
    {
        Real pa = dPa(p);
        result = Number(1) - Number(0.9) * (Number(1) - pa);
        return result;
    }
    Real& dPaMinimum(const Real& p) override
    {
        Real pa = dPa(p);
        result = Number(0.9) * pa;
        return result;
    }
};

inline std::unique_ptr<SamplingPlan> DefectivesSingle(const char* n, const char* a,
                                                      const char* lotSize = nullptr)
{
    auto plan = std::make_unique<DefectivesSingleSamplingPlan>();
    plan->vdDescribe(n, a, 0, lotSize != nullptr, lotSize ? lotSize : "");
    return plan;
}

inline std::unique_ptr<SamplingPlan> DefectsPerUnitSingle(const char* n, const char* a)
{
    auto plan = std::make_unique<DefectsPerUnitSingleSamplingPlan>();
    plan->vdDescribe(n, a, 0, false, "");
    return plan;
}

inline std::unique_ptr<SamplingPlan> BoundedSingle(const char* n, const char* a)
{
    auto plan = std::make_unique<BoundedSinglePlan>();
    plan->vdDescribe(n, a, 0, false, "");
    return plan;
}

inline std::vector<std::string> LineLabels(const Plot& plot)
{
    std::vector<std::string> labels;
    for (std::uint32_t i = 1; i <= plot.LineCount(); ++i)
        labels.emplace_back(plot.Line(i)->label.Text());
    return labels;
}

inline std::vector<Colour> LineColours(const Plot& plot)
{
    std::vector<Colour> colours;
    for (std::uint32_t i = 1; i <= plot.LineCount(); ++i)
        colours.push_back(plot.Line(i)->colour);
    return colours;
}

constexpr Colour red = 0x0000FF;
constexpr Colour blue = 0xFF0000;
constexpr Colour green = 0x00FF00;

// What a table drawing holds, read back by painting it at 100 device units per world unit on a
// canvas whose texts have no width, so every text lands on its anchor.
class TableContents : public Canvas
{
public:
    struct Text
    {
        std::string text;
        double x;
        double y;
        double size;
        Colour colour;
    };
    struct Rule
    {
        double x1;
        double y1;
        double x2;
        double y2;
    };

    explicit TableContents(const Drawing& drawing)
    {
        drawing.vdDrawScaled(*this, scale, 0, scale, 0, 0xFFFFFF);
    }

    std::vector<Text> texts;
    std::vector<Rule> rules;

    // The texts whose anchor lies at height y, from left to right.
    std::vector<std::string> Row(double y) const
    {
        std::vector<std::string> row;
        for (const Text* text : RowTexts(y))
            row.push_back(text->text);
        return row;
    }
    // The x of the texts at height y, from left to right.
    std::vector<double> RowX(double y) const
    {
        std::vector<double> x;
        for (const Text* text : RowTexts(y))
            x.push_back(text->x);
        return x;
    }
    const Text* Find(const std::string& text) const
    {
        for (const Text& t : texts)
            if (t.text == text)
                return &t;
        return nullptr;
    }
    bool HasRule(double x1, double y1, double x2, double y2) const
    {
        for (const Rule& r : rules)
            if (r.x1 == x1 && r.y1 == y1 && r.x2 == x2 && r.y2 == y2)
                return true;
        return false;
    }

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
    std::vector<const Text*> RowTexts(double y) const
    {
        std::vector<const Text*> row;
        for (const Text& text : texts)
            if (text.y == y)
                row.push_back(&text);
        std::stable_sort(row.begin(), row.end(),
                         [](const Text* a, const Text* b) { return a->x < b->x; });
        return row;
    }

    static constexpr double scale = 100;
};

} // namespace Brosquin
