#include "stats/DoublePlanCostBound.h"

#include "stats/NegligibleCounts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <utility>

namespace Brosquin
{

namespace
{

// The first counts whose terms are summed: this many roots of the mean about each level's mean;
// what the AQL's chance outside them can gain is taken off the bound.
constexpr double windowSpread = 6.0;
// The bounds are sums of probabilities weighed by the prices, within about 1e-13 of each price:
// this much of the prices is taken off them, so that rounding never makes one too high.
constexpr double roundingShare = 1e-9;
// The pieces of the range of further samples that Exceeds may bound.
constexpr int pieceBudget = 256;
constexpr std::int64_t largestTotal = std::int64_t{1} << 52;
// The largest second sample of a plan; the grid of further sample sizes: every size up to
// gridStep, then 2^(1/256) (0.27 %) more at each step.
constexpr std::int64_t largestSize = 2147483646;
constexpr int gridStep = 2048;
constexpr double stepsPerDoubling = 256.0;
// Kept rows reach up to this many counts beyond those asked, for the neighbouring ranges; as many
// grid sizes have their rows kept at a time as fit in rowEntries numbers, at most mostRowPlaces.
constexpr std::int64_t mostRowMargin = 64;
// More grid steps than the grid has, so that a piece of them reaches the end of any range.
constexpr std::int64_t mostSteps = std::int64_t{1} << 20;
constexpr std::size_t rowEntries = std::size_t{1} << 20;
constexpr std::size_t mostRowPlaces = 256;

std::int64_t FloorOf(double value)
{
    return static_cast<std::int64_t>(
        std::floor(std::clamp(value, -static_cast<double>(largestTotal),
                              static_cast<double>(largestTotal))));
}

double Spread(std::int64_t n, double level)
{
    return std::sqrt(std::max(1.0, static_cast<double>(n) * level));
}

// B(k; n) at one level for the counts k from kmin on, one entry a count, into the size entries
// of row: each point from the one before, from the first that is a normal double.
void vdFillCumulatives(const DoublePlanModel& model, double level, std::int64_t n,
                       std::int64_t kmin, std::int64_t size, double* row)
{
    const std::int64_t start =
        FirstNormalCount(model, n, level, std::max(kmin, FirstNonNegligibleCount(n, level)),
                         std::min(kmin + size - 1, LastRisingCount(n, level)));
    std::int64_t k = kmin;
    for (; k < std::min(start, kmin + size); ++k)
        row[static_cast<std::size_t>(k - kmin)] = 0.0;
    if (k == kmin + size)
        return;
    const PointRatio ratio = model.pointRatio(n, level);
    double cumulative = model.cumulative(k, n, level);
    double point = model.point(k, n, level);
    for (; k < kmin + size; ++k)
    {
        row[static_cast<std::size_t>(k - kmin)] =
            model.bCountsWithinSample && k >= n ? 1.0 : std::min(cumulative, 1.0);
        const auto count = static_cast<double>(k);
        point *= std::max(0.0, (ratio.dIntercept - ratio.dSlope * count) / (count + 1.0));
        cumulative += point;
    }
}

} // namespace

DoublePlanCostBound::DoublePlanCostBound(const DoublePlanModel& model,
                                         const DoubleDesignRequirements& required)
    : model(model), required(required)
{
    // The likelihood ratios need levels strictly inside the model's range; a maximum AQL at its
    // end is left out of the relaxation, which only loosens it.
    const double top = model.bCountsWithinSample ? 1.0 : std::numeric_limits<double>::infinity();
    const auto inside = [&](double level) { return level > required.dAql && level < top; };
    bUsable = required.dAql > 0.0 && inside(required.dLtpd);
    bMaximum = bUsable && required.maximumAql && inside(*required.maximumAql);
    if (bUsable)
        slopeLtpd = model.likelihoodSlope(required.dLtpd, required.dAql);
    if (bMaximum)
        slopeMaximum = model.likelihoodSlope(*required.maximumAql, required.dAql);
}

void DoublePlanCostBound::vdFillPoints(double level, std::vector<double>& out) const
{
    const std::int64_t n = largestFirst;
    out.assign(static_cast<std::size_t>(xhi - xlo + 1), 0.0);
    std::int64_t x =
        FirstNormalCount(model, n, level, std::max(xlo, FirstNonNegligibleCount(n, level)),
                         std::min(xhi, LastRisingCount(n, level)));
    if (x > xhi)
        return;
    const PointRatio ratio = model.pointRatio(n, level);
    double point = model.point(x, n, level);
    for (; x <= xhi; ++x)
    {
        out[static_cast<std::size_t>(x - xlo)] = point;
        const auto count = static_cast<double>(x);
        point *= std::max(0.0, (ratio.dIntercept - ratio.dSlope * count) / (count + 1.0));
    }
}

void DoublePlanCostBound::vdStartFirstSamples(std::int64_t smallest, std::int64_t largest)
{
    smallestFirst = smallest;
    largestFirst = largest;
    if (!bUsable)
        return;
    const std::int64_t n = largest;
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const double level :
         {required.dAql, required.dLtpd, bMaximum ? *required.maximumAql : required.dAql})
    {
        const double mean = static_cast<double>(n) * level;
        low = std::min(low, mean - windowSpread * Spread(n, level));
        high = std::max(high, mean + windowSpread * Spread(n, level));
    }
    xlo = std::max<std::int64_t>(0, FloorOf(low));
    xhi = FloorOf(high) + 1;
    if (model.bCountsWithinSample)
        xhi = std::min(xhi, n);
    vdFillPoints(required.dAql, atAql);
    vdFillPoints(required.dLtpd, atLtpd);
    if (bMaximum)
        vdFillPoints(*required.maximumAql, atMaximum);
    vdFillPoints(required.dP0, atCost);
    outside = (xlo > 0 ? model.cumulative(xlo - 1, n, required.dAql) : 0.0) +
              std::max(0.0, 1.0 - model.cumulative(xhi, n, required.dAql));
    // Kept rows have room for twice the window (with its margins) they are first made for; when
    // the window outgrows them, they are made anew, fewer as they grow, halving their number as
    // need be.
    // The margin grows with the window, as the drift of its counts does.
    rowMargin = std::clamp<std::int64_t>((xhi - xlo + 1) / 2, 8, mostRowMargin);
    const auto length = static_cast<std::size_t>(xhi - xlo + 1 + 2 * rowMargin);
    if (length > rowLength)
    {
        rowLength = 2 * length;
        std::size_t places = mostRowPlaces;
        while (places > 16 && places * 3 * rowLength > rowEntries)
            places /= 2;
        rows.assign(places, SecondRows{});
        // Left unset: only the places used are ever written, and read after.
        rowStore.reset(new double[places * 3 * rowLength]);
    }
}

