#include "stats/DoubleDesignSearch.h"

#include "stats/DoublePlanCostBound.h"
#include "stats/IntegerSearch.h"
#include "stats/NegligibleCounts.h"
#include "stats/SearcherCount.h"
#include "stats/SearcherPool.h"
#include "stats/SingleDesignSearch.h"

#include <algorithm>
#include <array>
#include <atomic>
#include <bit>
#include <cmath>
#include <limits>
#include <map>
#include <mutex>
#include <tuple>
#include <unordered_map>
#include <utility>
#include <vector>

namespace Brosquin
{

namespace
{

// The largest count a plan keeps (the statistics add one to sample sizes).
constexpr std::int64_t largestCount = 2147483646;
// A second sample size from n2 to less than 0.2 % above it, on a grid coarse enough that
// neighbouring plans come back to the same sizes: n2 rounded up to 10 significant bits, but no
// further than the largest count.
std::int64_t CoarseSecondSample(std::int64_t n2)
{
    constexpr int kept = 10;
    const int dropped = std::bit_width(static_cast<std::uint64_t>(n2)) - kept;
    if (dropped <= 0)
        return n2;
    const std::int64_t step = std::int64_t{1} << dropped;
    return std::min(largestCount, (n2 + step - 1) / step * step);
}

// Sums formed here may differ from the plan's evaluation functions in their last digits: bounds
// allow for that much, and where the decision is this close the evaluation functions make it.
constexpr double margin = 1e-9;

struct DoublePlanNumbers
{
    std::int64_t n1 = 0;
    std::int64_t a1 = 0;
    std::int64_t r1 = 0;
    std::int64_t n2 = 0;
    std::int64_t a2 = 0;
};

// Whether plan a comes before plan b in the order n1, a1, r1, a2: of plans of one cost, the first
// in this order is the design.
bool ComesBefore(const DoublePlanNumbers& a, const DoublePlanNumbers& b)
{
    return std::tie(a.n1, a.a1, a.r1, a.a2) < std::tie(b.n1, b.a1, b.r1, b.a2);
}

// The counts of a double plan's two samples at one quality level: the point probabilities of
// the first sample's count, and the cumulative probabilities of the second sample's count for
// the last second sample size asked, each kept for the counts the search has reached.
class LevelCounts
{
public:
    LevelCounts(const DoublePlanModel& model, double level) : model(model), level(level) {}

    void vdStartFirstSample(std::int64_t n)
    {
        firstSize = n;
        firstRatio = model.pointRatio(n, level);
        firstCounted = std::max<std::int64_t>(0, FirstNonNegligibleCount(n, level));
        points.clear();
        firstCumulatives.clear();
    }
    // P(first count = x), for x from 0 up: 0 below firstCounted, the others each from the one
    // before, and every 32nd afresh. Kept from firstCounted on.
    double Point(std::int64_t x)
    {
        if (x < firstCounted || (model.bCountsWithinSample && x > firstSize))
            return 0.0;
        std::int64_t j = firstCounted + static_cast<std::int64_t>(points.size());
        if (j <= x)
        {
            const auto size = static_cast<std::size_t>(x - firstCounted + 1);
            points.resize(size, 0.0);
            firstCumulatives.resize(size, 0.0);
            const auto at = [&](std::int64_t count)
            { return static_cast<std::size_t>(count - firstCounted); };
            double previous = j > firstCounted ? points[at(j - 1)] : 0.0;
            double sum = j > firstCounted ? firstCumulatives[at(j - 1)] : 0.0;
            const std::int64_t rising = LastRisingCount(firstSize, level);
            for (; j <= x; ++j)
            {
                if (j <= rising && !(previous >= std::numeric_limits<double>::min()))
                {
                    const std::int64_t normal =
                        FirstNormalCount(model, firstSize, level, j, std::min(x, rising));
                    std::fill(firstCumulatives.begin() + static_cast<std::ptrdiff_t>(at(j)),
                              firstCumulatives.begin() + static_cast<std::ptrdiff_t>(at(normal)),
                              sum);
                    j = normal;
                    if (j > x)
                        break;
                }
                previous = Next(previous, j, firstSize, firstRatio, (j - firstCounted) % 32 == 0);
                sum += previous;
                points[at(j)] = previous;
                firstCumulatives[at(j)] = sum;
            }
        }
        return points[static_cast<std::size_t>(x - firstCounted)];
    }
    // P(first count <= x): the sum of the point probabilities, as near to the distribution's own
    // as the sums of the search need.
    double Cumulative(std::int64_t x)
    {
        if (x < 0)
            return 0.0;
        if (model.bCountsWithinSample && x >= firstSize)
            return 1.0;
        if (x < firstCounted)
            return 0.0;
        Point(x);
        return std::min(1.0, firstCumulatives[static_cast<std::size_t>(x - firstCounted)]);
    }
    // Σ P(first count = x) B(a2 - x; n2) over x from a1 + 1 to min(r1 - 1, a2): the probability
    // that the lot goes on to a second sample of n2 and is accepted there.
    double Continued(std::int64_t a1, std::int64_t r1, std::int64_t n2, std::int64_t a2)
    {
        const std::int64_t top = std::min(r1 - 1, a2);
        // The counts below firstCounted add nothing.
        const std::int64_t lowest = std::max(a1 + 1, firstCounted);
        if (top < lowest)
            return 0.0;
        Point(top);
        const double* second = SecondCumulatives(n2, a2 - top, a2 - lowest);
        // Four sums side by side: one alone waits on each addition, and the counts run to
        // thousands.
        const double* point = points.data() + (lowest - firstCounted);
        const std::int64_t count = top - lowest + 1;
        const double* last = second + (count - 1);
        std::array<double, 4> sums = {};
        std::int64_t i = 0;
        for (; i + 4 <= count; i += 4)
            for (std::size_t j = 0; j < 4; ++j)
                sums[j] += point[i + static_cast<std::int64_t>(j)] *
                           last[-(i + static_cast<std::int64_t>(j))];
        for (; i < count; ++i)
            sums[0] += point[i] * last[-i];
        return (sums[0] + sums[1]) + (sums[2] + sums[3]);
    }
    double Level() const { return level; }

private:
    // P(count = k) of a sample of n from previous, that of k - 1, or afresh where asked or where
    // previous is not a normal double.
    double Next(double previous, std::int64_t k, std::int64_t n, PointRatio ratio,
                bool bAfresh) const
    {
        if (!(previous >= std::numeric_limits<double>::min()) || bAfresh)
            return model.point(k, n, level);
        const auto count = static_cast<double>(k - 1);
        return previous * ((ratio.dIntercept - ratio.dSlope * count) / (count + 1.0));
    }
    // B(k; n2) for k from `from` to `to`, in that order. The counts of the last few n2 asked are
    // kept, a little wider than asked, for the neighbouring second accept numbers, and those
    // asked next to the ones kept are added to them.
    const double* SecondCumulatives(std::int64_t n2, std::int64_t from, std::int64_t to)
    {
        ++uses;
        SecondRow* row = &secondRows[lastRow];
        if (row->size != n2)
        {
            const auto found = rowOf.find(n2);
            if (found != rowOf.end())
                row = &secondRows[found->second];
            else
            {
                // The row used longest ago makes way.
                row = &*std::min_element(secondRows.begin(), secondRows.end(),
                                         [](const SecondRow& a, const SecondRow& b)
                                         { return a.lastUse < b.lastUse; });
                rowOf.erase(row->size);
                rowOf[n2] = static_cast<std::size_t>(row - secondRows.data());
            }
        }
        row->lastUse = uses;
        lastRow = static_cast<std::size_t>(row - secondRows.data());
        auto& cumulatives = row->cumulatives;
        const auto kept = static_cast<std::int64_t>(cumulatives.size());
        if (n2 == row->size && from >= row->lowest && to < row->lowest + kept)
            return cumulatives.data() + (from - row->lowest);
        const std::int64_t low = std::max<std::int64_t>(0, from - 16);
        const std::int64_t high = to + 16;
        if (n2 != row->size ||
            std::max(high, row->lowest + kept - 1) - std::min(low, row->lowest) >= 2 * (high - low))
        {
            row->size = n2;
            row->ratio = model.pointRatio(n2, level);
            row->lowest = low;
            cumulatives.clear();
            vdAppendSecond(*row, cumulatives, low, high, false, row->topPoint);
            return cumulatives.data() + (from - row->lowest);
        }
        if (low < row->lowest)
        {
            double point = 0.0;
            below.clear();
            vdAppendSecond(*row, below, low, row->lowest - 1, false, point);
            cumulatives.insert(cumulatives.begin(), below.begin(), below.end());
            row->lowest = low;
        }
        const auto top = row->lowest + static_cast<std::int64_t>(cumulatives.size()) - 1;
        if (high > top)
            vdAppendSecond(*row, cumulatives, top + 1, high, true, row->topPoint);
        return cumulatives.data() + (from - row->lowest);
    }
    // B(k; n2) of one second sample n2 for the counts k from lowest on.
    struct SecondRow
    {
        std::int64_t size = -1; // n2
        PointRatio ratio = {};
        std::int64_t lowest = 0;
        std::vector<double> cumulatives;
        double topPoint = 0.0; // P(count = k) of the last k kept, 0 where not known
        std::uint64_t lastUse = 0;
    };
    // Appends B(k; n2) of row's n2 for k from `from` to `to` to values: from the cumulative at
    // `from` worked out afresh, or with bOn from the last one in values; point is P(count = k) of
    // the last k, 0 where it is not known, and each from the one before (over so few counts the
    // steps keep every digit the sums need).
    void vdAppendSecond(const SecondRow& row, std::vector<double>& values, std::int64_t from,
                        std::int64_t to, bool bOn, double& point) const
    {
        double cumulative = bOn ? values.back() : 0.0;
        const bool bWithinSample = model.bCountsWithinSample;
        const std::int64_t counted = FirstNonNegligibleCount(row.size, level);
        const double mean = static_cast<double>(row.size) * level;
        // Past the mean the points only fall: once one is too small for a double, so are all
        // beyond it, which are not worked out afresh one by one.
        bool vanished = false;
        // Written in place, the point held apart from them, so that each step waits on the last
        // one's product alone.
        double current = point;
        const std::size_t start = values.size();
        values.resize(start + static_cast<std::size_t>(to - from + 1));
        double* out = values.data() + start;
        const std::int64_t rising = LastRisingCount(row.size, level);
        constexpr double leastNormal = std::numeric_limits<double>::min();
        for (std::int64_t k = from; k <= to; ++k)
        {
            if (bWithinSample && k >= row.size)
                cumulative = 1.0;
            else if (k < counted)
            {
                cumulative = 0.0;
                current = 0.0;
            }
            else if (!bOn && k == from)
            {
                cumulative = model.cumulative(k, row.size, level);
                current = model.point(k, row.size, level);
            }
            else
            {
                if (k <= rising && !(current >= leastNormal))
                {
                    const std::int64_t normal =
                        FirstNormalCount(model, row.size, level, k, std::min(to, rising));
                    out = std::fill_n(out, normal - k, cumulative);
                    k = normal;
                    if (k > to)
                        break;
                }
                if (!vanished)
                {
                    current = Next(current, k, row.size, row.ratio, false);
                    vanished = !(current >= leastNormal) && static_cast<double>(k) > mean + 1.0;
                    if (vanished)
                        current = 0.0;
                }
                cumulative += current;
            }
            *out++ = cumulative;
        }
        point = current;
    }

