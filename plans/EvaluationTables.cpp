#include "plans/SamplingPlanEvaluationList.h"

#include "core/RealOf.h"
#include "graphics/Drawing.h"
#include "plans/SamplingPlan.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace Brosquin
{

namespace
{

// Table drawings are in text-line heights, x to the right and y downwards, with the column
// headers between the rules at y 0 and 2.
constexpr double headerY = 0.5;
constexpr double headersBottom = 2;
constexpr double titleSize = 1.5;
constexpr Colour black = 0x000000;
constexpr Colour blue = 0xFF0000;
// A plan's description stands a line clear of its column's rules either side, a value at least
// half a line.
constexpr double descriptionRoom = 2;
constexpr double valueRoom = 1;
constexpr char tab = '\t';
constexpr char lineFeed = '\n';

constexpr std::array<double, 9> percentiles = {0.99, 0.95, 0.90, 0.75, 0.50,
                                               0.25, 0.10, 0.05, 0.01};
constexpr std::array<const char*, 9> percentileHeaders = {"99%", "95%", "90%", "75%", "50%",
                                                          "25%", "10%", "5%",  "1%"};

// The top of data row r (from 0): one unit apart, half a unit more after every third row.
double RowTop(std::uint32_t r)
{
    return 2.5 + r + 0.5 * (r / 3);
}

// The bottom rule, half a unit below the last of the rows.
double TableBottom(std::uint32_t rows)
{
    return rows == 0 ? 2 : RowTop(rows - 1) + 1.5;
}

String Shown(const Real& value, int digits, bool exponentFlag)
{
    return String(!IsNumber(value) ? "none" : value.Text(digits, exponentFlag));
}

// Appends the texts joined by tabs.
void vdAppendColumns(String& out, const std::vector<String>& columns)
{
    for (std::size_t i = 0; i < columns.size(); ++i)
    {
        if (i > 0)
            out += tab;
        out += columns[i].Text();
    }
}

// The two title lines of a table text, each after three empty columns.
void vdAppendTitleLines(String& out, const String& title, const String& subTitle)
{
    for (const String* line : {&title, &subTitle})
    {
        vdAppendColumns(out, {String(), String(), String(), *line});
        out += lineFeed;
    }
}

// The drawing of one table, emptied to be filled afresh; made on first use.
class TableDrawing
{
public:
    explicit TableDrawing(std::unique_ptr<Drawing>& drawing)
    {
        if (!drawing)
            drawing = std::make_unique<Drawing>();
        drawing->Clear();
        d = drawing.get();
    }

    void vdText(const char* text, double x, double y, double size = 1, Colour colour = black)
    {
        d->AddText(text, x, y, size, TextAlignment::Middle, colour, false, false, 0);
    }
    void vdRule(double x1, double y1, double x2, double y2)
    {
        d->AddLine(x1, y1, x2, y2, 1, black, 0, 0, 0);
    }
    void vdTitles(const String& title, const String& subTitle, double x, double titleY,
                  double subTitleY)
    {
        vdText(title.Text(), x, titleY, titleSize, blue);
        vdText(subTitle.Text(), x, subTitleY);
    }
    // One text per column at the columns' x.
    void vdRow(const std::vector<String>& texts, const std::vector<double>& x, double y)
    {
        for (std::size_t i = 0; i < texts.size() && i < x.size(); ++i)
            vdText(texts[i].Text(), x[i], y);
    }
    // The rules above and below the headers and at the bottom, the left border and the column
    // lines, then an invisible rectangle that fixes the margins of the drawing's extent.
    void vdFrame(double width, double bottom, const std::vector<double>& columnLines,
                 double topMargin)
    {
        vdRule(0, 0, width, 0);
        vdRule(0, headersBottom, width, headersBottom);
        vdRule(0, bottom, width, bottom);
        vdRule(0, 0, 0, bottom);
        for (double x : columnLines)
            vdRule(x, 0, x, bottom);
        d->AddRect(-2, topMargin, width + 2, bottom + 2, 0, black, 0, false, black, 0);
    }
    // A table printed over several pages shows on each the titles and headers above the rows
    // and the leading columns up to labelsRight, which name the rows.
    void vdRepeatHeadersAndLabels(double labelsRight)
    {
        d->vdSetRepeatedParts(headersBottom, labelsRight);
    }

private:
    Drawing* d;
};

// The columns of a table side by side from x 0, each as wide as its texts need: the first, of
// the plans' descriptions, as wide as the widest with its room, as in the curves table; each of
// the others its usual width, or wider where one of its values would want more room.
struct Columns
{
    // Where the texts of each column stand, and the rule on its right.
    std::vector<double> middles;
    std::vector<double> rules;

    Columns(const std::vector<std::vector<String>>& rows, double usualWidth)
    {
        double left = 0;
        for (std::size_t c = 0; c < rows.front().size(); ++c)
        {
            double widest = 0;
            for (const std::vector<String>& row : rows)
                widest = std::max(widest, row[c].dWidth());
            const double width =
                c == 0 ? widest + descriptionRoom : std::max(usualWidth, widest + valueRoom);
            middles.push_back(left + 0.5 * width);
            left += width;
            rules.push_back(left);
        }
    }
    double dWidth() const { return rules.back(); }
};

// A table of a header row and one row per plan, its columns as wide as their texts need, between
// the titles above and the margins around.
void vdBuildTable(TableDrawing& table, const std::vector<std::vector<String>>& rows,
                  double usualWidth, const String& title, const String& subTitle)
{
    const Columns columns(rows, usualWidth);
    table.vdTitles(title, subTitle, 0.5 * columns.dWidth(), -5, -2.5);
    table.vdRow(rows.front(), columns.middles, headerY);
    std::uint32_t plans = 0;
    for (; plans + 1 < rows.size(); ++plans)
        table.vdRow(rows[plans + 1], columns.middles, RowTop(plans));
    table.vdFrame(columns.dWidth(), TableBottom(plans), columns.rules, -7);
    table.vdRepeatHeadersAndLabels(columns.rules.front());
}

String InspectionFor(const SamplingPlan& plan)
{
    String text("Inspection for ");
    text += plan.CharacteristicName();
    return text;
}

String SymbolText()
{
    return String(SamplingPlan::SymbolName(SamplingPlan::SymbolIndex()));
}

String SummarySubTitle(const SamplingPlan& plan, bool aoq)
{
    String text = InspectionFor(plan);
    text += " - AQL, ";
    text += SymbolText().Text();
    if (aoq)
        text += ", AOQL";
    text += " in ";
    text += plan.UnitsName().Text();
    return text;
}

std::vector<String> SummaryHeaders(bool aoq)
{
    const String symbol = SymbolText();
    String maximum("Max OC(");
    maximum += symbol.Text();
    maximum += ")";
    String rate("Rate ");
    rate += symbol.Text();
    std::vector<String> headers = {String("Sampling Plan"), String("AQL"), symbol};
    if (aoq)
        headers.emplace_back("AOQL");
    for (const String& header :
         {String("Protection"), String("Min OC(AQL)"), String("Rate AQL"), maximum, rate})
        headers.push_back(header);
    return headers;
}

std::vector<String> SummaryRow(const SamplingPlan& plan, bool aoq)
{
    std::vector<String> row = {plan.Description(), plan.AQLPointText(), plan.LTPDPointText()};
    if (aoq)
        row.push_back(plan.AOQLText());
    row.emplace_back(plan.IsPaSingleValued() ? "Constant" : "Varies");
    for (const String* text : {&plan.PaAtAQLPointText(), &plan.PercentAtAQLPointText(),
                               &plan.PaAtLTPDPointText(), &plan.PercentAtLTPDPointText()})
        row.push_back(*text);
    return row;
}

String PercentilesTitle(const SamplingPlan& plan)
{
    String text("Percentiles in ");
    text += plan.UnitsName().Text();
    return text;
}

// The first column's header is singular in the drawing, plural in the text.
std::vector<String> PercentilesHeaders(const char* first)
{
    std::vector<String> headers = {String(first)};
    for (const char* header : percentileHeaders)
        headers.emplace_back(header);
    return headers;
}

// The quality levels at the nine probabilities of acceptance.
std::vector<String> PercentilesRow(SamplingPlan& plan, bool exponentFlag)
{
    std::vector<String> row = {plan.Description()};
    for (double pa : percentiles)
        row.push_back(Shown(plan.dQualityLevelAtPa(RealOf(pa)), 5, exponentFlag));
    return row;
}

String CurvesTitle(bool aoq)
{
    return String(aoq ? "Table of OC, ASN and AOQ Curves" : "Table of OC and ASN Curves");
}

std::vector<String> CurvesGroupHeaders(bool aoq, const String& costTitle)
{
    std::vector<String> headers = {String("OC (Pa)"), String("ASN"), costTitle};
    if (aoq)
        headers.emplace_back("AOQ");
    return headers;
}

// The values of one plan at quality level x, each made a text before the plan's next evaluation.
// The clipboard text writes exponents as "e", as every tab-separated table does, so that a
// spreadsheet reads them as numbers.
std::vector<String> CurvesGroup(SamplingPlan& plan, const Real& x, bool aoq, bool exponentFlag)
{
    std::vector<String> group = {Shown(plan.dPa(x), 6, exponentFlag),
                                 Shown(plan.dASN(x), 6, exponentFlag),
                                 Shown(plan.dCost(x), 6, exponentFlag)};
    if (aoq)
        group.push_back(Shown(plan.dAOQ(x), 6, exponentFlag));
    return group;
}

} // namespace

void SamplingPlanEvaluationList::vdBuildPlansTable()
{
    if (Count() == 0)
        return;
    const bool aoq = Plan(1).IsAOQDefined();
    std::vector<std::vector<String>> rows = {SummaryHeaders(aoq)};
    for (std::uint32_t i = 1; i <= Count(); ++i)
        rows.push_back(SummaryRow(Plan(i), aoq));
    TableDrawing table(plansTable);
    vdBuildTable(table, rows, 8, String("Summary Information"), SummarySubTitle(Plan(1), aoq));
}

void SamplingPlanEvaluationList::vdBuildPercentilesTable()
{
    if (Count() == 0)
        return;
    std::vector<std::vector<String>> rows = {PercentilesHeaders("Sampling Plan")};
    for (std::uint32_t i = 1; i <= Count(); ++i)
        rows.push_back(PercentilesRow(Plan(i), true));
    TableDrawing table(percentilesTable);
    vdBuildTable(table, rows, 6, PercentilesTitle(Plan(1)), InspectionFor(Plan(1)));
}

void SamplingPlanEvaluationList::vdBuildCurvesTable()
{
    if (Count() == 0)
        return;
    const bool aoq = Plan(1).IsAOQDefined();
    const std::vector<String> headers = CurvesGroupHeaders(aoq, CostTitle());
    // The quality levels stand in the first column, up to the rule at levelsRight.
    constexpr double levelsRight = 10;
    // Each plan's columns are 8 wide, or share the width of its description with its room where
    // that is wider: descriptions never run into each other.
    std::vector<double> groups;
    double right = levelsRight;
    for (std::uint32_t k = 1; k <= Count(); ++k)
    {
        groups.push_back(std::max(8.0 * static_cast<double>(headers.size()),
                                  Plan(k).Description().dWidth() + descriptionRoom));
        right += groups.back();
    }
    const std::vector<Real> levels = TableLevels();
    const double bottom = TableBottom(static_cast<std::uint32_t>(levels.size()));
    TableDrawing table(curvesTable);
    table.vdTitles(CurvesTitle(aoq), InspectionFor(Plan(1)), right / 2, -7, -4.5);
    table.vdRule(levelsRight, -2, right, -2);
    table.vdText(Plan(1).UnitsName().Text(), 5, headerY);
    std::vector<double> columnLines;
    double g = levelsRight;
    for (std::uint32_t k = 1; k <= Count(); ++k)
    {
        const double group = groups[k - 1];
        const double column = group / static_cast<double>(headers.size());
        std::vector<double> x;
        for (std::size_t c = 0; c < headers.size(); ++c)
        {
            x.push_back(g + column * (static_cast<double>(c) + 0.5));
            if (c > 0)
                columnLines.push_back(g + column * static_cast<double>(c));
        }
        table.vdRow(headers, x, headerY);
        table.vdRule(g + group, -2, g + group, bottom);
        table.vdText(Plan(k).Description().Text(), g + group / 2, -1.5);
        for (std::size_t j = 0; j < levels.size(); ++j)
            table.vdRow(CurvesGroup(Plan(k), levels[j], aoq, true), x,
                        RowTop(static_cast<std::uint32_t>(j)));
        g += group;
    }
    for (std::size_t j = 0; j < levels.size(); ++j)
        table.vdText(Shown(levels[j], 0, true).Text(), 5, RowTop(static_cast<std::uint32_t>(j)));
    table.vdRule(levelsRight, -2, levelsRight, bottom);
    table.vdFrame(right, bottom, columnLines, -9);
    table.vdRepeatHeadersAndLabels(levelsRight);
}

std::vector<Real> SamplingPlanEvaluationList::TableLevels() const
{
    // The grid of the table range, with its ends exactly the range's ends.
    std::vector<Real> levels;
    if (!IsNumber(tableIntervals) || tableIntervals < RealOf(1) ||
        tableIntervals > RealOf(MaximumIntervals))
        return levels;
    const auto n = static_cast<std::uint32_t>(tableIntervals.dValue());
    for (std::uint32_t j = 0; j <= n; ++j)
    {
        const Real t = RealOf(j) / tableIntervals;
        levels.push_back((RealOf(1) - t) * tableMinimum + t * tableMaximum);
    }
    return levels;
}

void SamplingPlanEvaluationList::GetPlansTableText(String& out) const
{
    out = "";
    if (Count() == 0)
        return;
    const bool aoq = Plan(1).IsAOQDefined();
    vdAppendTitleLines(out, String("Summary Information"), SummarySubTitle(Plan(1), aoq));
    vdAppendColumns(out, SummaryHeaders(aoq));
    for (std::uint32_t i = 1; i <= Count(); ++i)
    {
        out += lineFeed;
        vdAppendColumns(out, SummaryRow(Plan(i), aoq));
    }
}

void SamplingPlanEvaluationList::GetPercentilesTableText(String& out) const
{
    out = "";
    if (Count() == 0)
        return;
    vdAppendTitleLines(out, PercentilesTitle(Plan(1)), InspectionFor(Plan(1)));
    vdAppendColumns(out, PercentilesHeaders("Sampling Plans"));
    for (std::uint32_t i = 1; i <= Count(); ++i)
    {
        out += lineFeed;
        vdAppendColumns(out, PercentilesRow(Plan(i), false));
    }
}

void SamplingPlanEvaluationList::GetCurvesTableText(String& out) const
{
    out = "";
    if (Count() == 0)
        return;
    const bool aoq = Plan(1).IsAOQDefined();
    vdAppendTitleLines(out, CurvesTitle(aoq), InspectionFor(Plan(1)));
    // Each description stands above its plan's ASN column.
    out += tab;
    out += tab;
    for (std::uint32_t k = 1; k <= Count(); ++k)
    {
        out += Plan(k).Description().Text();
        if (k < Count())
            for (std::size_t c = 0; c < (aoq ? 4u : 3u); ++c)
                out += tab;
    }
    out += lineFeed;
    out += Plan(1).UnitsName().Text();
    const std::vector<String> headers = CurvesGroupHeaders(aoq, CostTitle());
    for (std::uint32_t k = 1; k <= Count(); ++k)
    {
        out += tab;
        vdAppendColumns(out, headers);
    }
    for (const Real& x : TableLevels())
    {
        out += lineFeed;
        out += Shown(x, 6, false).Text();
        for (std::uint32_t k = 1; k <= Count(); ++k)
        {
            out += tab;
            vdAppendColumns(out, CurvesGroup(Plan(k), x, aoq, false));
        }
    }
}

} // namespace Brosquin