std::int64_t DoublePlanCostBound::LargestGainfulTotal(const RequirementPrices& prices,
                                                      std::int64_t n) const
{
    // A total t of the two samples is gainful where m RL(t) + v RM(t) < l, R the likelihood
    // ratios to the AQL, which grow with t. t* below is where one ratio alone reaches l: the
    // answer is below the least t*, and at least below the least t* of twice the price. In
    // logarithms, since prices may be far apart.
    const double l = prices.dAql;
    if (!(l > 0.0))
        return -1;
    const double v = bMaximum ? prices.dMaximumAql : 0.0;
    // log(price / l) + N dPerUnit of each upper level, or nothing for a price of 0.
    const auto offset = [&](double price, const LikelihoodSlope& slope)
    {
        return price > 0.0 ? std::log(price) - std::log(l) + static_cast<double>(n) * slope.dPerUnit
                           : -std::numeric_limits<double>::infinity();
    };
    const double atLtpd = offset(prices.dLtpd, slopeLtpd);
    const double atMaximum = offset(v, slopeMaximum);
    const auto reach = [&](double at, const LikelihoodSlope& slope, double factor)
    {
        return at > -std::numeric_limits<double>::infinity()
                   ? -(at + std::log(factor)) / slope.dPerCount
                   : static_cast<double>(largestTotal);
    };
    const double upper =
        std::min(reach(atLtpd, slopeLtpd, 1.0), reach(atMaximum, slopeMaximum, 1.0));
    const double lower =
        std::min(reach(atLtpd, slopeLtpd, 2.0), reach(atMaximum, slopeMaximum, 2.0));
    const auto gainful = [&](std::int64_t t)
    {
        const auto total = static_cast<double>(t);
        return std::exp(atLtpd + total * slopeLtpd.dPerCount) +
                   std::exp(atMaximum + total * slopeMaximum.dPerCount) <
               1.0;
    };
    std::int64_t meeting = std::max<std::int64_t>(-1, FloorOf(lower) - 1);
    std::int64_t failing = std::max(meeting + 1, FloorOf(upper) + 1);
    // Rounding may leave the estimates a little off: steps that double find the answer's range.
    for (std::int64_t step = 1; meeting >= 0 && !gainful(meeting); step *= 2)
    {
        failing = meeting;
        meeting = std::max<std::int64_t>(-1, meeting - step);
    }
    while (failing - meeting > 1)
    {
        const std::int64_t middle = meeting + (failing - meeting) / 2;
        (gainful(middle) ? meeting : failing) = middle;
    }
    return model.bCountsWithinSample ? std::min(meeting, n) : meeting;
}