    const DoublePlanModel& model;
    double level;
    std::int64_t firstSize = 0;
    PointRatio firstRatio = {};
    std::int64_t firstCounted = 0;        // below it the points are negligible
    std::vector<double> points;           // from firstCounted on
    std::vector<double> firstCumulatives; // of the first count, from firstCounted on
    // The searches of neighbouring first samples and first accept numbers come back to a few
    // dozen second samples, found by their size.
    std::array<SecondRow, 64> secondRows;
    std::unordered_map<std::int64_t, std::size_t> rowOf;
    std::uint64_t uses = 0;
    std::size_t lastRow = 0;
    std::vector<double> below; // the counts added below those kept
};

// The first counts a1 < x < r1 go on to the second sample.
struct Continuation
{
    std::int64_t a1;
    std::int64_t r1;
};

// How a sum within rounding of its bound is judged: as meeting it (for bounds, which must not
// pass a plan over), as missing it (for skipping plans, which must not skip one), or by the
// plan's own evaluation functions (for the plans offered).
enum class Judgement
{
    lenient,
    strict,
    exact,
};

// Which side of its target a plan's Pa must keep: at or above it at the AQL, at or below it at
// the LTPD, below it at the maximum AQL.
enum class Side
{
    atLeast,
    atMost,
    below,
};

// What the second stage must do: the continuation's Pa (see LevelCounts::Continued) must reach
// dAql at the AQL and keep within dLtpd at the LTPD and dMaximum at the maximum AQL.
struct Rooms
{
    double dAql;
    double dLtpd;
    double dMaximum;
    Judgement judgement;
};

// What the searchers of one design share. The first samples are swept in chunks, each searcher
// taking the next one left, so that the searchers share the work whichever chunks hold the
// near-cheapest plans; each bounds its searches by the best plan any of them has found.
struct SharedSearch
{
    std::mutex mutex; // over best, result and fittedPrices
    double best = 0.0;
    DoublePlanNumbers result = {};
    // Counts the changes of the best plan, so that a searcher sees one without the lock.
    std::atomic<std::uint64_t> version = 0;
    std::atomic<bool> bStopped = false;
    // Fitted prices by first sample: those fitted every priceSpacing first samples from the
    // smallest. Any prices give valid bounds, so whichever searcher fits one first, all use it.
    std::map<std::int64_t, RequirementPrices> fittedPrices;
    std::int64_t chunkCount = 0;
    std::atomic<std::int64_t> nextChunk = 0;
    std::atomic<std::int64_t> chunksDone = 0;
    // From this first sample on plans need counts beyond 32 bits.
    std::atomic<std::int64_t> beyondCounts = std::numeric_limits<std::int64_t>::max();
    // Set before the searchers start: the single plan's sample, the smallest first sample, the
    // spacing of the fitted prices, and the prices of the first sample that the cost bound
    // promised cheapest.
    std::int64_t singleSize = 0;
    std::int64_t smallestFirst = 1;
    std::int64_t priceSpacing = 1;
    RequirementPrices promisingPrices;
    // The searchers of the sweep, each of which has progress told as it ends a chunk.
    SearcherPool pool;

    // Tells progress how much of the sweep is done; it stops the search by returning false.
    void vdReport(const DesignProgress& progress)
    {
        if (bStopped || !progress)
            return;
        const std::int64_t chunks = std::max<std::int64_t>(1, chunkCount);
        const double share =
            static_cast<double>(std::min(chunksDone.load(), chunks)) / static_cast<double>(chunks);
        if (!progress(share))
            bStopped = true;
    }
};

class DoubleDesign
{
public:
    // A searcher with counts of its own, from the shared best plan; bCalling where it runs on
    // the calling thread, which alone tells the progress.
    DoubleDesign(const DoublePlanModel& model, const DoubleDesignRequirements& requirements,
                 SharedSearch& shared, bool bCalling)
        : model(model), required(requirements), shared(&shared), bCalling(bCalling),
          atAql(model, requirements.dAql), atLtpd(model, requirements.dLtpd),
          atMaximumAql(model, requirements.maximumAql.value_or(0.0)),
          atCost(model, requirements.dP0)
    {
        const std::lock_guard lock(shared.mutex);
        vdTakeUpBest();
    }

