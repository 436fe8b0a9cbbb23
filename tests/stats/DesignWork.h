#pragma once

#include "stats/SingleDesignSearch.h"

#include <cstdint>

namespace Brosquin
{

// The probabilities of acceptance a design may evaluate, whatever its levels and probabilities:
// the scan's limit, and the doubling and bisection of accept numbers and sample sizes besides.
inline constexpr long designEvaluationBound = singleDesignScanLimit + (1 << 14);

struct DesignWork
{
    long evaluations;
    int n;
    int c;
};

// Runs the shared design search on a characteristic's model with its probability counted; a
// maximum AQL of 0 asks for the design from two levels.
inline DesignWork WorkOfDesign(const SinglePlanModel& model, double aql, double maximumAql,
                               double ltpd, double paAql, double paLtpd)
{
    static SinglePlanProbability probability;
    static long evaluations;
    probability = model.pa;
    evaluations = 0;
    SinglePlanModel counted = model;
    counted.pa = [](std::int64_t c, std::int64_t n, double q)
    {
        ++evaluations;
        return probability(c, n, q);
    };
    DesignWork work{0, -1, -1};
    if (maximumAql > 0)
        DesignSinglePlanThreeLevels(counted, aql, maximumAql, ltpd, paAql, paLtpd, work.n, work.c);
    else
        DesignSinglePlanTwoLevels(counted, aql, ltpd, paAql, paLtpd, work.n, work.c);
    work.evaluations = evaluations;
    return work;
}

} // namespace Brosquin