namespace
{

// The grid sizes above gridStep, up to the largest second sample, worked out once.
const std::vector<std::int64_t>& GridAbove()
{
    static const std::vector<std::int64_t> sizes = []
    {
        std::vector<std::int64_t> above;
        for (int step = 1;; ++step)
        {
            const double size =
                std::ceil(static_cast<double>(gridStep) * std::exp2(step / stepsPerDoubling));
            above.push_back(size < static_cast<double>(largestSize)
                                ? static_cast<std::int64_t>(size)
                                : largestSize);
            if (above.back() == largestSize)
                return above;
        }
    }();
    return sizes;
}

} // namespace

std::int64_t DoublePlanCostBound::GridSize(int index)
{
    if (index < gridStep)
        return index + 1;
    const auto& above = GridAbove();
    return above[std::min(static_cast<std::size_t>(index - gridStep), above.size() - 1)];
}

int DoublePlanCostBound::GridIndex(std::int64_t n2)
{
    if (n2 <= gridStep)
        return static_cast<int>(std::max<std::int64_t>(n2, 1) - 1);
    const auto& above = GridAbove();
    const auto at = std::lower_bound(above.begin(), above.end(), std::min(n2, largestSize));
    return gridStep + static_cast<int>(at - above.begin());
}

void DoublePlanCostBound::vdFillRows(std::int64_t b, std::int64_t kmin, std::int64_t count,
                                     double* store, SecondRows& row) const
{
    row.size = b;
    row.kmin = kmin;
    row.count = count;
    const auto length = static_cast<std::size_t>(count);
    vdFillCumulatives(model, required.dAql, b, kmin, count, store);
    vdFillCumulatives(model, required.dLtpd, b, kmin, count, store + length);
    if (bMaximum)
        vdFillCumulatives(model, *required.maximumAql, b, kmin, count, store + 2 * length);
    row.atAql = store;
    row.atLtpd = store + length;
    row.atMaximum = store + 2 * length;
}

const DoublePlanCostBound::SecondRows& DoublePlanCostBound::RowsOf(std::int64_t b,
                                                                   std::int64_t kmin,
                                                                   std::int64_t kmax)
{
    const int index = GridIndex(b);
    if (GridSize(index) != b)
    {
        offGridStore.resize(static_cast<std::size_t>(3 * (kmax - kmin + 1)));
        vdFillRows(b, kmin, kmax - kmin + 1, offGridStore.data(), offGrid);
        return offGrid;
    }
    // One place a grid size, shared by sizes far apart.
    const std::size_t place = static_cast<std::size_t>(index) % rows.size();
    SecondRows& row = rows[place];
    if (row.size != b || kmin < row.kmin || kmax >= row.kmin + row.count)
        vdFillRows(b, kmin - rowMargin, kmax - kmin + 1 + 2 * rowMargin,
                   rowStore.get() + place * 3 * rowLength, row);
    return row;
}

double DoublePlanCostBound::Constant(const RequirementPrices& prices) const
{
    const double l = prices.dAql;
    const double m = prices.dLtpd;
    const double v = bMaximum ? prices.dMaximumAql : 0.0;
    // Every count outside the window adds at least -l bA(x), whatever is done with it.
    return required.dC0 * static_cast<double>(smallestFirst) + required.dC1 +
           l * required.dPaAql - m * required.dPaLtpd - v * required.dPaAql - l * outside -
           roundingShare * (l + m + v);
}

double DoublePlanCostBound::Accepted(const RequirementPrices& prices, std::size_t i) const
{
    return -prices.dAql * atAql[i] + prices.dLtpd * atLtpd[i] +
           (bMaximum ? prices.dMaximumAql * atMaximum[i] : 0.0);
}

