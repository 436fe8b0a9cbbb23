#include "plans/SamplingPlanEvaluationList.h"

#include "core/RealOf.h"
#include "core/RecordSize.h"
#include "graphics/Drawing.h"
#include "graphics/Plot.h"
#include "plans/QualityLevelRange.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanSession.h"
#include "plans/SessionBounds.h"
#include "plans/SessionFile.h"

#include <algorithm>
#include <array>
#include <functional>
#include <ostream>

namespace Brosquin
{

namespace
{

constexpr std::uint32_t colourCount = 12;
// Indexed by the plan number modulo 12, so the 12th plan takes the first entry.
constexpr std::array<Colour, colourCount> planColours = {
    0x000000, // black
    0x0000FF, // red
    0xFF0000, // blue
    0x00FF00, // green
    0x00FFFF, // yellow
    0xFFFF00, // cyan
    0xFF00FF, // magenta
    0x800080, // purple
    0x000080, // maroon
    0x008000, // dark green
    0x800000, // navy
    0x808080, // grey
};

constexpr double axisRatio = 1.5;
constexpr double planLineThickness = 0.2;
constexpr std::uint8_t solid = 1;
constexpr std::uint8_t dash = 2;
constexpr std::uint8_t dot = 3;
constexpr std::uint8_t plusSign = 9;
constexpr double finiteLotPointSize = 0.4;
constexpr double costSubTitleSize = 0.8;
// The value texts that tell a plan's Pa line from its maximum and minimum lines in the OC plot.
constexpr const char* paLineValue = "0";
constexpr const char* boundLineValue = "1";

// The evaluation's range on one axis of a plot, given by the plot's getters and setters of
// that axis. A count of values the user chose suits the range the user chose: when the range
// changes, the count goes back to a new plot's, so that labels meant for another range do not
// crowd this one.
struct Axis
{
    const Real& (Plot::*minimum)() const;
    const Real& (Plot::*maximum)() const;
    void (Plot::*setMinimum)(const Real&);
    void (Plot::*setMaximum)(const Real&);
    void (Plot::*setValues)(std::int32_t);

