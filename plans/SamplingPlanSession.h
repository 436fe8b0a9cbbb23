#pragma once

#include "core/RecordSize.h"
#include "core/String.h"
#include "plans/SamplingPlan.h"
#include "plans/SessionListener.h"
#include "stats/DoubleDesignSearch.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <vector>

namespace Brosquin
{

class SamplingPlanEvaluationList;

// The plans of one session in display order, each with its check mark, and the evaluation lists
// open on them. Every change of the plans, the definitions, the units or the cost parameters goes
// through the session, which passes it on to each open evaluation list so that their plots and
// tables follow. Plans are addressed by their 1-based position.
class SamplingPlanSession
{
public:
    SamplingPlanSession();
    SamplingPlanSession(const SamplingPlanSession&) = delete;
    SamplingPlanSession& operator=(const SamplingPlanSession&) = delete;
    // Deletes the plans; evaluation lists still open are left empty and no longer refer to it.
    ~SamplingPlanSession();

    std::uint32_t Count() const { return static_cast<std::uint32_t>(plans.size()); }
    // The plan at a position, null outside 1..Count().
    SamplingPlan* Plan(std::uint32_t position) const;

    // Appends the plan (owned from now on); no evaluation list shows it yet. A session that holds
    // LargestSessionPlans already takes no more.
    void vdAddPlan(std::unique_ptr<SamplingPlan> plan);
    // Takes the plan at the position out of every evaluation list, then deletes it. A position
    // outside 1..Count() changes nothing.
    void vdDeletePlan(std::uint32_t position);
    // Moves a plan to another position, the plans between shifting by one; the evaluation lists
    // that showed it show it again under its new position.
    void vdMovePlan(std::uint32_t from, std::uint32_t to);
    // After the plan at the position was edited in place: the lists showing it rebuild its curves.
    void vdReplacePlan(std::uint32_t position);

    // After the definitions, the units or the cost parameters changed: every plan's summary is
    // brought up to date, then every evaluation list.
    void vdApplyDefinitions();
    void vdSetUnits();
    void vdApplyCostParameters();

    // The plan design's check of its inputs, all texts as typed: the characteristic (0 defective
    // units, 1 defects per unit, 2 defects per quantity), the AQL, the LTPD, the optional Max AQL
    // (a formula of AQL), the adjustment in percent (0 to 10), the point p of the criterion (a
    // formula of AQL and of the LTPD by any of its symbols), the costs C0 and C1 and, for defects
    // per quantity, the units. Each status tells the protection asked for (flag false) or the
    // problem of its group (flag true); message and the result tell the first problem: 0 none, 1
    // AQL, 2 Max AQL, 3 LTPD, 4 p, 5 C0, 6 C1, 7 units.
    static std::int32_t
    ValidateSelectionInputs(int characteristic, const char* aqlText, const char* ltpdText,
                            const char* maxAQLText, int adjustment, const char* pText,
                            const char* c0Text, const char* c1Text, const char* unitsText,
                            String& aqlStatus, bool& aqlFlag, String& ltpdStatus, bool& ltpdFlag,
                            String& costStatus, bool& costFlag, String& message);
    // The most bytes the line of a plan that vdSelectPlans designs takes in the session's file:
    // its units and Cp texts at their longest, with every quote doubled, and its numbers.
    static constexpr std::uint64_t LargestDesignedPlanBytes =
        2 * (2 * LongestToken + 2) + 16 * WidestNumberText;
    // Designs the plan of the type at that index of the characteristic's designable types from
    // inputs that passed the check, and appends it; false, with the reason in message, when no
    // plan was designed, or when the session has no room for the plan designed (in number, or in
    // its file). A double design tells progress how far its search has come, and stops when
    // progress says so: the plan appended then comes with a note in message, that the search was
    // cut short.
    bool vdSelectPlans(int characteristic, int planTypeIndex, int adjustment, const char* aqlText,
                       const char* ltpdText, const char* maxAQLText, const char* pText,
                       const char* c0Text, const char* c1Text, const char* unitsText,
                       String& message, const DesignProgress& progress = {});

    // Set (clear) every check mark; true when at least one changed.
    bool CheckAll();
    bool UncheckAll();

    // The plan list of the session file: the number of plans on a line, then each plan's record
    // on a line of its own.
    void vdWriteToStream(std::ostream& out) const;
    // What the session's file takes of it (SessionFile.h): the bytes of the plan list, the plan
    // count at its widest; of the line of the plan at a position; of the evaluation lists'
    // records. Kept as the plans come and go, not measured again.
    std::uint64_t PlanListBytes() const { return countLineBytes + planBytes; }
    std::uint64_t PlanBytes(std::uint32_t position) const;
    std::uint64_t ViewBytes() const;
    // The most bytes the evaluation lists' records gain when the plan at the position is shown
    // again as the plan given (edited, or moved), when the cost titles follow the cost
    // parameters in force, or when the units labels follow the units in force.
    std::uint64_t RebuildGrowth(std::uint32_t position, SamplingPlan& plan) const;
    std::uint64_t CostTitlesGrowth() const;
    std::uint64_t UnitsGrowth() const;
    // Reads such a list and appends its plans. A bad count or plan record sets the read-error
    // flag and ends the read; the plans read before stay appended. A count that would take the
    // session beyond LargestSessionPlans is refused for its size before any record is read.
    void vdReadFromStream(std::istream& in, double fileVersion);

    // A new evaluation list of the checked plans, or null with the reason in message when no plan
    // is checked, the checked plans differ in characteristic, or one more list or that many
    // plans would take the evaluation lists beyond their bounds.
    std::unique_ptr<SamplingPlanEvaluationList> vdEvaluateCheckedPlans(String& message);

    // The choices that the next design of a variables plan takes from the variables selection:
    // SD known, two specification limits and the Cp text. They are not saved with the session.
    void vdSetVariablesSelection(bool sdKnown, bool twoSpecs, const char* cpText);
    bool IsVariablesSdKnown() const { return variablesSdKnown; }
    bool HasVariablesTwoSpecs() const { return variablesTwoSpecs; }
    const String& VariablesCpText() const { return variablesCpText; }

    // The views told of every change from now on, until they are removed; each is removed
    // before it goes.
    void vdAddListener(SessionListener& listener);
    void vdRemoveListener(SessionListener& listener);
    std::uint32_t ListenerCount() const { return static_cast<std::uint32_t>(listeners.size()); }
    // The plan rows of every view but the one given (SessionBounds.h).
    std::uint64_t PlanRows(const SessionListener* except = nullptr) const;

    // The bytes of the plan's line in the file.
    static std::uint64_t PlanLineBytes(const SamplingPlan& plan);

private:
    bool SetAllChecks(bool on);
    template <class Notification> void vdTellListeners(Notification notification);

    std::vector<std::unique_ptr<SamplingPlan>> plans;
    // Each plan's line in the file, and their sum.
    std::vector<std::uint64_t> lineBytes;
    std::uint64_t planBytes = 0;
    std::uint64_t countLineBytes;
    // The evaluation lists alive now; each belongs to its evaluation window.
    std::vector<SessionListener*> listeners;
    bool variablesSdKnown = false;
    bool variablesTwoSpecs = false;
    String variablesCpText;
};

} // namespace Brosquin