void DoublePlanCostBound::vdFillContinued(const RequirementPrices& prices, std::int64_t a,
                                          std::int64_t b, std::vector<double>& continued)
{
    const double l = prices.dAql;
    const double m = prices.dLtpd;
    const double v = bMaximum ? prices.dMaximumAql : 0.0;
    // Going on from count x: the most a test of the further units can gain, the greatest
    // Σ over y accepted of l bA(x) bA'(y) - m bL(x) bL'(y) - v bM(x) bM'(y), is that of accepting
    // every total x + y up to the largest gainful one, K, since whether a total gains depends on
    // nothing else. It grows with the further units (a test of more can ignore the extra ones),
    // so over a to b of them it is at most the gain at b, and the cost at least that at a.
    const std::int64_t K = std::clamp(LargestGainfulTotal(prices, largestFirst + b), xlo - 1,
                                      xhi + largestTotal);
    const SecondRows& second = RowsOf(b, K - xhi, K - xlo);
    const double stageCost = required.dC0 * static_cast<double>(a) + required.dC1;
    // Count x's entries are those of the further count K - x.
    const std::int64_t top = K - xlo - second.kmin;
    continued.resize(static_cast<std::size_t>(xhi - xlo + 1));
    // Count x's entries run down from top: read from the last one's up, the loops run over
    // plain arrays.
    const std::size_t size = continued.size();
    const double* secondAql = second.atAql + (top - static_cast<std::int64_t>(size - 1));
    const double* secondLtpd = second.atLtpd + (top - static_cast<std::int64_t>(size - 1));
    for (std::size_t i = 0; i < size; ++i)
    {
        const std::size_t k = size - 1 - i;
        continued[i] =
            stageCost * atCost[i] - (l * atAql[i] * secondAql[k] - m * atLtpd[i] * secondLtpd[k]);
    }
    if (bMaximum)
    {
        const double* secondMaximum =
            second.atMaximum + (top - static_cast<std::int64_t>(size - 1));
        for (std::size_t i = 0; i < size; ++i)
            continued[i] += v * atMaximum[i] * secondMaximum[size - 1 - i];
    }
}

double DoublePlanCostBound::Bound(const RequirementPrices& prices, std::int64_t a, std::int64_t b)
{
    if (!bUsable)
        return -std::numeric_limits<double>::infinity();
    vdFillContinued(prices, a, b, continuedTerms);
    double least = 0.0;
    for (std::size_t i = 0; i < continuedTerms.size(); ++i)
        least += std::min({0.0, Accepted(prices, i), continuedTerms[i]});
    return Constant(prices) + least;
}

std::pair<std::int64_t, std::int64_t> DoublePlanCostBound::Piece(std::int64_t a, std::int64_t steps,
                                                                 std::int64_t hi)
{
    const int first = GridIndex(a);
    // Beyond the grid's last index GridSize stays at the largest size.
    const auto last = static_cast<int>(std::min<std::int64_t>(
        static_cast<std::int64_t>(first) + std::max<std::int64_t>(steps, 1) - 1,
        std::numeric_limits<int>::max()));
    return {std::min(hi, GridSize(first)), std::min(hi, GridSize(last))};
}

bool DoublePlanCostBound::Exceeds(const RequirementPrices& prices, std::int64_t lo,
                                  std::int64_t hi, double limit)
{
    if (!bUsable)
        return false;
    // Where the last range's bound was least, this one's is likely least too: when it does not
    // exceed the limit there, no piece about it will.
    if (lowestAt >= lo && lowestAt <= hi && !(Bound(prices, lowestAt, lowestAt) > limit))
        return false;
    // Pieces [a, b] from lo up, each as wide as its bound allows: twice the grid steps of the
    // last after a piece that holds, half after one that does not, but never less than one.
    std::int64_t a = lo;
    std::int64_t steps = 8;
    double lowest = std::numeric_limits<double>::infinity();
    for (int pieces = 0; a <= hi; ++pieces)
    {
        if (pieces == pieceBudget)
            return false;
        const auto [narrowest, b] = Piece(a, steps, hi);
        const double bound = Bound(prices, a, b);
        if (bound > limit)
        {
            if (bound < lowest)
            {
                lowest = bound;
                lowestAt = GridSize(GridIndex(a + (b - a) / 2));
            }
            steps = std::min(2 * steps, mostSteps);
            a = b + 1;
        }
        else if (b == narrowest)
        {
            lowestAt = b;
            return false;
        }
        else
            steps /= 2;
    }
    return true;
}

