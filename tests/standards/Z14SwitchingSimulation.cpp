#include "tests/standards/Z14SwitchingSimulation.h"

#include "plans/SamplingPlan.h"
#include "standards/Z14LimitNumbers.h"
#include "standards/Z14Tables.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <deque>
#include <limits>
#include <random>

namespace Brosquin
{
namespace
{

constexpr int batches = 100;

// One lot's inspection: whether it was accepted, and whether with no more than the table's last
// accept number (which keeps reduced inspection on), the units inspected and the nonconforming
// units (or nonconformities) found in all of them.
struct Lot
{
    bool accepted = false;
    bool staysReduced = false;
    std::int64_t units = 0;
    std::int64_t found = 0;
};

// Inspects lots stage by stage with a plan of the tables, drawing every sample afresh.
class Inspector
{
public:
    Inspector(const Z14Plan& plan, bool defectives, double level)
        : plan(plan), defectives(defectives), binomial(plan.n, defectives ? level : 0.0),
          poisson(defectives ? 1.0 : plan.n * level)
    {
    }

    Lot Inspect(std::mt19937_64& random)
    {
        Lot lot;
        for (int stage = 0; stage < plan.Stages(); ++stage)
        {
            lot.found += defectives ? binomial(random) : poisson(random);
            lot.units += plan.n;
            if (lot.found <= plan.accept[stage])
            {
                lot.accepted = true;
                break;
            }
            if (lot.found >= plan.reject[stage])
                break;
        }
        lot.staysReduced = lot.accepted && lot.found <= plan.stayAccept;
        return lot;
    }

private:
    Z14Plan plan;
    bool defectives;
    std::binomial_distribution<std::int64_t> binomial;
    std::poisson_distribution<std::int64_t> poisson;
};

// Whether the accepted normal lots in a row (newest last) meet the limit number: the preceding
// 10 lots, or more until their units reach a row of the table with a number. Lots older than
// those counted go, since a later lot never needs more of them.
bool MeetsLimit(std::deque<Lot>& run, std::uint32_t aqlPosition)
{
    std::int64_t units = 0;
    std::int64_t found = 0;
    for (std::size_t lots = 1; lots <= run.size(); ++lots)
    {
        const Lot& lot = run[run.size() - lots];
        units += lot.units;
        found += lot.found;
        if (lots < 10)
            continue;
        const auto total = static_cast<std::uint32_t>(
            std::min<std::int64_t>(units, std::numeric_limits<std::uint32_t>::max()));
        const std::int32_t limit = Z14LimitNumber(aqlPosition, total);
        if (limit == -1)
            continue;
        run.erase(run.begin(), run.end() - static_cast<std::ptrdiff_t>(lots));
        return limit >= 0 && found <= limit;
    }
    return false;
}

SimulatedValue Summary(const std::array<double, batches>& means)
{
    double sum = 0;
    for (double mean : means)
        sum += mean;
    const double value = sum / batches;
    double squares = 0;
    for (double mean : means)
        squares += (mean - value) * (mean - value);
    return {value, std::sqrt(squares / (batches - 1) / batches)};
}

} // namespace

SimulatedSwitching SimulateZ14Switching(std::uint8_t characteristic, std::uint32_t aqlPosition,
                                        std::uint32_t letter, std::uint32_t planType, double level,
                                        std::int64_t lots, std::uint64_t seed)
{
    enum Regime
    {
        Normal,
        Tightened,
        Reduced
    };
    const bool defectives = characteristic == SamplingPlan::DefectiveUnits;
    std::array<Inspector, 3> inspectors = {
        Inspector(Z14PlanInEffect(aqlPosition, letter, planType, Z14Regime::Normal), defectives,
                  level),
        Inspector(Z14PlanInEffect(aqlPosition, letter, planType, Z14Regime::Tightened), defectives,
                  level),
        Inspector(Z14PlanInEffect(aqlPosition, letter, planType, Z14Regime::Reduced), defectives,
                  level)};
    std::mt19937_64 random(seed);

    Regime regime = Normal;
    std::deque<Lot> run;
    std::deque<bool> recentRejections;
    int tightenedRun = 0;
    const auto enter = [&](Regime next)
    {
        regime = next;
        run.clear();
        recentRejections.clear();
        tightenedRun = 0;
    };

    std::array<std::array<double, batches>, 5> means{};
    const std::int64_t perBatch = lots / batches;
    for (int batch = 0; batch < batches; ++batch)
    {
        std::array<std::int64_t, 3> inRegime{};
        std::int64_t accepted = 0;
        std::int64_t units = 0;
        for (std::int64_t i = 0; i < perBatch; ++i)
        {
            ++inRegime[regime];
            const Lot lot = inspectors[regime].Inspect(random);
            accepted += lot.accepted;
            units += lot.units;
            switch (regime)
            {
            case Normal:
                recentRejections.push_back(!lot.accepted);
                if (recentRejections.size() > 5)
                    recentRejections.pop_front();
                if (!lot.accepted)
                {
                    run.clear();
                    if (std::count(recentRejections.begin(), recentRejections.end(), true) >= 2)
                        enter(Tightened);
                    break;
                }
                run.push_back(lot);
                if (MeetsLimit(run, aqlPosition))
                    enter(Reduced);
                break;
            case Tightened:
                tightenedRun = lot.accepted ? tightenedRun + 1 : 0;
                if (tightenedRun == 5)
                    enter(Normal);
                break;
            case Reduced:
                if (!lot.staysReduced)
                    enter(Normal);
                break;
            }
        }
        const double count = static_cast<double>(perBatch);
        means[0][batch] = inRegime[Reduced] / count;
        means[1][batch] = inRegime[Normal] / count;
        means[2][batch] = inRegime[Tightened] / count;
        means[3][batch] = accepted / count;
        means[4][batch] = units / count;
    }
    return {Summary(means[0]), Summary(means[1]), Summary(means[2]), Summary(means[3]),
            Summary(means[4])};
}

} // namespace Brosquin
