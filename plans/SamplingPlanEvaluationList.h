#pragma once

#include "core/OptimizationInput.h"
#include "core/Real.h"
#include "core/String.h"
#include "graphics/Canvas.h"

#include "graphics/Drawing.h"
#include "graphics/Plot.h"
#include "plans/SessionListener.h"

#include <array>
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <unordered_map>
#include <vector>

namespace Brosquin
{

class SamplingPlan;
class SamplingPlanSession;

// The model behind one evaluation window: which of the session's plans are compared, in which
// order, and their OC, ASN, cost and AOQ plots (one line per plan, and the maximum and minimum
// OC curves of plans whose Pa is known only between bounds) and the summary, percentiles and
// curves tables. It refers to plans only by their 1-based position in the session, follows every
// change the session tells it of, and sets its changed flag for the window.
//
// The seven display objects are built by the list and stay at the same addresses for its life.
// The list deletes them unless vdReleaseDisplayObjects was called: the window calls it once its
// display components own them, and destroys the list before those components.
class SamplingPlanEvaluationList final : public SessionListener
{
public:
    // The most intervals the curves table takes, and those of its default range.
    static constexpr std::uint32_t MaximumIntervals = 1000;
    static constexpr std::uint32_t DefaultIntervals = 10;

    // What a new list computes: its plots with their scales and its tables, or its plots' lines
    // alone, for the reader of a window record, which sets the plots from the record and then
    // builds the tables for the record's table range.
    enum class Build
    {
        Everything,
        LinesOnly
    };

    // Registers with the session and builds the plots and tables of the plans at the given
    // positions, in that order, with the worst-case curves switched on or off. Positions that
    // name no plan, repeats and plans of another characteristic than the first are left out.
    SamplingPlanEvaluationList(SamplingPlanSession& session, std::vector<std::uint32_t> positions,
                               bool worstCase = true, Build build = Build::Everything);
    SamplingPlanEvaluationList(const SamplingPlanEvaluationList&) = delete;
    SamplingPlanEvaluationList& operator=(const SamplingPlanEvaluationList&) = delete;
    ~SamplingPlanEvaluationList();

    // The colour of the n-th plan (0x00BBGGRR): red, blue, green, ..., the 12th black, then again.
    static Colour LineColour(std::uint32_t n);

    std::uint32_t Count() const { return static_cast<std::uint32_t>(planIndexes.size()); }
    // The session position of the plan at a display position, 0 outside 1..Count().
    std::uint32_t PlanIndex(std::uint32_t displayPosition) const;
    // The plan at a display position, null outside 1..Count().
    SamplingPlan* GetPlan(std::uint32_t displayPosition) const;

    // Its part of the evaluation window's record: the number of plans, their session positions
    // in display order, then after two more blanks the worst-case switch as 0 or 1. The count and
    // the positions are values that move (RecordSize.h).
    void vdWriteToStream(std::ostream& out) const;

    // The most bytes its window's record takes or gains (SessionFile.h): when the plan is added,
    // and when the worst-case curves are switched on.
    std::uint64_t RecordBytes() const override;
    std::uint64_t AdditionGrowth(SamplingPlan& plan) const;
    std::uint64_t WorstCaseGrowth() const;
    std::uint64_t RebuildGrowth(std::uint32_t sessionIndex, SamplingPlan& plan) const override;
    std::uint64_t CostTitlesGrowth() const override;
    std::uint64_t UnitsGrowth() const override;

    // The window's commands. vdAddPlan adds the plan at a session position in session order
    // (nothing when it is listed already, of another characteristic, or beyond the bounds of
    // SessionBounds.h); vdRemovePlan takes the plan at a display position out.
    void vdAddPlan(std::uint32_t sessionIndex) override;
    void vdRemovePlan(std::uint32_t displayPosition);
    void vdSetWorstCaseCurves(bool on);
    bool WorstCaseCurves() const { return worstCaseCurves; }
    // Recomputes the scales, the tables and the default table range.
    void vdRecompute();

    // What the session tells every list.
    bool PlanDeleted(std::uint32_t sessionIndex) override;
    void vdPlanInserted(std::uint32_t sessionIndex) override;
    void vdPlanReplaced(std::uint32_t sessionIndex) override;
    void vdDefinitionsChanged() override;
    void vdUnitsChanged() override;
    void vdCostParametersChanged() override;
    // The list drops its plans and their lines and refers to no session any more.
    void vdSessionClosed() override;
    // Its plans times the rows of its curves table, LeastPlanRows at the least.
    std::uint64_t PlanRows() const override;

    // Set by the session's notifications; the window redraws (or closes, when Count() is 0) and
    // clears it.
    bool Changed() const { return changed; }
    void vdClearChanged() { changed = false; }

