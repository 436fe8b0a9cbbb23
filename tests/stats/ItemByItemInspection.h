#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

// An independent model of inspection in stages, in long double, for checking the closed forms:
// units of defective-unit plans are inspected one by one, stopping where the method of
// curtailing allows; defects are followed one by one along the inspected material.

namespace Brosquin
{

struct InspectedLot
{
    enum Kind
    {
        binomial,       // defective units, lots of any size: each unit defective with chance p
        hypergeometric, // defective units, D of a lot of N
        poisson,        // defects at rate p per unit of material
        defectsInLot,   // T defects spread evenly over a lot of amount N
    };
    Kind kind;
    long double p = 0;
    std::int64_t count = 0; // D or T
    long double size = 0;   // N
};

struct InspectedStage
{
    long double n; // units or amount
    std::int64_t a;
    std::int64_t r;
    bool curtailAcceptance;
    bool curtailRejection;
};

struct InspectionOutcome
{
    long double pa = 0;
    long double asn = 0;
    long double stages = 0;
};

namespace itemByItem
{

// P(X = j) for j = 0 .. the largest count with any chance, by recurrence from the lower end.
inline std::vector<long double> BinomialPoints(std::int64_t trials, long double q)
{
    std::vector<long double> points(static_cast<std::size_t>(trials) + 1, 0.0L);
    if (q >= 1.0L)
    {
        points.back() = 1.0L;
        return points;
    }
    points[0] = std::pow(1.0L - q, static_cast<long double>(trials));
    for (std::int64_t j = 1; j <= trials; ++j)
        points[j] = points[j - 1] * (trials - j + 1) / j * q / (1.0L - q);
    return points;
}

inline std::vector<long double> PoissonPoints(long double mean)
{
    std::vector<long double> points = {std::exp(-mean)};
    for (std::int64_t j = 1; j < mean + 40 || points.back() > 1e-40L; ++j)
        points.push_back(points.back() * mean / j);
    return points;
}

inline long double UpperSum(const std::vector<long double>& points, std::size_t from)
{
    long double sum = 0;
    for (std::size_t j = points.size(); j-- > from;)
        sum += points[j];
    return sum;
}

} // namespace itemByItem

// Walks a lot through the stages from count 0.
inline InspectionOutcome InspectItemByItem(const InspectedLot& lot,
                                           const std::vector<InspectedStage>& stages)
{
    using namespace itemByItem;
    InspectionOutcome outcome;
    std::vector<long double> going = {1.0L}; // by count
    long double before = 0;
    for (const InspectedStage& stage : stages)
    {
        std::vector<long double> next;
        const auto goOn = [&](std::int64_t y, long double probability)
        {
            if (next.size() <= static_cast<std::size_t>(y))
                next.resize(static_cast<std::size_t>(y) + 1, 0.0L);
            next[y] += probability;
        };
        for (std::int64_t x = 0; x < static_cast<std::int64_t>(going.size()); ++x)
        {
            const long double fx = going[x];
            if (fx == 0.0L)
                continue;
            outcome.stages += fx;
            if (lot.kind == InspectedLot::binomial || lot.kind == InspectedLot::hypergeometric)
            {
                const auto n = static_cast<std::int64_t>(stage.n);
                // state[d]: chance of d defectives among the units inspected so far, still going.
                std::vector<long double> state = {fx};
                for (std::int64_t k = 0; k < n; ++k)
                {
                    std::vector<long double> after(state.size() + 1, 0.0L);
                    for (std::int64_t d = 0; d < static_cast<std::int64_t>(state.size()); ++d)
                    {
                        const long double chance = state[d];
                        if (chance == 0.0L)
                            continue;
                        if (stage.curtailRejection && x + d >= stage.r)
                            continue;
                        if (stage.curtailAcceptance && x + d + (n - k) <= stage.a)
                        {
                            outcome.pa += chance;
                            continue;
                        }
                        outcome.asn += chance;
                        const long double defective =
                            lot.kind == InspectedLot::binomial
                                ? lot.p
                                : (lot.count - x - d) / (lot.size - before - k);
                        after[d + 1] += chance * defective;
                        after[d] += chance * (1.0L - defective);
                    }
                    state = after;
                }
                for (std::int64_t d = 0; d < static_cast<std::int64_t>(state.size()); ++d)
                {
                    if (x + d <= stage.a)
                        outcome.pa += state[d];
                    else if (x + d < stage.r)
                        goOn(x + d, state[d]);
                }
                continue;
            }
            // Defects: the count of the stage, and the material inspected until the j-th defect
            // (or to the end): the integral over the stage of P(fewer than j defects so far),
            // one term per number of defects already found.
            const bool inLot = lot.kind == InspectedLot::defectsInLot;
            const std::int64_t left = lot.count - x;
            const long double rest = lot.size - before;
            const std::vector<long double> points =
                inLot ? BinomialPoints(left, stage.n / rest) : PoissonPoints(stage.n * lot.p);
            for (std::int64_t j = 0; j < static_cast<std::int64_t>(points.size()); ++j)
            {
                if (x + j <= stage.a)
                    outcome.pa += fx * points[j];
                else if (x + j < stage.r)
                    goOn(x + j, fx * points[j]);
            }
            long double units = stage.n;
            if (stage.curtailRejection)
            {
                units = 0;
                const std::vector<long double> wider =
                    inLot ? BinomialPoints(left + 1, stage.n / rest) : points;
                // Beyond the counts with any chance the terms vanish.
                const auto terms = std::min<std::int64_t>(
                    stage.r - x, static_cast<std::int64_t>(wider.size()));
                for (std::int64_t i = 0; i < terms; ++i)
                {
                    if (inLot)
                        units += rest / (left + 1) * UpperSum(wider, i + 1);
                    else if (lot.p == 0.0L)
                        units += i == 0 ? stage.n : 0.0L;
                    else
                        units += UpperSum(points, i + 1) / lot.p;
                }
            }
            outcome.asn += fx * units;
        }
        going = next;
        before += stage.n;
    }
    return outcome;
}

} // namespace Brosquin