    void vdSetRange(Plot& plot, const Real& low, const Real& high) const
    {
        if ((plot.*minimum)() != low || (plot.*maximum)() != high)
            (plot.*setValues)(Plot::DefaultNumberValues);
        (plot.*setMinimum)(low);
        (plot.*setMaximum)(high);
    }
};
constexpr Axis xAxis{&Plot::XAxisMinimum, &Plot::XAxisMaximum, &Plot::vdSetXAxisMinimum,
                     &Plot::vdSetXAxisMaximum, &Plot::vdSetXAxisNumberValues};
constexpr Axis yAxis{&Plot::YAxisMinimum, &Plot::YAxisMaximum, &Plot::vdSetYAxisMinimum,
                     &Plot::vdSetYAxisMaximum, &Plot::vdSetYAxisNumberValues};

bool IsBoundLine(const Plot& plot, std::uint32_t line)
{
    const LineInfo* info = plot.Line(line);
    return info && info->valueText.Length() > 0 && *info->valueText.Text() == *boundLineValue;
}

// The plots' records in a session file.
const Real plotVersion = RealOf(SessionFileVersion);

// The bytes a plot's record gains when its titles are set anew: measured on a plot of no lines
// that takes first the titles the plot has, then the new ones, as its setters keep them.
std::int64_t TitlesGrowth(const Plot& plot, const std::function<void(Plot&)>& setTitles)
{
    OptimizationInput input;
    Plot scratch(&input, 0);
    const auto bytes = [&scratch]
    {
        return static_cast<std::int64_t>(BytesWritten(
            [&scratch](std::ostream& out) { scratch.vdWriteRecord(out, plotVersion, false); }));
    };
    scratch.vdSetMainTitle(plot.MainTitle().Text());
    scratch.vdSetSubTitle(plot.SubTitle().Text());
    scratch.vdSetXAxisLabel(plot.XAxisLabel().Text());
    scratch.vdSetYAxisLabel(plot.YAxisLabel().Text());
    scratch.vdSetKeyTitle(plot.KeyTitle().Text());
    const std::int64_t before = bytes();
    setTitles(scratch);
    return bytes() - before;
}

std::uint64_t AtLeastZero(std::int64_t growth)
{
    return growth > 0 ? static_cast<std::uint64_t>(growth) : 0;
}

void vdWritePosition(std::ostream& out, std::uint32_t position)
{
    vdWriteMoving(out, position, DecimalWidth(LargestSessionPlans));
    out << ' ';
}

struct CostTitles
{
    String main;
    String sub;
    String yAxis;
};

// The cost plot's titles for the costs in force and the name of the cost quantity.
CostTitles CostTitlesOf(const String& quantity)
{
    CostTitles titles{quantity, "C0 = ", quantity};
    titles.main += " Curve";
    titles.sub += SamplingPlan::C0Text().Text();
    titles.sub += ", C1 = ";
    titles.sub += SamplingPlan::C1Text().Text();
    return titles;
}

// One line of a plan in a plot. On a finite lot the levels are multiples of a step, so the line is
// drawn as unconnected points there.
void vdAddCurve(Plot& plot, OptimizationPointFunction function, SamplingPlan& plan,
                OptimizationInput& input, const char* valueText, Colour colour)
{
    const char* label = plan.Description().Text();
    if (plan.IsFiniteLot())
        plot.vdAddLineWithValue(function, nullptr, &plan, &input, plan.dQualityLevelStep().dValue(),
                                label, valueText, planLineThickness, colour, solid, false, plusSign,
                                finiteLotPointSize);
    else
        plot.vdAddLine(function, nullptr, &plan, &input, label, valueText, planLineThickness,
                       colour, solid);
}

} // namespace

struct SamplingPlanEvaluationList::PlotSet
{
    Plot* oc;
    Plot* asn;
    Plot* cost;
    Plot* aoq;
    OptimizationInput* input;
};

Colour SamplingPlanEvaluationList::LineColour(std::uint32_t n)
{
    return planColours[n % colourCount];
}

SamplingPlanEvaluationList::SamplingPlanEvaluationList(SamplingPlanSession& owner,
                                                       std::vector<std::uint32_t> positions,
                                                       bool worstCase, Build build)
    : session(&owner), worstCaseCurves(worstCase)
{
    for (std::uint32_t position : positions)
        if (MayAdd(position))
        {
            planIndexes.push_back(position);
            displayPositions[position] = Count();
        }

    ocPlot = std::make_unique<Plot>(&curveInput, 0);
    asnPlot = std::make_unique<Plot>(&curveInput, 0);
    costPlot = std::make_unique<Plot>(&curveInput, 0);
    if (Count() > 0 && Plan(1).IsAOQDefined())
        aoqPlot = std::make_unique<Plot>(&curveInput, 0);
    ocPlot->vdSetMainTitle("OC Curve");
    ocPlot->vdSetYAxisLabel("Pa");
    asnPlot->vdSetMainTitle("ASN Curve");
    asnPlot->vdSetYAxisLabel("ASN");
    costPlot->vdSetSubTitleSize(costSubTitleSize);
    vdSetCostTitles();
    if (aoqPlot)
    {
        aoqPlot->vdSetMainTitle("AOQ Curve");
        aoqPlot->vdSetYAxisLabel("AOQ");
    }
    for (Plot* plot : Plots())
        plot->vdSetAxisRatio(axisRatio);
    if (Count() > 0)
    {
        vdSetCharacteristicTitles();
        // Each plan's lines follow those of the plans before it.
        for (std::uint32_t i = 1; i <= Count(); ++i)
            vdAddPlanLines(OwnPlots(), Plan(i), ShowsBounds(Plan(i)), i, ocPlot->LineCount() + 1,
                           LineColour(i));
        if (build == Build::Everything)
            vdRecompute();
    }
    // Last, so that the session never knows a list that failed to build.
    session->vdAddListener(*this);
}

void SamplingPlanEvaluationList::vdWriteToStream(std::ostream& out) const
{
    vdWriteMoving(out, Count(), DecimalWidth(LargestEvaluationPlans));
    out << ' ';
    for (std::uint32_t index : planIndexes)
        vdWritePosition(out, index);
    out << "  " << (worstCaseCurves ? 1 : 0);
}

std::uint64_t SamplingPlanEvaluationList::RecordBytes() const
{
    const std::array<Plot*, 4> plots = {ocPlot.get(), asnPlot.get(), costPlot.get(), aoqPlot.get()};
    std::array<std::uint64_t, 4> changes{};
    for (std::size_t i = 0; i < plots.size(); ++i)
        changes[i] = plots[i] ? plots[i]->ChangeCount() : 0;
    // Only a change of its plots or of its plans changes what a measure counts.
    if (!measured || changes != measuredChanges || Count() != measuredCount)
    {
        measuredBytes = EvaluationWindowRecordBytes(*this);
        measuredChanges = changes;
        measuredCount = Count();
        measured = true;
    }
    return measuredBytes;
}

std::uint64_t SamplingPlanEvaluationList::NewLinesBytes(SamplingPlan& plan, bool bounds) const
{
    OptimizationInput input;
    Plot oc(&input, 0), asn(&input, 0), cost(&input, 0), aoq(&input, 0);
    const PlotSet plots{&oc, &asn, &cost, aoqPlot ? &aoq : nullptr, &input};
    vdAddPlanLines(plots, plan, bounds, 1, 1, 0);
    std::uint64_t bytes = 0;
    for (const Plot* plot : {plots.oc, plots.asn, plots.cost, plots.aoq})
        for (std::uint32_t line = 1; plot && line <= plot->LineCount(); ++line)
            bytes += plot->LineRecordBytes(line, plotVersion);
    return bytes;
}

std::uint64_t SamplingPlanEvaluationList::ShownLinesBytes(std::uint32_t displayPosition) const
{
    std::uint64_t bytes = 0;
    const std::uint32_t paLine = PaLinePosition(displayPosition);
    for (std::uint32_t line = paLine;
         line <= ocPlot->LineCount() && (line == paLine || IsBoundLine(*ocPlot, line)); ++line)
        bytes += ocPlot->LineRecordBytes(line, plotVersion);
    for (const Plot* plot : Plots())
        if (plot != ocPlot.get())
            bytes += plot->LineRecordBytes(displayPosition, plotVersion);
    return bytes;
}

std::uint64_t SamplingPlanEvaluationList::AdditionGrowth(SamplingPlan& plan) const
{
    return NewLinesBytes(plan, ShowsBounds(plan)) + BytesWritten([](std::ostream& out)
                                                                 { vdWritePosition(out, 1); },
                                                                 RecordSize::Values::AtWidest);
}

std::uint64_t SamplingPlanEvaluationList::WorstCaseGrowth() const
{
    std::uint64_t bytes = 0;
    for (std::uint32_t i = 1; !worstCaseCurves && i <= Count(); ++i)
        if (!Plan(i).IsPaSingleValued())
            bytes += NewLinesBytes(Plan(i), true) - NewLinesBytes(Plan(i), false);
    return bytes;
}

std::uint64_t SamplingPlanEvaluationList::RebuildGrowth(std::uint32_t sessionIndex,
                                                        SamplingPlan& plan) const
{
    const std::uint32_t p = DisplayPosition(sessionIndex);
    if (p == 0)
        return 0;
    // Its lines come back with their first look; a list of it alone takes its titles from it.
    std::int64_t growth = static_cast<std::int64_t>(NewLinesBytes(plan, ShowsBounds(plan))) -
                          static_cast<std::int64_t>(ShownLinesBytes(p));
    if (Count() == 1)
        for (const Plot* plot : Plots())
            growth += TitlesGrowth(*plot,
                                   [&plan](Plot& titles)
                                   {
                                       titles.vdSetXAxisLabel(plan.UnitsName().Text());
                                       titles.vdSetKeyTitle(plan.CharacteristicName());
                                   });
    return AtLeastZero(growth);
}

std::uint64_t SamplingPlanEvaluationList::CostTitlesGrowth() const
{
    const CostTitles titles = CostTitlesOf(CostTitle());
    return AtLeastZero(TitlesGrowth(*costPlot,
                                    [&titles](Plot& cost)
                                    {
                                        cost.vdSetMainTitle(titles.main.Text());
                                        cost.vdSetSubTitle(titles.sub.Text());
                                        cost.vdSetYAxisLabel(titles.yAxis.Text());
                                    }));
}

std::uint64_t SamplingPlanEvaluationList::UnitsGrowth() const
{
    if (Count() == 0 || Plan(1).CharacteristicId() == SamplingPlan::DefectsPerQuantity)
        return 0;
    // At most the name of the units in force, whether or not the first plan takes it.
    const char* units = SamplingPlan::CurrentUnitsName(Plan(1).CharacteristicId());
    std::uint64_t bytes = 0;
    for (const Plot* plot : Plots())
        bytes += AtLeastZero(
            TitlesGrowth(*plot, [units](Plot& labels) { labels.vdSetXAxisLabel(units); }));
    return bytes;
}

SamplingPlanEvaluationList::~SamplingPlanEvaluationList()
{
    if (session)
        session->vdRemoveListener(*this);
    if (!ownsDisplayObjects)
    {
        // They belong to the window's display components now.
        for (auto* plot : {&ocPlot, &asnPlot, &costPlot, &aoqPlot})
            (void)plot->release();
        for (auto* table : {&plansTable, &percentilesTable, &curvesTable})
            (void)table->release();
    }
}

std::uint32_t SamplingPlanEvaluationList::PlanIndex(std::uint32_t displayPosition) const
{
    return displayPosition >= 1 && displayPosition <= Count() ? planIndexes[displayPosition - 1]
                                                              : 0;
}

SamplingPlan* SamplingPlanEvaluationList::GetPlan(std::uint32_t displayPosition) const
{
    return session ? session->Plan(PlanIndex(displayPosition)) : nullptr;
}

SamplingPlan& SamplingPlanEvaluationList::Plan(std::uint32_t displayPosition) const
{
    return *session->Plan(planIndexes[displayPosition - 1]);
}

std::uint32_t SamplingPlanEvaluationList::DisplayPosition(std::uint32_t sessionIndex) const
{
    const auto found = displayPositions.find(sessionIndex);
    return found == displayPositions.end() ? 0 : found->second;
}

void SamplingPlanEvaluationList::vdIndexDisplayPositions()
{
    displayPositions.clear();
    for (std::uint32_t p = 1; p <= Count(); ++p)
        displayPositions[planIndexes[p - 1]] = p;
}

bool SamplingPlanEvaluationList::MayAdd(std::uint32_t sessionIndex) const
{
    // Plans of one list share a characteristic: units, axes and tables are those of the first.
    const SamplingPlan* plan = session ? session->Plan(sessionIndex) : nullptr;
    return plan && DisplayPosition(sessionIndex) == 0 && Count() < LargestEvaluationPlans &&
           (Count() == 0 || plan->CharacteristicId() == Plan(1).CharacteristicId());
}

std::uint32_t SamplingPlanEvaluationList::PaLinePosition(std::uint32_t displayPosition) const
{
    std::uint32_t paLines = 0;
    for (std::uint32_t line = 1; line <= ocPlot->LineCount(); ++line)
        if (!IsBoundLine(*ocPlot, line) && ++paLines == displayPosition)
            return line;
    return ocPlot->LineCount() + 1;
}

bool SamplingPlanEvaluationList::ShowsBounds(SamplingPlan& plan) const
{
    return worstCaseCurves && !plan.IsPaSingleValued();
}

Colour SamplingPlanEvaluationList::FreeColour() const
{
    for (std::uint32_t c = 1; c <= colourCount; ++c)
    {
        bool used = false;
        for (std::uint32_t line = 1; line <= ocPlot->LineCount() && !used; ++line)
            used = ocPlot->Line(line)->colour == LineColour(c);
        if (!used)
            return LineColour(c);
    }
    return LineColour(Count());
}

SamplingPlanEvaluationList::PlotSet SamplingPlanEvaluationList::OwnPlots()
{
    return {ocPlot.get(), asnPlot.get(), costPlot.get(), aoqPlot.get(), &curveInput};
}

void SamplingPlanEvaluationList::vdAddPlanLines(const PlotSet& plots, SamplingPlan& plan,
                                                bool bounds, std::uint32_t displayPosition,
                                                std::uint32_t paLine, Colour colour)
{
    OptimizationInput& input = *plots.input;
    vdAddCurve(*plots.oc, SamplingPlan::PaCurve, plan, input, paLineValue, colour);
    plots.oc->vdMoveLine(plots.oc->LineCount(), paLine);
    if (bounds)
        vdAddBoundLines(plots, plan, paLine, colour);
    vdAddCurve(*plots.asn, SamplingPlan::ASNCurve, plan, input, nullptr, colour);
    plots.asn->vdMoveLine(plots.asn->LineCount(), displayPosition);
    vdAddCurve(*plots.cost, SamplingPlan::CostCurve, plan, input, nullptr, colour);
    plots.cost->vdMoveLine(plots.cost->LineCount(), displayPosition);
    if (plots.aoq)
    {
        vdAddCurve(*plots.aoq, SamplingPlan::AOQCurve, plan, input, nullptr, colour);
        plots.aoq->vdMoveLine(plots.aoq->LineCount(), displayPosition);
    }
}

void SamplingPlanEvaluationList::vdAddBoundLines(const PlotSet& plots, SamplingPlan& plan,
                                                 std::uint32_t paLine, Colour colour)
{
    plots.oc->vdAddLine(SamplingPlan::PaMaximumCurve, nullptr, &plan, plots.input,
                        "Maximum Probability of Acceptance", boundLineValue, 0, colour, dash);
    plots.oc->vdMoveLine(plots.oc->LineCount(), paLine + 1);
    plots.oc->vdAddLine(SamplingPlan::PaMinimumCurve, nullptr, &plan, plots.input,
                        "Minimum Probability of Acceptance", boundLineValue, 0, colour, dot);
    plots.oc->vdMoveLine(plots.oc->LineCount(), paLine + 2);
}

void SamplingPlanEvaluationList::vdAddPlan(std::uint32_t sessionIndex)
{
    // The addition puts the table back to its default range.
    if (!MayAdd(sessionIndex) ||
        session->PlanRows(this) + (Count() + std::uint64_t{1}) * LeastPlanRows > LargestPlanRows)
        return;
    // In front of the first larger index, so a list in session order stays so.
    auto place = std::find_if(planIndexes.begin(), planIndexes.end(),
                              [sessionIndex](std::uint32_t k) { return sessionIndex < k; });
    const auto p = static_cast<std::uint32_t>(place - planIndexes.begin()) + 1;
    planIndexes.insert(place, sessionIndex);
    vdIndexDisplayPositions();
    if (Count() == 1)
        vdSetCharacteristicTitles();
    vdAddPlanLines(OwnPlots(), Plan(p), ShowsBounds(Plan(p)), p, PaLinePosition(p), FreeColour());
    vdRecompute();
}

void SamplingPlanEvaluationList::vdRemovePlan(std::uint32_t displayPosition)
{
    if (displayPosition < 1 || displayPosition > Count())
        return;
    const std::uint32_t paLine = PaLinePosition(displayPosition);
    planIndexes.erase(planIndexes.begin() + (displayPosition - 1));
    vdIndexDisplayPositions();
    ocPlot->vdDeleteLine(paLine);
    while (IsBoundLine(*ocPlot, paLine))
        ocPlot->vdDeleteLine(paLine);
    for (Plot* plot : Plots())
        if (plot != ocPlot.get())
            plot->vdDeleteLine(displayPosition);
    // An emptied list has no plan to recompute from; its window closes, or a moved plan comes
    // back through vdAddPlan.
    if (Count() > 0)
        vdRecompute();
}

void SamplingPlanEvaluationList::vdSetWorstCaseCurves(bool on)
{
    if (on == worstCaseCurves)
        return;
    worstCaseCurves = on;
    if (on)
    {
        // Backwards, so that line i is still plan i's Pa line when plan i is reached.
        for (std::uint32_t i = Count(); i >= 1; --i)
            if (ShowsBounds(Plan(i)))
                vdAddBoundLines(OwnPlots(), Plan(i), i, ocPlot->Line(i)->colour);
    }
    else
    {
        for (std::uint32_t line = ocPlot->LineCount(); line >= 1; --line)
            if (IsBoundLine(*ocPlot, line))
                ocPlot->vdDeleteLine(line);
    }
    vdRecompute();
}

void SamplingPlanEvaluationList::vdRecompute()
{
    // An emptied list reads no plan.
    if (Count() == 0)
        return;
    Real xMinimum, xMaximum, asnMinimum, asnMaximum, costMinimum, costMaximum, aoqMinimum,
        aoqMaximum;
    vdComputeScales(xMinimum, xMaximum, asnMinimum, asnMaximum, costMinimum, costMaximum,
                    aoqMinimum, aoqMaximum);
    vdBuildPlansTable();
    vdBuildPercentilesTable();
    tableMinimum = xMinimum;
    tableMaximum = xMaximum;
    tableIntervals = RealOf(DefaultIntervals);
    vdBuildCurvesTable();
    for (Plot* plot : Plots())
        xAxis.vdSetRange(*plot, xMinimum, xMaximum);
    yAxis.vdSetRange(*ocPlot, RealOf(0.0), RealOf(1));
    yAxis.vdSetRange(*asnPlot, asnMinimum, asnMaximum);
    yAxis.vdSetRange(*costPlot, costMinimum, costMaximum);
    if (aoqPlot)
        yAxis.vdSetRange(*aoqPlot, aoqMinimum, aoqMaximum);
}

bool SamplingPlanEvaluationList::PlanDeleted(std::uint32_t sessionIndex)
{
    // An index that names no plan of the session would shift every position above it.
    if (!session || !session->Plan(sessionIndex))
        return false;
    const std::uint32_t p = DisplayPosition(sessionIndex);
    if (p != 0)
    {
        vdRemovePlan(p);
        changed = true;
    }
    for (std::uint32_t& k : planIndexes)
        if (k > sessionIndex)
            --k;
    vdIndexDisplayPositions();
    return p != 0;
}

void SamplingPlanEvaluationList::vdPlanInserted(std::uint32_t sessionIndex)
{
    for (std::uint32_t& k : planIndexes)
        if (k >= sessionIndex)
            ++k;
    vdIndexDisplayPositions();
}

void SamplingPlanEvaluationList::vdPlanReplaced(std::uint32_t sessionIndex)
{
    const std::uint32_t p = DisplayPosition(sessionIndex);
    if (p == 0)
        return;
    vdRemovePlan(p);
    vdAddPlan(sessionIndex);
    changed = true;
}

void SamplingPlanEvaluationList::vdDefinitionsChanged()
{
    vdRecompute();
    changed = true;
}

void SamplingPlanEvaluationList::vdUnitsChanged()
{
    if (Count() == 0 || Plan(1).CharacteristicId() == SamplingPlan::DefectsPerQuantity)
        return;
    vdSetUnitsLabels();
    // The Pa lines in one walk down the OC plot, past the bound lines between them.
    std::uint32_t i = 0;
    for (std::uint32_t line = 1; line <= ocPlot->LineCount(); ++line)
    {
        if (IsBoundLine(*ocPlot, line))
            continue;
        SamplingPlan& plan = Plan(++i);
        if (!plan.IsFiniteLot())
            continue;
        const double step = plan.dQualityLevelStep().dValue();
        ocPlot->vdSetLineValue(line, step);
        for (Plot* plot : Plots())
            if (plot != ocPlot.get())
                plot->vdSetLineValue(i, step);
    }
    // The values of every curve are now in other units, whether or not the scales moved.
    for (Plot* plot : Plots())
        plot->vdMarkCurvesOutOfDate();
    vdRecompute();
    changed = true;
}

void SamplingPlanEvaluationList::vdCostParametersChanged()
{
    vdSetCostTitles();
    // New costs change the cost curves even where their scale stays.
    costPlot->vdMarkCurvesOutOfDate();
    vdRecompute();
    changed = true;
}

void SamplingPlanEvaluationList::vdSetCostTitles()
{
    const CostTitles titles = CostTitlesOf(CostTitle());
    costPlot->vdSetMainTitle(titles.main.Text());
    costPlot->vdSetSubTitle(titles.sub.Text());
    costPlot->vdSetYAxisLabel(titles.yAxis.Text());
}

void SamplingPlanEvaluationList::vdSetUnitsLabels()
{
    for (Plot* plot : Plots())
        plot->vdSetXAxisLabel(Plan(1).UnitsName().Text());
}

void SamplingPlanEvaluationList::vdSetCharacteristicTitles()
{
    vdSetUnitsLabels();
    for (Plot* plot : Plots())
        plot->vdSetKeyTitle(Plan(1).CharacteristicName());
}

String SamplingPlanEvaluationList::CostTitle()
{
    return String(SamplingPlan::CostTitle().Length() > 0 ? SamplingPlan::CostTitle().Text()
                                                         : "Cost");
}

std::vector<Plot*> SamplingPlanEvaluationList::Plots() const
{
    std::vector<Plot*> plots = {ocPlot.get(), asnPlot.get(), costPlot.get()};
    if (aoqPlot)
        plots.push_back(aoqPlot.get());
    return plots;
}

std::uint64_t SamplingPlanEvaluationList::PlanRows() const
{
    const double rows = IsNumber(tableIntervals) ? tableIntervals.dValue() + 1 : 0;
    return Count() * (rows > LeastPlanRows ? static_cast<std::uint64_t>(rows) : LeastPlanRows);
}

void SamplingPlanEvaluationList::vdSessionClosed()
{
    for (Plot* plot : Plots())
        while (plot->LineCount() > 0)
            plot->vdDeleteLine(plot->LineCount());
    planIndexes.clear();
    displayPositions.clear();
    session = nullptr;
    changed = true;
}

} // namespace Brosquin