    // The display objects; the AOQ plot is null when the plans have no AOQ.
    Plot* OCPlot() const { return ocPlot.get(); }
    Plot* ASNPlot() const { return asnPlot.get(); }
    Plot* CostPlot() const { return costPlot.get(); }
    Plot* AOQPlot() const { return aoqPlot.get(); }
    Drawing* PlansTable() const { return plansTable.get(); }
    Drawing* PercentilesTable() const { return percentilesTable.get(); }
    Drawing* CurvesTable() const { return curvesTable.get(); }
    void vdReleaseDisplayObjects() { ownsDisplayObjects = false; }

    // The default scales of the plots, from the plans' summaries.
    void vdComputeScales(Real& xMinimum, Real& xMaximum, Real& asnMinimum, Real& asnMaximum,
                         Real& costMinimum, Real& costMaximum, Real& aoqMinimum, Real& aoqMaximum);
    // The most intervals the curves table may have: MaximumIntervals, or fewer where its rows
    // would take the session's evaluation lists beyond LargestPlanRows.
    std::uint32_t MostIntervals() const;
    // Sets the range of the curves table from the user's texts and rebuilds it: 0, or 1, 2 or 3
    // for the minimum, maximum or number of intervals at fault, with the reason in message and
    // nothing changed.
    int SetRange(const char* minimumText, const char* maximumText, const char* intervalsText,
                 String& message);
    const Real& TableMinimum() const { return tableMinimum; }
    const Real& TableMaximum() const { return tableMaximum; }
    const Real& TableIntervals() const { return tableIntervals; }

    // The tables as drawings, rebuilt in place, and as tab-separated text for the clipboard.
    void vdBuildPlansTable();
    void vdBuildPercentilesTable();
    void vdBuildCurvesTable();
    void GetPlansTableText(String& out) const;
    void GetPercentilesTableText(String& out) const;
    void GetCurvesTableText(String& out) const;

private:
    // The plots a plan's lines go to, and the curve input its lines read.
    struct PlotSet;

    SamplingPlan& Plan(std::uint32_t displayPosition) const;
    // Display position of a session index, 0 when not listed.
    std::uint32_t DisplayPosition(std::uint32_t sessionIndex) const;
    // The display positions anew, after the plan indexes changed.
    void vdIndexDisplayPositions();
    bool MayAdd(std::uint32_t sessionIndex) const;
    // Position in the OC plot of the Pa line of the plan at a display position (Count() + 1:
    // after the last line).
    std::uint32_t PaLinePosition(std::uint32_t displayPosition) const;
    bool ShowsBounds(SamplingPlan& plan) const;
    Colour FreeColour() const;
    PlotSet OwnPlots();
    // The plan's lines, its Pa line at that position of the OC plot, with its maximum and minimum
    // lines when bounds is set.
    static void vdAddPlanLines(const PlotSet& plots, SamplingPlan& plan, bool bounds,
                               std::uint32_t displayPosition, std::uint32_t paLine, Colour colour);
    static void vdAddBoundLines(const PlotSet& plots, SamplingPlan& plan, std::uint32_t paLine,
                                Colour colour);
    // The bytes of the lines the plan gets, with or without its bounds, and of those the plan at
    // a display position has.
    std::uint64_t NewLinesBytes(SamplingPlan& plan, bool bounds) const;
    std::uint64_t ShownLinesBytes(std::uint32_t displayPosition) const;
    void vdSetCostTitles();
    void vdSetUnitsLabels();
    // The units and characteristic of the first plan on the axes and keys.
    void vdSetCharacteristicTitles();
    // The plots in the order OC, ASN, cost, AOQ, without a missing AOQ plot.
    std::vector<Plot*> Plots() const;
    // The quality levels of the curves table's rows.
    std::vector<Real> TableLevels() const;
    // The name of the cost quantity; "Cost" when the user left it empty.
    static String CostTitle();

    SamplingPlanSession* session;
    // Session positions in display order, and the display position of each.
    std::vector<std::uint32_t> planIndexes;
    std::unordered_map<std::uint32_t, std::uint32_t> displayPositions;
    bool changed = false;
    std::unique_ptr<Drawing> plansTable;
    std::unique_ptr<Drawing> percentilesTable;
    std::unique_ptr<Drawing> curvesTable;
    std::unique_ptr<Plot> ocPlot;
    std::unique_ptr<Plot> asnPlot;
    std::unique_ptr<Plot> costPlot;
    std::unique_ptr<Plot> aoqPlot;
    bool ownsDisplayObjects = true;
    // The quality level at which the plots evaluate the lines.
    OptimizationInput curveInput;
    Real tableMinimum;
    Real tableMaximum;
    Real tableIntervals;
    bool worstCaseCurves = true;
    // RecordBytes as last measured, and the plans and the plots' changes then.
    mutable std::uint64_t measuredBytes = 0;
    mutable std::uint32_t measuredCount = 0;
    mutable std::array<std::uint64_t, 4> measuredChanges{};
    mutable bool measured = false;
};

} // namespace Brosquin
