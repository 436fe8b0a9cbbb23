#include "plans/SamplingPlanTable.h"

#include "graphics/Drawing.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanSession.h"

#include <array>
#include <new>

namespace Brosquin
{

namespace
{

constexpr Colour black = 0x000000;
constexpr Colour blue = 0xFF0000;
constexpr double tableWidth = 84;
// The centres of the six columns and the vertical lines between them.
constexpr std::array<double, 6> columnCentres = {5, 30, 54, 62, 70, 79};
constexpr std::array<double, 7> columnLines = {0, 10, 50, 58, 66, 74, 84};

// "AQL (0.95)" and "LTPD (0.10)": the two point columns name the definitions in force.
String AQLHeading()
{
    String heading("AQL (");
    heading += SamplingPlan::PaAtAQLText().Text();
    heading += ")";
    return heading;
}

String LTPDHeading()
{
    String heading(SamplingPlan::SymbolName(SamplingPlan::SymbolIndex()));
    heading += " (";
    heading += SamplingPlan::PaAtLTPDText().Text();
    heading += ")";
    return heading;
}

std::array<const char*, 6> Headings(const String& aql, const String& ltpd)
{
    return {"Characteristic", "Sampling Plans", aql.Text(), ltpd.Text(), "AOQL", "Units"};
}

std::array<const char*, 6> Cells(const SamplingPlan& plan)
{
    return {plan.CharacteristicName(),   plan.Description().Text(), plan.AQLPointText().Text(),
            plan.LTPDPointText().Text(), plan.AOQLText().Text(),    plan.UnitsName().Text()};
}

void vdAddRow(Drawing& drawing, const std::array<const char*, 6>& texts, double y)
{
    for (std::size_t i = 0; i < texts.size(); ++i)
        drawing.AddText(texts[i], columnCentres[i], y, 1, TextAlignment::Middle, black, false,
                        false, 0);
}

void vdAddRule(Drawing& drawing, double x1, double y1, double x2, double y2)
{
    drawing.AddLine(x1, y1, x2, y2, 1, black, 0, 0, 0);
}

void vdAppendLine(String& text, const std::array<const char*, 6>& texts)
{
    for (std::size_t i = 0; i < texts.size(); ++i)
    {
        if (i > 0)
            text += '\t';
        text += texts[i];
    }
}

} // namespace

std::unique_ptr<Drawing> GetPlansTableDrawing(const SamplingPlanSession& session)
{
    std::unique_ptr<Drawing> drawing(new Drawing());
    if (!drawing)
        throw std::bad_alloc();
    drawing->AddText("List Sampling Plans", tableWidth / 2, -3, 1.5, TextAlignment::Middle, blue,
                     false, false, 0);
    const String aql = AQLHeading();
    const String ltpd = LTPDHeading();
    vdAddRow(*drawing, Headings(aql, ltpd), 0.5);
    vdAddRule(*drawing, 0, 0, tableWidth, 0);
    vdAddRule(*drawing, 0, 2, tableWidth, 2);

    // Rows stand in groups of three, half a line apart.
    double y = 2.5;
    const std::uint32_t count = session.Count();
    for (std::uint32_t i = 1; i <= count; ++i)
    {
        vdAddRow(*drawing, Cells(*session.Plan(i)), y);
        y += 1;
        if (i % 3 == 0 && i != count)
            y += 0.5;
    }
    const double bottom = y + 0.5;
    vdAddRule(*drawing, 0, bottom, tableWidth, bottom);
    for (double x : columnLines)
        vdAddRule(*drawing, x, 0, x, bottom);
    // An invisible frame: the margins around the title and the table.
    drawing->AddRect(-2, -5, tableWidth + 2, bottom + 2, 0, black, 0, false, black, 0);
    // Printed over several pages, each shows the title and headings and the characteristic and
    // description that name each plan.
    drawing->vdSetRepeatedParts(2, columnLines[2]);
    return drawing;
}

void vdCopyAsText(const SamplingPlanSession& session, String& text)
{
    const String aql = AQLHeading();
    const String ltpd = LTPDHeading();
    text = "";
    vdAppendLine(text, Headings(aql, ltpd));
    text += '\n';
    const std::uint32_t count = session.Count();
    for (std::uint32_t i = 1; i <= count; ++i)
    {
        if (i > 1)
            text += '\n';
        vdAppendLine(text, Cells(*session.Plan(i)));
    }
}

} // namespace Brosquin