    // The design: the search ahead on the calling thread, then the sweep shared among the
    // searchers.
    static DoublePlanNumbers Run(const DoublePlanModel& model,
                                 const DoubleDesignRequirements& required, SharedSearch& shared);

private:
    // The first-stage bounds of one first sample size: a1 up to a1max leaves Pa at the upper
    // levels able to meet their targets, r1 from r1min on leaves Pa at the AQL able to. The
    // values of no first sample start the search for the first one's.
    struct FirstSample
    {
        std::int64_t n1 = 0;
        std::int64_t a1max = -1;
        std::int64_t r1min = 1;
        // From r1 - 1 up no count has probability at any level the search meets, so larger
        // reject numbers make the same plan: lastReject is the largest searched, and at least
        // r1min.
        std::int64_t unreached = 1;
        std::int64_t lastReject = 1;
        // Whether a plan of this n1 can meet the requirements at all.
        bool bPossible = false;
        // A lower bound on the cost of every plan of this n1, and on its second sample size and
        // the chance at p0 that it is taken.
        double lowerBound = 0.0;
        std::int64_t leastSecond = 0;
        double leastGoOn = 0.0;
    };
    struct SecondAccept
    {
        std::int64_t a2;
        double dAtLtpd; // the continuation's Pa at the LTPD
    };
    struct SecondAccepts
    {
        SecondAccept largest; // keeps within the upper rooms
        SecondAccept above;   // largest + 1, which does not
    };

    bool HasMaximumAql() const { return required.maximumAql.has_value(); }
    // Takes up the shared best plan as this searcher's; the shared lock is held.
    void vdTakeUpBest()
    {
        best = shared->best;
        result = shared->result;
        seenVersion = shared->version;
    }
    // Whether the search is to stop; the calling searcher asks the progress, which may say so.
    // Takes up a better plan that another searcher found.
    bool Stopped();
    // Sweeps the chunks of first samples left, each but those in searched.
    void vdSweep(std::int64_t n, std::int64_t chunk, std::int64_t leastTotal,
                 const std::vector<std::int64_t>& searched);
    // Sweeps the first samples from `from` to `to`, each but those in searched.
    void vdSweepChunk(DoublePlanCostBound& bound, std::int64_t from, std::int64_t to,
                      std::int64_t leastTotal, const std::vector<std::int64_t>& searched);
    double Pa(double level, const DoublePlanNumbers& plan) const;
    double PlanCost(const DoublePlanNumbers& plan) const;
    double CostOf(std::int64_t n1, std::int64_t n2, double goOn) const
    {
        return required.dC0 * (static_cast<double>(n1) + static_cast<double>(n2) * goOn) +
               required.dC1 * (1.0 + goOn);
    }
    // Whether no plan of cost lowerBound or more, none of them before `first`, can be the design.
    bool Beaten(double lowerBound, const DoublePlanNumbers& first) const;
    void vdOffer(const DoublePlanNumbers& plan);
    std::int64_t LowestSecondSample(std::int64_t a1, std::int64_t r1, std::int64_t a2) const;
    // The largest n2 whose plan could still cost no more than the best, -1 when none.
    std::int64_t MostSecondSample(std::int64_t n1, double goOn) const;
    // The first-stage limits of the first sample n1, found from those of a smaller one (all of
    // them only grow with n1).
    FirstSample FirstSampleAt(std::int64_t n1, const FirstSample& smaller, std::int64_t leastTotal);
    // Whether the cost bound shows every plan with a first sample from smallest to largest
    // dearer than the best.
    bool Dearer(DoublePlanCostBound& bound, std::int64_t smallest, std::int64_t largest,
                std::int64_t leastTotal);
    // Prices fitted to the first sample, from start, over its GuideRange.
    RequirementPrices Fitted(DoublePlanCostBound& bound, const FirstSample& first,
                             const RequirementPrices& start, bool bCloseStart);
    // The second samples over which prices are fitted and plans estimated for a first sample.
    std::pair<std::int64_t, std::int64_t> GuideRange(const FirstSample& first) const;
    // The prices of first sample n1: fitted at evenly spaced first samples, and between them
    // taken in proportion on a logarithmic scale.
    RequirementPrices PricesAt(DoublePlanCostBound& bound, std::int64_t n1,
                               std::int64_t leastTotal);
    // The first sample whose plans promise to cost least, and prices that bound its plans and
    // those of its neighbours tightly; n1 = 0 when the bound cannot tell.
    std::pair<FirstSample, RequirementPrices>
    PromisingFirstSample(DoublePlanCostBound& bound, std::int64_t n, std::int64_t leastTotal);
    // Searches, before the others, the first samples whose plans promise to bound the others
    // best: PromisingFirstSample's, and more (written to `searched`).
    void vdSearchAhead(DoublePlanCostBound& bound, std::int64_t n, std::int64_t leastTotal,
                       std::vector<std::int64_t>& searched);
    // Searches the plans of the first sample but those of the first accept numbers that the cost
    // bound shows dearer than the best; returns whether it showed them all dearer.
    bool SearchFirstSample(DoublePlanCostBound& bound, const FirstSample& first,
                           std::int64_t leastTotal);
    // Searches the plans of (n1, a1) but those of the reject numbers r1 whose entry of `passed`
    // (from r1min on) is set, and sets the entries of the reject numbers where a bound leaves no
    // plan of a1 or of a smaller first accept number.
    void vdSearchFirstAccept(const FirstSample& first, std::int64_t a1, std::int64_t leastTotal,
                             std::vector<char>& passed);
    struct SecondStages
    {
        // A second sample size that every plan of (n1, a1) with this or a larger r1 needs to
        // cost less than the best.
        std::int64_t needed;
        // Whether no plan with this r1 and this or a smaller a1 can.
        bool bNoneBelow;
        // Whether the most powerful tests of this r1 miss the AQL room at a second sample no
        // smaller than the largest the cost allows, and their Pa at the AQL there, and that
        // sample.
        bool bMissed;
        double dMostAcceptance;
        std::int64_t tried;
    };
    // Offers the cheapest plan of (n1, a1, r1) that costs less than the best; `wider` are the
    // upper rooms that hold for the plans of smaller a1 (see vdSearchFirstAccept).
    SecondStages SearchSecondStage(std::int64_t n1, const Continuation& go, const Rooms& rooms,
                                   const Rooms& wider, double goOn, std::int64_t lowest);
    // Whether a continuation's Pa, sum, keeps on the side of its room that the level asks; where
    // it is within rounding of it, the judgement decides, and with `exact` the plan's Pa at the
    // level against the target of the whole plan.
    bool Meets(double sum, double room, Side side, double level, double target, Judgement judgement,
               const DoublePlanNumbers& plan) const;
    // The least Pa at the AQL of the most powerful tests that may reach a room, allowing for the
    // rounding of the sums.
    static double LeastReaching(double room) { return room * (1.0 - margin) - margin; }
    // How far the continuation keeps within the upper rooms: at least 0 where it meets them (as
    // Meets judges), below 0 where it does not.
    double UpperLevelsRoom(const Continuation& go, const Rooms& rooms, Judgement judgement,
                           const DoublePlanNumbers& plan);
    // The largest a2 whose continuation keeps within the upper rooms at n2: the LTPD's, and with
    // withMaximum the maximum AQL's too where the design has one.
    SecondAccepts LargestSecondAccept(const Continuation& go, const Rooms& rooms,
                                      Judgement judgement, std::int64_t n1, std::int64_t n2,
                                      bool withMaximum);
    // The most Pa at the AQL that any test of the continuation's counts with a second sample of
    // n2 can reach while Pa at the LTPD keeps within its room.
    // With slope, also how fast it grows with the LTPD's room there (the tests' Pa at the AQL is
    // concave in that room, so no wider room adds more than this for each unit), infinite where
    // that is not known.
    double MostAcceptance(const Continuation& go, const Rooms& rooms, std::int64_t n2,
                          double* slope = nullptr);
    // The smallest n2 in [lowest, most] at which the most powerful tests of the continuation
    // reach the AQL room, most + 1 when none does.
    std::int64_t SmallestPowerfulSample(const Continuation& go, const Rooms& rooms,
                                        std::int64_t lowest, std::int64_t most);
    // The smallest n2 in [lowest, most] at which a plan of (n1, a1, r1) meets the rooms, most + 1
    // when none does; with exact rooms the plan is offered.
    std::int64_t SmallestMeetingSample(std::int64_t n1, const Continuation& go, const Rooms& rooms,
                                       std::int64_t lowest, std::int64_t most);

