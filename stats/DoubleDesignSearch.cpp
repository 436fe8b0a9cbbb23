#include "stats/DoubleDesignSearch.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace Brosquin
{

namespace
{

// The largest count a plan keeps (the statistics add one to sample sizes).
constexpr std::int64_t largestCount = 2147483646;
// Second accept numbers stay below this.
constexpr std::int64_t largestSecondAccept = 100000;
// The most steps a design takes (each step one evaluation of a plan or of a bound, or one pass
// of a loop): where the single plan needs accept numbers in the hundreds and samples in the
// tens of thousands, the search ends there with the best plan found so far.
constexpr std::int64_t largestWork = std::int64_t{1} << 22;

// The first k >= from where `holds` fails, for a condition that holds up to some k and fails
// from there on: steps that double, then bisection.
template <class Condition> std::int64_t FirstFailing(std::int64_t from, Condition holds)
{
    if (!holds(from))
        return from;
    std::int64_t holding = from;
    std::int64_t failing = from + 1;
    for (std::int64_t step = 1; holds(failing); step *= 2)
    {
        holding = failing;
        failing = holding + step;
    }
    while (failing - holding > 1)
    {
        const std::int64_t middle = holding + (failing - holding) / 2;
        (holds(middle) ? holding : failing) = middle;
    }
    return failing;
}

struct DoublePlanNumbers
{
    int n1;
    int a1;
    int r1;
    int n2;
    int a2;
};

// Point probabilities of the first sample's count at one quality level, computed as the search
// reaches them.
class FirstSamplePoints
{
public:
    FirstSamplePoints(const DoublePlanModel& model, double level) : model(model), level(level) {}

    void vdStartSample(std::int64_t n)
    {
        size = n;
        points.clear();
    }
    double At(std::int64_t x)
    {
        while (static_cast<std::int64_t>(points.size()) <= x)
            points.push_back(model.point(static_cast<std::int64_t>(points.size()), size, level));
        return points[static_cast<std::size_t>(x)];
    }
    double Cumulative(std::int64_t x) const { return model.cumulative(x, size, level); }
    double Level() const { return level; }

private:
    const DoublePlanModel& model;
    double level;
    std::int64_t size = 0;
    std::vector<double> points;
};

class DoubleDesign
{
public:
    DoubleDesign(const DoublePlanModel& model, const DoubleDesignRequirements& requirements)
        : model(model), required(requirements), atAql(model, requirements.dAql),
          atLtpd(model, requirements.dLtpd),
          atMaximumAql(model, requirements.maximumAql.value_or(0.0))
    {
    }

    DoublePlanNumbers Run();

private:
    bool HasMaximumAql() const { return required.maximumAql.has_value(); }
    double Cost(const DoublePlanNumbers& plan);
    bool MeetsRequirements(const DoublePlanNumbers& plan) const;
    // Whether a first accept number a leaves Pa at the upper levels able to meet their targets.
    bool AllowsFirstAccept(std::int64_t a);
    bool Exhausted() const { return work >= largestWork; }
    void vdSearchFirstAcceptNumber(int n1, int a1);
    // Pa of the plan at the level of `points`, from the first sample's probabilities.
    double PaFromFirstSample(FirstSamplePoints& points, double accepted, int a1, std::int64_t r1,
                             std::int64_t n2, std::int64_t a2) const;
    // The smallest n2 above `failing` that keeps Pa at the upper levels within their targets,
    // searched from a guess; 0 when no n2 up to the largest count does.
    std::int64_t SmallestSecondSample(int a1, std::int64_t r1, std::int64_t a2,
                                      std::int64_t failing, std::int64_t guess);

    const DoublePlanModel& model;
    const DoubleDesignRequirements& required;
    FirstSamplePoints atAql;
    FirstSamplePoints atLtpd;
    FirstSamplePoints atMaximumAql;
    // B(a1; n1) at the three levels for the first accept number being searched.
    double acceptedAtAql = 0.0;
    double acceptedAtLtpd = 0.0;
    double acceptedAtMaximumAql = 0.0;
    std::int64_t r1min = 1;
    double best = 0.0;
    DoublePlanNumbers result = {};
    // Indexed by a2: whether it may still give a plan for the current (n1, a1), and the last
    // second sample size found for it.
    std::vector<char> open;
    std::vector<std::int64_t> secondSample;
    // The second sample size found for (a1, r1, a2) with the last first sample: the next first
    // sample's is near it.
    std::unordered_map<std::int64_t, std::int64_t> previousSecondSample;
    std::int64_t work = 0;
};

double DoubleDesign::Cost(const DoublePlanNumbers& plan)
{
    ++work;
    return required.dC0 * model.asn(required.dP0, plan.n1, plan.a1, plan.r1, plan.n2, plan.a2,
                                    required.method) +
           required.dC1 *
               model.expectedStages(required.dP0, plan.n1, plan.a1, plan.r1, plan.n2, plan.a2);
}

bool DoubleDesign::MeetsRequirements(const DoublePlanNumbers& plan) const
{
    const auto pa = [&](double level)
    { return model.pa(level, plan.n1, plan.a1, plan.r1, plan.n2, plan.a2); };
    return pa(required.dAql) >= required.dPaAql && pa(required.dLtpd) <= required.dPaLtpd &&
           (!HasMaximumAql() || pa(*required.maximumAql) <= required.dPaAql);
}

bool DoubleDesign::AllowsFirstAccept(std::int64_t a)
{
    ++work;
    return atLtpd.Cumulative(a) < required.dPaLtpd &&
           (!HasMaximumAql() || atMaximumAql.Cumulative(a) < required.dPaAql);
}

DoublePlanNumbers DoubleDesign::Run()
{
    int n = 0;
    int c = 0;
    if (HasMaximumAql())
        model.singleThreeLevels(required.dAql, *required.maximumAql, required.dLtpd,
                                required.dPaAql, required.dPaLtpd, n, c);
    else
        model.singleTwoLevels(required.dAql, required.dLtpd, required.dPaAql, required.dPaLtpd, n,
                              c);
    result = {n, c, 0, 0, 0};
    // With c = 0 no smaller first sample meets the LTPD requirement.
    if (n == 0 || c == 0 || (model.bCountsWithinSample ? c == n - 1 : n == 1))
        return result;
    best = required.dC0 * model.singleAsn(required.dP0, n, c, required.method) + required.dC1;
    std::int64_t a1max = -1;
    r1min = 1;
    for (int n1 = model.bCountsWithinSample ? 2 : 1; n1 < n && !Exhausted(); ++n1, ++work)
    {
        for (FirstSamplePoints* points : {&atAql, &atLtpd, &atMaximumAql})
            points->vdStartSample(n1);
        // Both bounds only grow with n1.
        a1max = FirstFailing(a1max + 1, [&](std::int64_t a) { return AllowsFirstAccept(a); }) - 1;
        r1min = FirstFailing(r1min,
                             [&](std::int64_t r)
                             {
                                 ++work;
                                 return atAql.Cumulative(r - 1) <= required.dPaAql;
                             });
        // Second accept numbers, at least r1 - 1, stay below their limit.
        if (r1min > largestSecondAccept)
            break;
        if (a1max < 0 || (model.bCountsWithinSample && r1min > n1))
            continue;
        const std::int64_t highestA1 = std::min(a1max, largestSecondAccept);
        // No plan of this n1 costs less than the one with the widest first-stage continuation
        // and the smallest second sample that the bounds allow.
        const std::int64_t n2 =
            model.bCountsWithinSample ? std::max<std::int64_t>(r1min - highestA1 - 1, 1) : 1;
        if (!(Cost({n1, static_cast<int>(highestA1), static_cast<int>(r1min), static_cast<int>(n2),
                    static_cast<int>(r1min - 1)}) < best))
            continue;
        for (std::int64_t a1 = 0; a1 <= highestA1 && !Exhausted(); ++a1, ++work)
            vdSearchFirstAcceptNumber(n1, static_cast<int>(a1));
    }
    return result;
}

double DoubleDesign::PaFromFirstSample(FirstSamplePoints& points, double accepted, int a1,
                                       std::int64_t r1, std::int64_t n2, std::int64_t a2) const
{
    // The second sample's cumulatives at a2 - x, from the smallest up, each adding a point
    // probability got from the one before.
    const double level = points.Level();
    std::int64_t k = a2 - r1 + 1;
    double cumulative = model.cumulative(k, n2, level);
    double point = 0.0;
    double pa = accepted;
    for (std::int64_t x = r1 - 1; x > a1; --x, ++k)
    {
        if (x < r1 - 1)
        {
            point = point > 0.0 ? point * model.pointRatio(k - 1, n2, level)
                                : model.point(k, n2, level);
            cumulative += point;
        }
        pa += points.At(x) * cumulative;
    }
    return pa;
}

std::int64_t DoubleDesign::SmallestSecondSample(int a1, std::int64_t r1, std::int64_t a2,
                                                std::int64_t failing, std::int64_t guess)
{
    const auto fails = [&](std::int64_t n2)
    {
        ++work;
        return PaFromFirstSample(atLtpd, acceptedAtLtpd, a1, r1, n2, a2) > required.dPaLtpd ||
               (HasMaximumAql() && PaFromFirstSample(atMaximumAql, acceptedAtMaximumAql, a1, r1, n2,
                                                     a2) > required.dPaAql);
    };
    // Steps that double away from the guess bracket the answer, which bisection then finds.
    std::int64_t meeting = 0;
    if (guess > failing && guess <= largestCount && !fails(guess))
    {
        meeting = guess;
        for (std::int64_t step = 1; meeting - step > failing; step *= 2)
        {
            if (fails(meeting - step))
            {
                failing = meeting - step;
                break;
            }
            meeting -= step;
        }
    }
    else
    {
        failing = std::clamp(guess, failing, largestCount);
        for (std::int64_t step = 1;; step *= 2)
        {
            if (failing == largestCount)
                return 0;
            const std::int64_t candidate = std::min(failing + step, largestCount);
            if (!fails(candidate))
            {
                meeting = candidate;
                break;
            }
            failing = candidate;
        }
    }
    while (meeting - failing > 1)
    {
        const std::int64_t middle = failing + (meeting - failing) / 2;
        (fails(middle) ? failing : meeting) = middle;
    }
    return meeting;
}

void DoubleDesign::vdSearchFirstAcceptNumber(int n1, int a1)
{
    acceptedAtAql = atAql.Cumulative(a1);
    acceptedAtLtpd = atLtpd.Cumulative(a1);
    acceptedAtMaximumAql = HasMaximumAql() ? atMaximumAql.Cumulative(a1) : 0.0;
    std::int64_t limit = largestSecondAccept;
    open.clear();
    secondSample.clear();
    for (std::int64_t r1 = std::max<std::int64_t>(r1min, a1 + 2);; ++r1)
    {
        if (model.bCountsWithinSample && r1 > n1)
            return;
        bool progress = false;
        for (std::int64_t a2 = r1 - 1; a2 < limit && !Exhausted(); ++a2)
        {
            const auto index = static_cast<std::size_t>(a2);
            if (index >= open.size())
            {
                open.resize(std::max({2 * open.size(), index + 1, std::size_t{500}}), 1);
                secondSample.resize(open.size(), 0);
            }
            if (open[index] == 0)
                continue;
            const std::int64_t lowest = model.bCountsWithinSample ? r1 - a1 - 1 : 1;
            // r1 - 1 <= a2 < largestSecondAccept, and a1 < r1.
            std::int64_t& previous =
                previousSecondSample[(a1 * largestSecondAccept + r1) * largestSecondAccept + a2];
            const std::int64_t n2 = SmallestSecondSample(
                a1, r1, a2, std::max(lowest, secondSample[index]) - 1, previous);
            previous = n2;
            if (n2 == 0)
            {
                open[index] = 0;
                continue;
            }
            secondSample[index] = n2;
            const DoublePlanNumbers plan = {
                n1, a1, static_cast<int>(r1),
                static_cast<int>(model.bCountsWithinSample ? std::max(n2, a2 - a1) : n2),
                static_cast<int>(a2)};
            // Larger second accept numbers, here and for larger r1, need second samples at
            // least as large and cost at least as much.
            const double cost = Cost(plan);
            if (!(cost < best)) // a cost that is not a number never wins either
            {
                limit = a2;
                break;
            }
            const double paAql = PaFromFirstSample(atAql, acceptedAtAql, a1, r1, plan.n2, a2);
            if (paAql >= required.dPaAql && MeetsRequirements(plan))
            {
                limit = a2;
                best = cost;
                result = plan;
                break;
            }
            // What a larger r1 could add to Pa at the AQL, second samples accepting at once.
            const std::int64_t highest =
                model.bCountsWithinSample ? std::min<std::int64_t>(a2, n1 - 1) : a2;
            if (paAql + atAql.Cumulative(highest) - atAql.Cumulative(r1 - 1) >= required.dPaAql)
                progress = true;
            else
                open[index] = 0;
        }
        if (!progress || r1 >= limit)
            return;
    }
}

} // namespace

void vdDesignDoublePlan(const DoublePlanModel& model, const DoubleDesignRequirements& requirements,
                        int& n1, int& a1, int& r1, int& n2, int& a2)
{
    const DoublePlanNumbers plan = DoubleDesign(model, requirements).Run();
    n1 = plan.n1;
    a1 = plan.a1;
    r1 = plan.r1;
    n2 = plan.n2;
    a2 = plan.a2;
}

} // namespace Brosquin