void DoublePlanCostBound::vdMarkDearerFirstAccepts(const RequirementPrices& prices,
                                                   std::int64_t lo, std::int64_t hi,
                                                   std::int64_t a1low, std::int64_t r1min,
                                                   double limit, std::vector<char>& dearer)
{
    std::fill(dearer.begin(), dearer.end(), 0);
    a1low = std::max<std::int64_t>(a1low, 0);
    if (!bUsable || lo > hi || a1low >= static_cast<std::int64_t>(dearer.size()))
        return;
    // The bound of the plans of one a1 with every r1 >= max(r1min, a1 + 2): the accepted terms
    // up to a1, less the continued ones up to a1, plus the least sum of continued ones up to any
    // r1 - 1 allowed (counts outside the window clamped to its ends, as in Bound).
    const auto size = static_cast<std::size_t>(xhi - xlo + 1);
    acceptedSums.resize(size + 1);
    acceptedSums[0] = 0.0;
    for (std::size_t i = 0; i < size; ++i)
        acceptedSums[i + 1] = acceptedSums[i] + Accepted(prices, i);
    const auto place = [&](std::int64_t count)
    { return static_cast<std::size_t>(std::clamp(count, xlo, xhi + 1) - xlo); };
    std::fill(dearer.begin() + a1low, dearer.end(), 1);
    auto open = static_cast<std::int64_t>(dearer.size()) - a1low;
    // Pieces of the range of second samples as in Exceeds, each bounding the a1 still open:
    // those whose bound does not exceed the limit on a piece of one grid step are open no longer,
    // and the next piece is of one step.
    std::int64_t a = lo;
    std::int64_t steps = 8;
    const double constant = Constant(prices);
    const std::size_t rejectedFrom = place(std::max(r1min, a1low + 2));
    for (int pieces = 0; a <= hi && open > 0; ++pieces)
    {
        if (pieces == pieceBudget)
        {
            std::fill(dearer.begin(), dearer.end(), 0);
            return;
        }
        const auto [narrowest, b] = Piece(a, steps, hi);
        vdFillContinued(prices, a, b, continuedTerms);
        continuedSums.resize(size + 1);
        continuedSums[0] = 0.0;
        for (std::size_t i = 0; i < size; ++i)
            continuedSums[i + 1] = continuedSums[i] + continuedTerms[i];
        // No a1 from a1low on rejects below `rejectedFrom`.
        leastAfter.resize(size + 1);
        leastAfter[size] = continuedSums[size];
        for (std::size_t i = size; i-- > rejectedFrom;)
            leastAfter[i] = std::min(leastAfter[i + 1], continuedSums[i]);
        const auto holds = [&](std::int64_t a1)
        {
            const std::size_t accepted = place(a1 + 1);
            const std::size_t rejected =
                std::max(accepted, place(std::max(r1min, a1 + 2)));
            return constant + acceptedSums[accepted] - continuedSums[accepted] +
                       leastAfter[rejected] >
                   limit;
        };
        // The a1 up to `shared` accept no count of the window and go on to r1min at least, so
        // that they share one bound: they are open or not together.
        const std::int64_t shared = std::min<std::int64_t>(
            std::min(xlo - 1, r1min - 2), static_cast<std::int64_t>(dearer.size()) - 1);
        const bool sharedHolds =
            shared < a1low || dearer[static_cast<std::size_t>(a1low)] == 0 || holds(shared);
        const auto first = static_cast<std::size_t>(std::max(a1low, shared + 1));
        bool all = sharedHolds;
        for (std::size_t a1 = first; a1 < dearer.size() && all; ++a1)
            all = dearer[a1] == 0 || holds(static_cast<std::int64_t>(a1));
        if (!all && b > narrowest)
        {
            steps /= 2;
            continue;
        }
        if (!all)
            for (auto a1 = static_cast<std::size_t>(sharedHolds ? first : a1low);
                 a1 < dearer.size(); ++a1)
                if (dearer[a1] != 0 &&
                    !(a1 < first ? sharedHolds : holds(static_cast<std::int64_t>(a1))))
                {
                    dearer[a1] = 0;
                    --open;
                }
        // Where some bound did not hold, the others are likely close to the limit too.
        steps = all ? std::min(2 * steps, mostSteps) : 1;
        a = b + 1;
    }
}