    const DoublePlanModel& model;
    const DoubleDesignRequirements& required;
    SharedSearch* shared;
    bool bCalling;
    std::uint64_t seenVersion = 0;
    LevelCounts atAql;
    LevelCounts atLtpd;
    LevelCounts atMaximumAql;
    LevelCounts atCost;
    // The best plan as this searcher last saw it: as dear as the shared one or dearer, which
    // keeps every bound drawn from it true.
    double best = 0.0;
    DoublePlanNumbers result = {};
    // How far the last search of vdSearchFirstAccept found the reject numbers missing the AQL
    // room to reach, from which the next starts.
    std::int64_t rejectSpan = 1;
    bool bSpanSkipped = false;
    // The last answer of LargestSecondAccept, from which the next starts.
    std::int64_t lastSecondAccept = 0;
    std::int64_t lastSecondSample = 0;
};

double DoubleDesign::Pa(double level, const DoublePlanNumbers& plan) const
{
    return model.pa(level, static_cast<int>(plan.n1), static_cast<int>(plan.a1),
                    static_cast<int>(plan.r1), static_cast<int>(plan.n2),
                    static_cast<int>(plan.a2));
}

double DoubleDesign::PlanCost(const DoublePlanNumbers& plan) const
{
    const int n1 = static_cast<int>(plan.n1);
    const int a1 = static_cast<int>(plan.a1);
    const int r1 = static_cast<int>(plan.r1);
    const int n2 = static_cast<int>(plan.n2);
    const int a2 = static_cast<int>(plan.a2);
    return required.dC0 * model.asn(required.dP0, n1, a1, r1, n2, a2, required.method) +
           required.dC1 * model.expectedStages(required.dP0, n1, a1, r1, n2, a2);
}

bool DoubleDesign::Beaten(double lowerBound, const DoublePlanNumbers& first) const
{
    return lowerBound > best * (1.0 + margin) ||
           (lowerBound >= best && result.r1 != 0 && ComesBefore(result, first));
}

void DoubleDesign::vdOffer(const DoublePlanNumbers& plan)
{
    const double cost = PlanCost(plan);
    const std::lock_guard lock(shared->mutex);
    // A cost that is not a number never wins, and a double plan wins from the single plan only
    // by costing less.
    if (cost < shared->best ||
        (cost == shared->best && shared->result.r1 != 0 && ComesBefore(plan, shared->result)))
    {
        shared->best = cost;
        shared->result = plan;
        ++shared->version;
    }
    vdTakeUpBest();
}

std::int64_t DoubleDesign::LowestSecondSample(std::int64_t a1, std::int64_t r1,
                                              std::int64_t a2) const
{
    // Defective units: n2 > r1 - a1 - 2, and a2 < n2 + a1 + 1 so that the second sample can
    // always reject.
    return model.bCountsWithinSample ? std::max(r1 - a1 - 1, a2 - a1) : 1;
}

std::int64_t DoubleDesign::MostSecondSample(std::int64_t n1, double goOn) const
{
    if (!(goOn > 0.0))
        return largestCount;
    const double room = (best * (1.0 + margin) - required.dC1 * (1.0 + goOn) -
                         required.dC0 * static_cast<double>(n1)) /
                        (required.dC0 * goOn);
    if (!(room >= 0.0))
        return -1;
    return room < static_cast<double>(largestCount) ? static_cast<std::int64_t>(room)
                                                    : largestCount;
}

bool DoubleDesign::Stopped()
{
    if (shared->version.load(std::memory_order_acquire) != seenVersion)
    {
        const std::lock_guard lock(shared->mutex);
        vdTakeUpBest();
    }
    if (bCalling)
        shared->vdReport(required.progress);
    return shared->bStopped;
}

DoubleDesign::FirstSample DoubleDesign::FirstSampleAt(std::int64_t n1, const FirstSample& smaller,
                                                      std::int64_t leastTotal)
{
    FirstSample first = smaller;
    first.n1 = n1;
    const double highest =
        std::max({required.dAql, required.dLtpd, required.dP0, required.maximumAql.value_or(0.0)});
    const auto cumulative = [&](std::int64_t x, double level)
    { return model.cumulative(x, n1, level); };
    const auto allowsAccept = [&](std::int64_t a)
    {
        return cumulative(a, required.dLtpd) < required.dPaLtpd &&
               (!HasMaximumAql() || cumulative(a, *required.maximumAql) < required.dPaAql);
    };
    // Counts beyond 32 bits make no plan.
    constexpr std::int64_t beyond = largestCount + 2;
    first.a1max =
        FirstHolding(first.a1max + 1, beyond, [&](std::int64_t a) { return !allowsAccept(a); }) - 1;
    first.r1min = FirstHolding(first.r1min, beyond,
                               [&](std::int64_t r)
                               { return cumulative(r - 1, required.dAql) > required.dPaAql; });
    first.unreached =
        FirstHolding(first.unreached, beyond,
                     [&](std::int64_t r) { return !(cumulative(r - 1, highest) < 1.0); });
    first.lastReject = std::max(
        model.bCountsWithinSample ? std::min(first.unreached, n1) : first.unreached, first.r1min);
    first.bPossible = first.a1max >= 0 && (!model.bCountsWithinSample || first.r1min <= n1);
    if (!first.bPossible)
        return first;
    // Every plan of this n1 goes on to its second sample at least as often as this one, and
    // its second sample is at least as large as this.
    first.leastGoOn = 0.0;
    if (first.r1min >= first.a1max + 2)
        first.leastGoOn = std::max(0.0, cumulative(first.r1min - 1, required.dP0) -
                                            cumulative(first.a1max, required.dP0));
    first.leastSecond =
        std::max({leastTotal - n1,
                  LowestSecondSample(first.a1max, std::max(first.r1min, first.a1max + 2), 0),
                  std::int64_t{1}});
    first.lowerBound = CostOf(n1, first.leastSecond, first.leastGoOn);
    return first;
}

bool DoubleDesign::Dearer(DoublePlanCostBound& bound, std::int64_t smallest, std::int64_t largest,
                          std::int64_t leastTotal)
{
    if (!bound.Usable())
        return false;
    const RequirementPrices prices =
        PricesAt(bound, smallest + (largest - smallest) / 2, leastTotal);
    bound.vdStartFirstSamples(smallest, largest);
    // Every plan has at least leastTotal units in its two samples.
    return bound.Exceeds(prices, std::max<std::int64_t>(0, leastTotal - largest), largestCount,
                         best * (1.0 + margin));
}

RequirementPrices DoubleDesign::Fitted(DoublePlanCostBound& bound, const FirstSample& first,
                                       const RequirementPrices& start, bool bCloseStart)
{
    bound.vdStartFirstSamples(first.n1, first.n1);
    const auto [lo, hi] = GuideRange(first);
    return bound.FittedPrices(start, bCloseStart, lo, hi);
}

std::pair<std::int64_t, std::int64_t> DoubleDesign::GuideRange(const FirstSample& first) const
{
    // A guide, not a bound: the cheapest plans' second samples are well below twice the single
    // plan's sample.
    const std::int64_t most =
        std::min(MostSecondSample(first.n1, first.leastGoOn), 2 * shared->singleSize);
    return {first.leastSecond, std::max(first.leastSecond, most)};
}

RequirementPrices DoubleDesign::PricesAt(DoublePlanCostBound& bound, std::int64_t n1,
                                         std::int64_t leastTotal)
{
    auto& fittedPrices = shared->fittedPrices;
    const auto fittedAt = [&](std::int64_t at)
    {
        // From the prices of the nearest first sample fitted.
        RequirementPrices start = shared->promisingPrices;
        {
            const std::lock_guard lock(shared->mutex);
            const auto found = fittedPrices.find(at);
            if (found != fittedPrices.end())
                return found->second;
            const auto above = fittedPrices.lower_bound(at);
            if (above != fittedPrices.begin())
                start = std::prev(above)->second;
        }
        const FirstSample first = FirstSampleAt(at, {}, leastTotal);
        const RequirementPrices prices =
            first.bPossible ? Fitted(bound, first, start, true) : start;
        const std::lock_guard lock(shared->mutex);
        return fittedPrices.emplace(at, prices).first->second;
    };
    const std::int64_t smallest = shared->smallestFirst;
    const std::int64_t spacing = shared->priceSpacing;
    const std::int64_t below = smallest + (n1 - smallest) / spacing * spacing;
    const RequirementPrices low = fittedAt(below);
    if (below == n1)
        return low;
    const RequirementPrices high = fittedAt(below + spacing);
    const double share = static_cast<double>(n1 - below) / static_cast<double>(spacing);
    const auto between = [&](double from, double to)
    {
        return from > 0.0 && to > 0.0 ? std::exp(std::log(from) + share * std::log(to / from))
                                      : from + share * (to - from);
    };
    return {between(low.dAql, high.dAql), between(low.dLtpd, high.dLtpd),
            between(low.dMaximumAql, high.dMaximumAql)};
}

std::pair<DoubleDesign::FirstSample, RequirementPrices>
DoubleDesign::PromisingFirstSample(DoublePlanCostBound& bound, std::int64_t n,
                                   std::int64_t leastTotal)
{
    const std::int64_t smallest = shared->smallestFirst;
    const FirstSample none;
    if (!bound.Usable() || n - smallest < 2)
        return {none, {}};
    RequirementPrices prices;
    const auto estimate = [&](const FirstSample& first)
    {
        bound.vdStartFirstSamples(first.n1, first.n1);
        const auto [lo, hi] = GuideRange(first);
        return bound.Estimate(prices, lo, hi);
    };
    const auto fit = [&](const FirstSample& first, bool bCloseStart)
    { prices = Fitted(bound, first, prices, bCloseStart); };
    // The least estimate among evenly spread first samples from `from` to `to`.
    const auto leastAmong = [&](std::int64_t from, std::int64_t to)
    {
        constexpr int spread = 32;
        FirstSample found = none;
        double least = std::numeric_limits<double>::infinity();
        FirstSample at = none;
        for (int i = 0; i <= spread && !Stopped(); ++i)
        {
            const std::int64_t n1 = from + (to - from) * i / spread;
            if (n1 <= at.n1)
                continue;
            at = FirstSampleAt(n1, at, leastTotal);
            if (!at.bPossible || at.lowerBound > best * (1.0 + margin))
                continue;
            // Both are about the least cost of the first sample's plans: the larger is the nearer.
            const double value = std::max(estimate(at), at.lowerBound);
            if (value < least)
            {
                least = value;
                found = at;
            }
        }
        return found;
    };
    FirstSample first = FirstSampleAt(smallest + (n - smallest) * 3 / 5, none, leastTotal);
    if (!first.bPossible)
        first = leastAmong(smallest, n - 1);
    if (!first.bPossible)
        return {none, {}};
    fit(first, false);
    first = leastAmong(smallest, n - 1);
    if (!first.bPossible)
        return {none, prices};
    const std::int64_t step = (n - 1 - smallest) / 32 + 1;
    const FirstSample nearer =
        leastAmong(std::max(smallest, first.n1 - step), std::min(n - 1, first.n1 + step));
    if (nearer.bPossible)
        first = nearer;
    fit(first, true);
    return {first, prices};
}

DoublePlanNumbers DoubleDesign::Run(const DoublePlanModel& model,
                                    const DoubleDesignRequirements& required, SharedSearch& shared)
{
    int n = 0;
    int c = 0;
    if (required.maximumAql)
        model.singleThreeLevels(required.dAql, *required.maximumAql, required.dLtpd,
                                required.dPaAql, required.dPaLtpd, n, c);
    else
        model.singleTwoLevels(required.dAql, required.dLtpd, required.dPaAql, required.dPaLtpd, n,
                              c);
    const DoublePlanNumbers single = {n, c, 0, 0, 0};
    // With c = 0 no smaller first sample meets the LTPD requirement.
    if (n == 0 || c == 0 || (model.bCountsWithinSample ? c == n - 1 : n == 1))
        return single;
    const double singleCost =
        required.dC0 * model.singleAsn(required.dP0, n, c, required.method) + required.dC1;
    // Every double plan takes at least one stage and inspects no fewer than no units: with C0
    // and C1 not negative none costs less than C1. Where the single plan costs no more, as with
    // C0 = 0, none beats it; a search would have to prove that of plans that all cost about as
    // much (at p0 = 0 exactly as much), which no bound shortens.
    if (required.dC0 >= 0.0 && required.dC1 >= 0.0 && !(required.dC1 < singleCost))
        return single;
    shared.best = singleCost;
    shared.result = single;
    shared.singleSize = n;
    // The total sample n1 + n2 of any double plan meeting the requirements.
    const std::int64_t leastTotal = LeastRandomisedSampleSize(
        model.cumulative, required.dAql, required.dLtpd, required.dPaAql, required.dPaLtpd, n);
    shared.smallestFirst = model.bCountsWithinSample ? 2 : 1;
    shared.priceSpacing = std::max<std::int64_t>(64, (n - shared.smallestFirst) / 64);
    // The most promising first sample first: the best plan found bounds the others. The counts
    // of this search are given back before the searchers fill their own.
    std::vector<std::int64_t> searched;
    {
        DoubleDesign ahead(model, required, shared, true);
        DoublePlanCostBound bound(model, required);
        ahead.vdSearchAhead(bound, n, leastTotal, searched);
    }
    std::sort(searched.begin(), searched.end());
    // Sweeps of wide ranges share out their first samples among as many searchers as the
    // process may run at once, each taking chunks small enough that the near-cheapest ones,
    // which take the most searching, are spread among them.
    const std::int64_t range = n - shared.smallestFirst;
    const std::int64_t searchers = std::clamp<std::int64_t>(
        range / 64, 1, required.searchers > 0 ? required.searchers : SearcherCount());
    const std::int64_t chunk = std::max<std::int64_t>(16, range / (64 * searchers));
    shared.chunkCount = (range + chunk - 1) / chunk;
    shared.pool.vdRun(
        searchers,
        [&]
        {
            DoubleDesign searcher(model, required, shared, false);
            searcher.vdSweep(n, chunk, leastTotal, searched);
        },
        [&] { shared.vdReport(required.progress); }, [&] { shared.bStopped = true; });
    return shared.result;
}

void DoubleDesign::vdSweep(std::int64_t n, std::int64_t chunk, std::int64_t leastTotal,
                           const std::vector<std::int64_t>& searched)
{
    DoublePlanCostBound bound(model, required);
    while (!Stopped())
    {
        const std::int64_t from = shared->smallestFirst + chunk * shared->nextChunk++;
        if (from >= std::min(n, shared->beyondCounts.load()))
            break;
        vdSweepChunk(bound, from, std::min(n, from + chunk), leastTotal, searched);
        ++shared->chunksDone;
        shared->pool.vdReportSoon();
    }
}

void DoubleDesign::vdSweepChunk(DoublePlanCostBound& bound, std::int64_t from, std::int64_t to,
                                std::int64_t leastTotal, const std::vector<std::int64_t>& searched)
{
    FirstSample first;
    // Ranges of first samples that the cost bound shows dearer than the best are passed over,
    // each twice as wide as the last one passed; the others are narrowed down to single first
    // samples, which are searched. A single one is not bounded as a range: its search starts from
    // the bounds of each of its first accept numbers, which are at least the range's over the
    // second samples its cost allows, and showing them all dearer counts as passing it over.
    std::int64_t width = 1;
    for (std::int64_t n1 = from; n1 < to && !Stopped();)
    {
        const std::int64_t largest = std::min<std::int64_t>(to - 1, n1 + width - 1);
        if (width > 1 && Dearer(bound, n1, largest, leastTotal))
        {
            n1 = largest + 1;
            width *= 2;
            continue;
        }
        if (width > 1)
        {
            width = std::max<std::int64_t>(1, width / 4);
            continue;
        }
        first = FirstSampleAt(n1, first, leastTotal);
        // All limits grow with n1: the larger first samples need such counts too.
        if (first.bPossible && first.lastReject > largestCount)
        {
            std::int64_t beyond = shared->beyondCounts.load();
            while (n1 < beyond && !shared->beyondCounts.compare_exchange_weak(beyond, n1))
            {
            }
            return;
        }
        if (!first.bPossible || first.lowerBound > best * (1.0 + margin) ||
            (!std::binary_search(searched.begin(), searched.end(), n1) &&
             SearchFirstSample(bound, first, leastTotal)))
            width = 2;
        ++n1;
    }
}

void DoubleDesign::vdSearchAhead(DoublePlanCostBound& bound, std::int64_t n,
                                 std::int64_t leastTotal, std::vector<std::int64_t>& searched)
{
    const auto [promising, prices] = PromisingFirstSample(bound, n, leastTotal);
    shared->promisingPrices = prices;
    // A search bounded by a best plan much dearer than the first sample's cheapest is wide: each
    // looks first for plans within a little of the least cost that the cost bound promises,
    // widening the limit until it finds one. Every plan passed over then costs more than the
    // limit, and so more than that plan: the search is as whole as one bounded by the best.
    const auto search = [&](const FirstSample& first)
    {
        // Counts beyond 32 bits make no plan.
        if (!first.bPossible || first.lastReject > largestCount ||
            first.lowerBound > best * (1.0 + margin) || Stopped() ||
            std::find(searched.begin(), searched.end(), first.n1) != searched.end())
            return;
        searched.push_back(first.n1);
        if (bound.Usable())
        {
            const RequirementPrices near = PricesAt(bound, first.n1, leastTotal);
            bound.vdStartFirstSamples(first.n1, first.n1);
            const auto [lo, hi] = GuideRange(first);
            const double promised = std::max(bound.Estimate(near, lo, hi), first.lowerBound);
            for (double slack = 1e-4; promised > 0.0 && promised * (1.0 + slack) < best;
                 slack *= 4.0)
            {
                // No plan is taken as its equal in cost meanwhile.
                const double limit = promised * (1.0 + slack);
                best = limit;
                result = {};
                SearchFirstSample(bound, first, leastTotal);
                const std::lock_guard lock(shared->mutex);
                vdTakeUpBest();
                if (best <= limit)
                    return;
            }
        }
        SearchFirstSample(bound, first, leastTotal);
    };
    search(promising);
    // The estimates may be far from the cheapest plans of the first samples they promise: first
    // samples spread evenly over the range follow, and about the best found ever nearer ones.
    constexpr int spread = 16;
    const std::int64_t smallest = shared->smallestFirst;
    const std::int64_t range = n - 1 - smallest;
    FirstSample at;
    for (int i = 1; i < spread; ++i)
    {
        const std::int64_t n1 = smallest + range * i / spread;
        if (n1 <= at.n1)
            continue;
        at = FirstSampleAt(n1, at, leastTotal);
        search(at);
    }
    for (std::int64_t step = range / (2 * spread); step > range / 1024 && result.r1 != 0; step /= 2)
    {
        const std::int64_t centre = result.n1;
        for (const std::int64_t n1 : {centre - step, centre + step})
            if (n1 >= smallest && n1 < n)
                search(FirstSampleAt(n1, {}, leastTotal));
    }
}

bool DoubleDesign::SearchFirstSample(DoublePlanCostBound& bound, const FirstSample& first,
                                     std::int64_t leastTotal)
{
    for (LevelCounts* counts : {&atAql, &atLtpd, &atMaximumAql, &atCost})
        counts->vdStartFirstSample(first.n1);
    // The cost of every plan of a1 is at least that of its least reject number with the least
    // second sample.
    const auto firstAcceptBound = [&](std::int64_t a1, std::int64_t r1)
    {
        const double goOn = std::max(0.0, atCost.Cumulative(r1 - 1) - atCost.Cumulative(a1));
        const std::int64_t n2 =
            std::max({leastTotal - first.n1, LowestSecondSample(a1, r1, 0), std::int64_t{1}});
        return CostOf(first.n1, n2, goOn);
    };
    // Smaller a1 go on more often and need larger second samples: once the bound of an a1 with
    // r1min loses, those of all smaller a1 lose too.
    std::int64_t a1low = first.a1max;
    for (; a1low >= 0; --a1low)
    {
        const std::int64_t r1 = std::max<std::int64_t>(first.r1min, a1low + 2);
        if (r1 == first.r1min && firstAcceptBound(a1low, r1) > best * (1.0 + margin))
            break;
    }
    ++a1low;
    std::vector<char> dearer(static_cast<std::size_t>(first.a1max + 1), 0);
    if (bound.Usable())
    {
        // The prices first: fitting them may start the bound elsewhere.
        const RequirementPrices prices = PricesAt(bound, first.n1, leastTotal);
        bound.vdStartFirstSamples(first.n1, first.n1);
        bound.vdMarkDearerFirstAccepts(
            prices, first.leastSecond,
            std::max(first.leastSecond, MostSecondSample(first.n1, first.leastGoOn)), a1low,
            first.r1min, best * (1.0 + margin), dearer);
    }
    if (std::all_of(dearer.begin() + a1low, dearer.end(), [](char d) { return d != 0; }))
        return true;
    std::vector<char> passed(static_cast<std::size_t>(first.lastReject - first.r1min + 1), 0);
    for (std::int64_t a1 = first.a1max; a1 >= a1low && !Stopped(); --a1)
    {
        const std::int64_t r1 = std::max<std::int64_t>(first.r1min, a1 + 2);
        if (dearer[static_cast<std::size_t>(a1)] != 0 || r1 > first.lastReject)
            continue;
        const double bound = firstAcceptBound(a1, r1);
        if (r1 == first.r1min && bound > best * (1.0 + margin))
            return false;
        if (!Beaten(bound, {first.n1, a1, r1, 0, r1 - 1}))
            vdSearchFirstAccept(first, a1, leastTotal, passed);
    }
    return false;
}

void DoubleDesign::vdSearchFirstAccept(const FirstSample& first, std::int64_t a1,
                                       std::int64_t leastTotal, std::vector<char>& passed)
{
    const std::int64_t n1 = first.n1;
    const std::int64_t r1lo = std::max<std::int64_t>(first.r1min, a1 + 2);
    const double accepted = atAql.Cumulative(a1);
    const double acceptedAtLtpd = atLtpd.Cumulative(a1);
    const double acceptedAtMaximum = HasMaximumAql() ? atMaximumAql.Cumulative(a1) : 0.0;
    const Rooms rooms = {required.dPaAql - accepted, required.dPaLtpd - acceptedAtLtpd,
                         required.dPaAql - acceptedAtMaximum, Judgement::exact};
    // A plan of a smaller a1 is, once it accepts the counts up to a1 at once, a plan of a1 with
    // the same second stage: it costs no more, its Pa at the AQL is no lower, and its Pa at the
    // upper levels is higher by at most P(first count <= a1). Bounds on plans of a1 with these
    // wider rooms hold for those of every smaller a1 with the same r1.
    const Rooms wider = {rooms.dAql, required.dPaLtpd, required.dPaAql, Judgement::lenient};
    double goOn = atCost.Cumulative(r1lo - 1) - atCost.Cumulative(a1);
    // A second sample every plan with this or a larger r1 needs.
    std::int64_t floor = std::max<std::int64_t>(leastTotal - n1, 1);
    for (std::int64_t r1 = r1lo; r1 <= first.lastReject && !Stopped(); ++r1)
    {
        const auto at = passed.begin() + (r1 - first.r1min);
        // Of a run of reject numbers passed over only the last needs its bound, which is the
        // largest of the run's.
        const bool bPassedOver = *at != 0;
        if (bPassedOver)
        {
            r1 += std::find(at, passed.end(), 0) - at - 1;
            goOn = atCost.Cumulative(r1 - 1) - atCost.Cumulative(a1);
        }
        else if (r1 > r1lo)
            goOn += atCost.Point(r1 - 1);
        const std::int64_t lowest = std::max(floor, LowestSecondSample(a1, r1, 0));
        // Larger r1 go on more often with second samples no smaller.
        if (Beaten(CostOf(n1, lowest, std::max(goOn, 0.0)), {n1, a1, r1, 0, r1 - 1}))
            return;
        if (bPassedOver)
            continue;
        const std::int64_t most = MostSecondSample(n1, std::max(goOn, 0.0));
        if (most < lowest)
            return;
        const SecondStages found =
            SearchSecondStage(n1, {a1, r1}, rooms, wider, std::max(goOn, 0.0), lowest);
        if (found.bNoneBelow)
            *at = 1;
        floor = std::max(floor, found.needed);
        if (!found.bMissed || floor > most)
            continue;
        // The tests of a reject number are among those of a larger one, and reach no more with a
        // smaller second sample: where those of (a1, last) miss the AQL room at the size tried,
        // no smaller than this most, so do those of every r1 up to last at its own most, which
        // is no larger.
        // Where the last search found no reject number beyond its own missing the room, the next
        // is likely to find none either: every other one is left out.
        if (rejectSpan == 0)
        {
            bSpanSkipped = !bSpanSkipped;
            if (bSpanSkipped)
                continue;
        }
        // The search for last tries reject numbers from r1 on, and the one before the first
        // reaching the room is r1 or one tried: the last one missing it is kept, with its slope.
        const double least = LeastReaching(rooms.dAql);
        double acceptance = found.dMostAcceptance;
        double slope = 0.0;
        std::int64_t missing = r1;
        const auto beyondRoom = [&](std::int64_t reject)
        {
            double growth = 0.0;
            const double reached = MostAcceptance({a1, reject}, rooms, found.tried, &growth);
            if (reached < least && reject > missing)
            {
                missing = reject;
                acceptance = reached;
                slope = growth;
            }
            return reached - least;
        };
        const std::int64_t last = FirstReachingAfter(r1, acceptance - least, first.lastReject + 1,
                                                     rejectSpan, beyondRoom) -
                                  1;
        // The next reject number that misses the room lies about as far on.
        rejectSpan = last - r1;
        if (last == r1)
            continue;
        // As in SearchSecondStage: none of a smaller a1 reaches the wider rooms either, and no
        // plan with a reject number from last on reaches the AQL room (see the relaxed rooms
        // there).
        if (acceptance + slope * (wider.dLtpd - rooms.dLtpd) < LeastReaching(wider.dAql))
            for (std::int64_t reject = r1 + 1; reject <= last; ++reject)
                passed[static_cast<std::size_t>(reject - first.r1min)] = 1;
        if (acceptance <
            LeastReaching(rooms.dAql - std::max(0.0, 1.0 - atAql.Cumulative(last - 1))))
            return;
        for (; r1 < last; ++r1)
            goOn += atCost.Point(r1);
    }
}

bool DoubleDesign::Meets(double sum, double room, Side side, double level, double target,
                         Judgement judgement, const DoublePlanNumbers& plan) const
{
    if (std::fabs(sum - room) > margin * target)
        return side == Side::atLeast ? sum >= room : sum <= room;
    switch (judgement)
    {
    case Judgement::lenient:
        return true;
    case Judgement::strict:
        return false;
    case Judgement::exact:
        break;
    }
    const double pa = Pa(level, plan);
    switch (side)
    {
    case Side::atLeast:
        return pa >= target;
    case Side::atMost:
        return pa <= target;
    case Side::below:
        break;
    }
    return pa < target;
}

double DoubleDesign::UpperLevelsRoom(const Continuation& go, const Rooms& rooms,
                                     Judgement judgement, const DoublePlanNumbers& plan)
{
    const auto within = [&](LevelCounts& counts, double room, Side side, double target)
    {
        const double sum = counts.Continued(go.a1, go.r1, plan.n2, plan.a2);
        return Meets(sum, room, side, counts.Level(), target, judgement, plan)
                   ? std::max(room - sum, 0.0)
                   : std::min(room - sum, -std::numeric_limits<double>::min());
    };
    const double ltpd = within(atLtpd, rooms.dLtpd, Side::atMost, required.dPaLtpd);
    if (ltpd < 0.0 || !HasMaximumAql())
        return ltpd;
    return std::min(ltpd, within(atMaximumAql, rooms.dMaximum, Side::below, required.dPaAql));
}

DoubleDesign::SecondAccepts DoubleDesign::LargestSecondAccept(const Continuation& go,
                                                              const Rooms& rooms,
                                                              Judgement judgement, std::int64_t n1,
                                                              std::int64_t n2, bool withMaximum)
{
    SecondAccept meeting;
    SecondAccept failing;
    const bool maximum = withMaximum && HasMaximumAql();
    const auto within = [&](std::int64_t a2, SecondAccept& at)
    {
        const DoublePlanNumbers plan = {n1, go.a1, go.r1, n2, a2};
        at = {a2, atLtpd.Continued(go.a1, go.r1, n2, a2)};
        return Meets(at.dAtLtpd, rooms.dLtpd, Side::atMost, required.dLtpd, required.dPaLtpd,
                     judgement, plan) &&
               (!maximum ||
                Meets(atMaximumAql.Continued(go.a1, go.r1, n2, a2), rooms.dMaximum, Side::below,
                      *required.maximumAql, required.dPaAql, judgement, plan));
    };
    // Beyond a2 = r1 - 2 + n2 every defective count continuing is accepted.
    const std::int64_t highest = model.bCountsWithinSample ? go.r1 - 2 + n2 : largestCount;
    // From the last answer, moved by the count at the LTPD that the change of n2 adds.
    const double shift = static_cast<double>(n2 - lastSecondSample) * required.dLtpd;
    const std::int64_t guess =
        lastSecondAccept + static_cast<std::int64_t>(std::clamp(shift, -1e15, 1e15));
    if (within(std::clamp(guess, go.a1, highest), meeting))
    {
        for (std::int64_t step = 1;; step *= 2)
        {
            if (meeting.a2 == highest)
            {
                failing = {highest + 1, 1.0};
                break;
            }
            if (!within(std::min(meeting.a2 + step, highest), failing))
                break;
            meeting = failing;
        }
    }
    else
    {
        // No count continues at a2 = a1, so it always keeps within.
        failing = meeting;
        for (std::int64_t step = 1;; step *= 2)
        {
            if (within(std::max(failing.a2 - step, go.a1), meeting))
                break;
            failing = meeting;
        }
    }
    while (failing.a2 - meeting.a2 > 1)
    {
        SecondAccept middle;
        (within(meeting.a2 + (failing.a2 - meeting.a2) / 2, middle) ? meeting : failing) = middle;
    }
    lastSecondAccept = meeting.a2;
    lastSecondSample = n2;
    return {meeting, failing};
}

double DoubleDesign::MostAcceptance(const Continuation& go, const Rooms& rooms, std::int64_t n2,
                                    double* slope)
{
    double growth = std::numeric_limits<double>::infinity();
    // The likelihood ratio of the two levels depends on the first and second counts only through
    // their total, so the most powerful tests accept below a total and randomise at it: their Pa
    // at the AQL against that at the LTPD joins the points of the second accept numbers by
    // straight lines, which turn ever flatter.
    const auto [largest, above] = LargestSecondAccept(go, rooms, Judgement::lenient, 0, n2, false);
    double acceptance = 0.0;
    // At the end of the counts no test accepts more than every continuing count.
    if (above.a2 > (model.bCountsWithinSample ? go.r1 - 2 + n2 : largestCount))
    {
        acceptance = atAql.Cumulative(go.r1 - 1) - atAql.Cumulative(go.a1);
        growth = 0.0;
    }
    else
    {
        acceptance = atAql.Continued(go.a1, go.r1, n2, largest.a2);
        if (above.dAtLtpd > largest.dAtLtpd)
        {
            const double rise = atAql.Continued(go.a1, go.r1, n2, above.a2) - acceptance;
            growth = std::max(0.0, rise / (above.dAtLtpd - largest.dAtLtpd));
            acceptance +=
                std::clamp((rooms.dLtpd - largest.dAtLtpd) / (above.dAtLtpd - largest.dAtLtpd), 0.0,
                           1.0) *
                rise;
        }
    }
    if (slope != nullptr)
        *slope = growth;
    return acceptance;
}

std::int64_t DoubleDesign::SmallestPowerfulSample(const Continuation& go, const Rooms& rooms,
                                                  std::int64_t lowest, std::int64_t most)
{
    // Pa at the AQL that the most powerful tests reach only grows with n2 (a test on n2 units
    // can ignore one more).
    const double aqlRoom = LeastReaching(rooms.dAql);
    const auto beyondRoom = [&](std::int64_t n2)
    { return MostAcceptance(go, rooms, n2) - aqlRoom; };
    if (most < lowest)
        return most + 1;
    const double atMost = beyondRoom(most);
    if (!(atMost >= 0.0))
        return most + 1;
    return FirstReaching(lowest, most, atMost, beyondRoom);
}

std::int64_t DoubleDesign::SmallestMeetingSample(std::int64_t n1, const Continuation& go,
                                                 const Rooms& rooms, std::int64_t lowest,
                                                 std::int64_t most)
{
    std::int64_t n2 = SmallestPowerfulSample(go, rooms, lowest, most);
    if (n2 > most)
        return n2;
    // Second accept numbers whose upper levels are met by a sample below n2 cannot meet the
    // rooms.
    std::int64_t a2 = go.r1 - 1;
    if (n2 > lowest)
        a2 = std::max(
            a2, LargestSecondAccept(go, rooms, Judgement::strict, n1, n2 - 1, true).largest.a2 + 1);
    // Defective units: from a2 = n2 + a1 on, n2 is a2 - a1 whatever the upper levels allow.
    if (model.bCountsWithinSample)
        a2 = std::min(a2, std::max(go.r1 - 1, n2 + go.a1));
    // The second accept numbers from a2 to the largest meeting the upper levels at n2 all have
    // n2 as their smallest second sample. Pa at the AQL rises with a2 among them, so the largest
    // decides whether one of them meets the AQL room, and the first that does is the cheapest
    // plan: n2 only grows with a2.
    for (;;)
    {
        std::int64_t largest =
            LargestSecondAccept(go, rooms, rooms.judgement, n1, n2, true).largest.a2;
        if (model.bCountsWithinSample)
            largest = std::min(largest, n2 + go.a1);
        const auto reaches = [&](std::int64_t accept)
        {
            return Meets(atAql.Continued(go.a1, go.r1, n2, accept), rooms.dAql, Side::atLeast,
                         required.dAql, required.dPaAql, rooms.judgement,
                         {n1, go.a1, go.r1, n2, accept});
        };
        if (largest >= a2 && reaches(largest))
        {
            std::int64_t failing = a2 - 1;
            while (largest - failing > 1)
            {
                const std::int64_t middle = failing + (largest - failing) / 2;
                (reaches(middle) ? largest : failing) = middle;
            }
            if (rooms.judgement == Judgement::exact)
                vdOffer({n1, go.a1, go.r1, n2, largest});
            return n2;
        }
        a2 = std::max(a2, largest + 1);
        // The smallest n2 at which a2 keeps within the upper levels.
        const auto upperRoom = [&](std::int64_t size) {
            return UpperLevelsRoom(go, rooms, rooms.judgement, {n1, go.a1, go.r1, size, a2});
        };
        const double atMost = n2 < most ? upperRoom(most) : -1.0;
        if (atMost < 0.0)
            return most + 1;
        n2 = std::max(FirstReaching(n2 + 1, most, atMost, upperRoom),
                      LowestSecondSample(go.a1, go.r1, a2));
        if (n2 > most)
            return most + 1;
    }
}

DoubleDesign::SecondStages DoubleDesign::SearchSecondStage(std::int64_t n1, const Continuation& go,
                                                           const Rooms& rooms, const Rooms& wider,
                                                           double goOn, std::int64_t lowest)
{
    const std::int64_t most = MostSecondSample(n1, goOn);
    // A plan with a larger reject number differs from one of this r1 only in first counts from
    // r1 up: at the AQL its Pa exceeds that of the plan of this r1 with the same second stage by
    // at most P(first count >= r1). Bounds on plans of this r1 with that relaxed room hold for
    // them, and with the wider upper rooms for those of smaller a1 too.
    const double beyond = std::max(0.0, 1.0 - atAql.Cumulative(go.r1 - 1));
    const Rooms relaxed = {rooms.dAql - beyond, rooms.dLtpd, rooms.dMaximum, Judgement::lenient};
    const auto reaches = [&](double acceptance, const Rooms& limits)
    { return acceptance >= LeastReaching(limits.dAql); };
    // The relaxed rooms differ from these at the AQL alone, which the tests do not depend on; the
    // wider ones widen the LTPD's room, and with it the tests' Pa at the AQL by at most the slope
    // for each unit.
    // The tests reach no more with a smaller second sample: where they miss the rooms at a size on
    // a coarse grid above most, they miss them at every size up to it, and what that size shows
    // of the relaxed and the wider rooms holds there too. Those sizes come back from one plan to
    // the next, and the counts of the last few are kept, where most is new with almost every
    // plan; only where the tests reach the rooms there is most tried itself.
    double slope = 0.0;
    std::int64_t tried = CoarseSecondSample(most);
    double acceptance = MostAcceptance(go, rooms, tried, &slope);
    if (reaches(acceptance, rooms) && tried > most)
    {
        tried = most;
        acceptance = MostAcceptance(go, rooms, most, &slope);
    }
    if (!reaches(acceptance, rooms))
        return {reaches(acceptance, relaxed) ? lowest : most + 1,
                !reaches(acceptance + slope * (wider.dLtpd - rooms.dLtpd), wider), true, acceptance,
                tried};
    if (SmallestMeetingSample(n1, go, rooms, lowest, most) <= most)
        return {lowest, false, false, acceptance, tried};
    // No plan of this r1 is cheap enough. Where none meets the wider rooms either, no plan of a
    // smaller a1 and this r1 is: that spares the search of the many small a1 that differ from
    // this one only in counts of next to no chance.
    return {SmallestMeetingSample(n1, go, relaxed, lowest, most),
            SmallestMeetingSample(n1, go, wider, lowest, most) > most, false, acceptance, tried};
}

} // namespace

std::int64_t LastRisingCount(std::int64_t n, double level)
{
    return static_cast<std::int64_t>(std::floor(static_cast<double>(n) * level)) - 1;
}

std::int64_t FirstNormalCount(const DoublePlanModel& model, std::int64_t n, double level,
                              std::int64_t from, std::int64_t to)
{
    if (from > to)
        return from;
    return FirstHolding(from, to + 1,
                        [&](std::int64_t k)
                        { return model.point(k, n, level) >= std::numeric_limits<double>::min(); });
}

bool vdDesignDoublePlan(const DoublePlanModel& model, const DoubleDesignRequirements& requirements,
                        int& n1, int& a1, int& r1, int& n2, int& a2)
{
    SharedSearch shared;
    const DoublePlanNumbers plan = DoubleDesign::Run(model, requirements, shared);
    n1 = static_cast<int>(plan.n1);
    a1 = static_cast<int>(plan.a1);
    r1 = static_cast<int>(plan.r1);
    n2 = static_cast<int>(plan.n2);
    a2 = static_cast<int>(plan.a2);
    return !shared.bStopped;
}

} // namespace Brosquin
