#pragma once

#include "stats/DoubleDesignSearch.h"

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

// Lower bounds on the cost C0 (n1 + n2 G) + C1 (1 + G), G = P(a second sample is taken) at p0,
// of the double plans that meet the protection requirements, for every first sample n1 in a
// range [c, d] at once, from the Lagrangian relaxation of the requirements.
//
// For prices (multipliers) l, m, v >= 0 every plan meeting Pa(AQL) >= PaAQL, Pa(LTPD) <= PaLTPD
// and Pa(maximum AQL) < PaAQL costs at least
//     cost - l (Pa(AQL) - PaAQL) + m (Pa(LTPD) - PaLTPD) + v (Pa(maximum AQL) - PaAQL),
// since each added term is at most 0. A plan whose first sample n1 is at most d is a rule, drawn
// by chance, on the count x of the first d units: given x, the count of the first n1 of them does
// not depend on the quality level (the count is sufficient). Its second sample of n2 units adds
// n2' = n1 + n2 - d units to those d, and its cost is at least C0 (c + n2' G) + C1 (1 + G). So
// the sum above is at least C0 c + C1 + l PaAQL - m PaLTPD - v PaAQL plus, for each count x of
// the d units, the least of what accepting it adds (-l bA(x) + m bL(x) + v bM(x)), rejecting it
// (0) and going on (C0 n2' + C1) b0(x) less the most that any test of the n2' further units can
// gain; bq are the point probabilities of x at the levels. The least of that sum over n2' in a
// range bounds every plan of the range. With prices fitted near the best ones it comes within a
// few units of the cheapest plan of a first sample, so that most first samples need no search.

namespace Brosquin
{

// The multipliers of Pa(AQL) >= PaAQL, Pa(LTPD) <= PaLTPD and Pa(maximum AQL) < PaAQL.
struct RequirementPrices
{
    double dAql = 0.0;
    double dLtpd = 0.0;
    double dMaximumAql = 0.0;
};

class DoublePlanCostBound
{
public:
    DoublePlanCostBound(const DoublePlanModel& model, const DoubleDesignRequirements& required);

    // Whether the levels let the relaxation bound anything: 0 < AQL < LTPD within the model's
    // levels. Without it no plan is ever shown dearer than a limit.
    bool Usable() const { return bUsable; }

    // The range of first samples whose plans the bounds are of.
    void vdStartFirstSamples(std::int64_t smallest, std::int64_t largest);

    // A lower bound on the cost of every plan of the range that meets the requirements and whose
    // first and second samples together exceed the range's largest first sample by a to b units.
    double Bound(const RequirementPrices& prices, std::int64_t a, std::int64_t b);
    // Whether every such plan with lo to hi units beyond the largest first sample costs more than
    // limit; false when the bounds over a limited number of pieces of that range do not show it.
    bool Exceeds(const RequirementPrices& prices, std::int64_t lo, std::int64_t hi, double limit);
    // For a range of one first sample: sets the entries of dearer (indexed by a1, from 0 to
    // a1max) of the first accept numbers from a1low on whose plans with a reject number from
    // r1min on and lo to hi second sample units all cost more than limit, as far as bounds at
    // the grid's spacing show it.
    void vdMarkDearerFirstAccepts(const RequirementPrices& prices, std::int64_t lo,
                                  std::int64_t hi, std::int64_t a1low, std::int64_t r1min,
                                  double limit, std::vector<char>& dearer);
    // The prices near start that make the bound over lo to hi the highest that a short search
    // finds; any prices give valid bounds, and these give tight ones for this range and its
    // neighbours. Prices fitted to a neighbouring range make a close start, and a shorter
    // search.
    RequirementPrices FittedPrices(const RequirementPrices& start, bool bCloseStart,
                                   std::int64_t lo, std::int64_t hi);
    // About the least of Bound(prices, n, n) over n from lo to hi: a guide, not a bound.
    double Estimate(const RequirementPrices& prices, std::int64_t lo, std::int64_t hi);

private:
    // The further sample sizes whose gains are kept: every size up to gridStep, then sizes a
    // quarter of a per cent apart. GridIndex is that of the first at or above n.
    static std::int64_t GridSize(int index);
    static int GridIndex(std::int64_t n);
    // A piece [a, b] of the range of further units up to hi: from a to the steps-th grid size
    // at or above a, but never beyond hi; with the end of one step.
    static std::pair<std::int64_t, std::int64_t> Piece(std::int64_t a, std::int64_t steps,
                                                       std::int64_t hi);
    // Cumulative probabilities of the counts of a further sample at each level, for count of
    // the counts from kmin on, in a store of three rows of that many numbers.
    struct SecondRows
    {
        std::int64_t size = -1; // of the further sample
        std::int64_t kmin = 0;
        std::int64_t count = 0;
        const double* atAql = nullptr;
        const double* atLtpd = nullptr;
        const double* atMaximum = nullptr;
    };
    // The rows of further sample size b with the counts from kmin to kmax: kept for the
    // neighbouring ranges and prices where b is a grid size, else worked out afresh.
    const SecondRows& RowsOf(std::int64_t b, std::int64_t kmin, std::int64_t kmax);
    void vdFillRows(std::int64_t b, std::int64_t kmin, std::int64_t count, double* store,
                    SecondRows& row) const;
    // The terms of going on from each count of the window, for a to b further units, and the
    // part of the bound that is the same for every count.
    void vdFillContinued(const RequirementPrices& prices, std::int64_t a, std::int64_t b,
                         std::vector<double>& continued);
    double Constant(const RequirementPrices& prices) const;
    double Accepted(const RequirementPrices& prices, std::size_t i) const;
    // Point probabilities of the counts of the first sample at a level, for the window.
    void vdFillPoints(double level, std::vector<double>& out) const;
    // The largest total count of n units accepted by the relaxation's further tests: up to it the
    // weighed chance at the AQL outweighs those at the upper levels.
    std::int64_t LargestGainfulTotal(const RequirementPrices& prices, std::int64_t n) const;

    const DoublePlanModel& model;
    const DoubleDesignRequirements& required;
    bool bUsable;
    bool bMaximum; // whether the maximum AQL takes part
    LikelihoodSlope slopeLtpd = {};
    LikelihoodSlope slopeMaximum = {};
    // The range, the counts [xlo, xhi] of its largest first sample whose terms are summed, the
    // chance at the AQL of counts outside them, and the point probabilities at each level.
    std::int64_t smallestFirst = 0;
    std::int64_t largestFirst = 0;
    std::int64_t xlo = 0;
    std::int64_t xhi = -1;
    double outside = 0.0;
    std::vector<double> atAql, atLtpd, atMaximum, atCost;
    // The kept rows, by grid index, a few far apart sharing a place; each place has three rows of
    // rowLength numbers in rowStore.
    std::vector<SecondRows> rows;
    std::unique_ptr<double[]> rowStore;
    std::size_t rowLength = 0;
    std::int64_t rowMargin = 0; // the counts each kept row reaches beyond those asked
    SecondRows offGrid;
    std::vector<double> offGridStore;
    std::vector<double> continuedTerms, acceptedSums, continuedSums, leastAfter;
    // Where the last range's bound was least, from which the next is tried first.
    std::int64_t lowestAt = -1;
};

} // namespace Brosquin