double DoublePlanCostBound::Estimate(const RequirementPrices& prices, std::int64_t lo,
                                     std::int64_t hi)
{
    // Golden sections over the grid: the bound falls and rises once in n2, or nearly so.
    double least = std::numeric_limits<double>::infinity();
    const auto at = [&](double position)
    {
        const std::int64_t n2 =
            std::clamp(GridSize(static_cast<int>(std::lround(position))), lo, hi);
        const double value = Bound(prices, n2, n2);
        least = std::min(least, value);
        return value;
    };
    constexpr double shrink = 0.6180339887498949;
    double left = GridIndex(lo);
    double right = GridIndex(hi);
    double inner = right - shrink * (right - left);
    double outer = left + shrink * (right - left);
    double atInner = at(inner);
    double atOuter = at(outer);
    while (right - left > 1.0)
    {
        if (atInner < atOuter)
        {
            right = outer;
            outer = inner;
            atOuter = atInner;
            inner = right - shrink * (right - left);
            atInner = at(inner);
        }
        else
        {
            left = inner;
            inner = outer;
            atInner = atOuter;
            outer = left + shrink * (right - left);
            atOuter = at(outer);
        }
    }
    at(left);
    at(right);
    return least;
}

RequirementPrices DoublePlanCostBound::FittedPrices(const RequirementPrices& start,
                                                    bool bCloseStart, std::int64_t lo,
                                                    std::int64_t hi)
{
    if (!bUsable)
        return {};
    // Nelder and Mead's simplex on the logarithms of the prices: the bound is concave in the
    // prices, so the highest found is near the highest there is.
    const int dimensions = bMaximum ? 3 : 2;
    using Point = std::array<double, 3>;
    const double scale = required.dC0 * static_cast<double>(largestFirst) + required.dC1;
    const auto logOf = [&](double price, double otherwise)
    { return std::log(price > 0.0 ? price : otherwise); };
    const Point origin = {logOf(start.dAql, 4.0 * scale), logOf(start.dLtpd, 4.0 * scale),
                          logOf(start.dMaximumAql, 0.01 * scale)};
    const auto pricesAt = [&](const Point& p)
    { return RequirementPrices{std::exp(p[0]), std::exp(p[1]), bMaximum ? std::exp(p[2]) : 0.0}; };
    // A value that is not a number (prices out of range) counts as the lowest.
    const auto value = [&](const Point& p)
    {
        const double estimate = Estimate(pricesAt(p), lo, hi);
        return std::isnan(estimate) ? -std::numeric_limits<double>::infinity() : estimate;
    };
    std::array<Point, 4> simplex = {origin, origin, origin, origin};
    std::array<double, 4> values = {};
    for (int d = 0; d <= dimensions; ++d)
    {
        if (d > 0)
            simplex[d][d - 1] += bCloseStart ? 0.2 : 1.0;
        values[d] = value(simplex[d]);
    }
    const auto along = [&](const Point& from, const Point& to, double share)
    {
        Point p = from;
        for (int d = 0; d < dimensions; ++d)
            p[d] = from[d] + share * (to[d] - from[d]);
        return p;
    };
    for (int step = 0; step < (bCloseStart ? 20 : 60) * dimensions; ++step)
    {
        std::array<int, 4> order = {0, 1, 2, 3};
        std::sort(order.begin(), order.begin() + dimensions + 1,
                  [&](int x, int y) { return values[x] > values[y]; });
        const int worst = order[dimensions];
        if (values[order[0]] - values[worst] <= 1e-6 * std::fabs(values[order[0]]))
            break;
        Point centre = {0.0, 0.0, 0.0};
        for (int o = 0; o < dimensions; ++o)
            for (int d = 0; d < dimensions; ++d)
                centre[d] += simplex[order[o]][d] / dimensions;
        const Point reflected = along(simplex[worst], centre, 2.0);
        const double atReflected = value(reflected);
        if (atReflected > values[order[0]])
        {
            const Point expanded = along(simplex[worst], centre, 3.0);
            const double atExpanded = value(expanded);
            simplex[worst] = atExpanded > atReflected ? expanded : reflected;
            values[worst] = std::max(atExpanded, atReflected);
        }
        else if (atReflected > values[order[dimensions - 1]])
        {
            simplex[worst] = reflected;
            values[worst] = atReflected;
        }
        else
        {
            const Point contracted = along(simplex[worst], centre, 0.5);
            const double atContracted = value(contracted);
            if (atContracted > values[worst])
            {
                simplex[worst] = contracted;
                values[worst] = atContracted;
            }
            else
                for (int o = 1; o <= dimensions; ++o)
                {
                    simplex[order[o]] = along(simplex[order[0]], simplex[order[o]], 0.5);
                    values[order[o]] = value(simplex[order[o]]);
                }
        }
    }
    const auto highest = std::max_element(values.begin(), values.begin() + dimensions + 1);
    return pricesAt(simplex[static_cast<std::size_t>(highest - values.begin())]);
}

} // namespace Brosquin
