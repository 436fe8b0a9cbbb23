#include "stats/DefectivesDouble.h"
#include "stats/DefectivesSingle.h"
#include "stats/DefectsPerQuantityDouble.h"
#include "stats/DefectsPerUnitDouble.h"
#include "stats/DefectsPerUnitSingle.h"
#include "stats/DiscreteDistributions.h"
#include "stats/DoubleDesignSearch.h"
#include "stats/DoublePlanCostBound.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <optional>
#include <stdexcept>
#include <thread>
#include <tuple>

namespace Brosquin
{
namespace
{

struct Plan
{
    int n1 = 0;
    int a1 = 0;
    int r1 = 0;
    int n2 = 0;
    int a2 = 0;
    bool operator==(const Plan&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Plan& plan)
{
    return out << "(" << plan.n1 << ", " << plan.a1 << ", " << plan.r1 << ", " << plan.n2 << ", "
               << plan.a2 << ")";
}

struct Requirements
{
    double aql;
    std::optional<double> maximumAql;
    double ltpd;
    double p0;
    double c0;
    double c1;
    double paAql = 0.95;
    double paLtpd = 0.10;
};

constexpr double paAql = 0.95;
constexpr double paLtpd = 0.10;

// A characteristic as its class sees it: evaluation functions, the single plan, and the rules
// of a valid double plan.
struct Characteristic
{
    bool defectives;
    double Pa(double level, const Plan& plan) const
    {
        return defectives ? DefectivesDoubleProbabilityAcceptance(level, plan.n1, plan.a1, plan.r1,
                                                                  plan.n2, plan.a2)
                          : DefectsPerUnitDoubleProbabilityAcceptance(level, plan.n1, plan.a1,
                                                                      plan.r1, plan.n2, plan.a2);
    }
    double Cost(const Requirements& required, const Plan& plan) const
    {
        const auto [n1, a1, r1, n2, a2] = plan;
        const double p0 = required.p0;
        return defectives
                   ? required.c0 * DefectivesDoubleAverageSampleNumber(p0, n1, a1, r1, n2, a2, 0) +
                         required.c1 * DefectivesDoubleExpectedStages(p0, n1, a1, r1, n2, a2)
                   : required.c0 *
                             DefectsPerUnitDoubleAverageSampleNumber(p0, n1, a1, r1, n2, a2, 0) +
                         required.c1 * DefectsPerUnitDoubleExpectedStages(p0, n1, a1, r1, n2, a2);
    }
    double FirstSample(std::int64_t x, int n1, double level) const
    {
        return defectives ? BinomialCumulative(x, n1, level) : PoissonCumulative(x, n1 * level);
    }
    Plan Single(const Requirements& required) const
    {
        Plan single;
        const auto& [aql, maximumAql, ltpd, p0, c0, c1, paAql, paLtpd] = required;
        if (defectives && maximumAql)
            DefectivesSingleDesignThreeLevels(aql, *maximumAql, ltpd, paAql, paLtpd, single.n1,
                                              single.a1);
        else if (defectives)
            DefectivesSingleDesignTwoLevels(aql, ltpd, paAql, paLtpd, single.n1, single.a1);
        else if (maximumAql)
            DefectsPerUnitSingleDesignThreeLevels(aql, *maximumAql, ltpd, paAql, paLtpd, single.n1,
                                                  single.a1);
        else
            DefectsPerUnitSingleDesignTwoLevels(aql, ltpd, paAql, paLtpd, single.n1, single.a1);
        return single;
    }
    Plan Design(const Requirements& required) const
    {
        Plan plan;
        const auto& [aql, maximumAql, ltpd, p0, c0, c1, paAql, paLtpd] = required;
        auto& [n1, a1, r1, n2, a2] = plan;
        if (defectives && maximumAql)
            DefectivesDoubleDesignThreeLevels(aql, *maximumAql, ltpd, paAql, paLtpd, p0, c0, c1, n1,
                                              a1, r1, n2, a2, 0);
        else if (defectives)
            DefectivesDoubleDesignTwoLevels(aql, ltpd, paAql, paLtpd, p0, c0, c1, n1, a1, r1, n2,
                                            a2, 0);
        else if (maximumAql)
            DefectsPerUnitDoubleDesignThreeLevels(aql, *maximumAql, ltpd, paAql, paLtpd, p0, c0, c1,
                                                  n1, a1, r1, n2, a2, 0);
        else
            DefectsPerUnitDoubleDesignTwoLevels(aql, ltpd, paAql, paLtpd, p0, c0, c1, n1, a1, r1,
                                                n2, a2, 0);
        return plan;
    }
};

// Every valid double plan with n1 below the single plan's n (or from first to last), by brute
// force: for each (n1, a1, r1, a2) the smallest n2 meeting the upper levels is the cheapest. Only
// necessary conditions and lower bounds on the cost cut the enumeration short.
Plan ExhaustiveDesign(const Characteristic& model, const Requirements& required, int first = 0,
                      int last = 0)
{
    const Plan single = model.Single(required);
    const double singleAsn =
        model.defectives
            ? DefectivesSingleAverageSampleNumber(required.p0, single.n1, single.a1, 0)
            : DefectsPerUnitSingleAverageSampleNumber(required.p0, single.n1, single.a1, 0);
    double best = required.c0 * singleAsn + required.c1;
    Plan result = {single.n1, single.a1, 0, 0, 0};
    const auto meetsUpperLevels = [&](const Plan& plan)
    {
        return model.Pa(required.ltpd, plan) <= required.paLtpd &&
               (!required.maximumAql || model.Pa(*required.maximumAql, plan) < required.paAql);
    };
    const double highest = std::max({required.aql, required.ltpd, required.p0});
    for (int n1 = std::max(first, model.defectives ? 2 : 1); n1 < (last > 0 ? last + 1 : single.n1);
         ++n1)
        for (int a1 = 0; model.FirstSample(a1, n1, required.ltpd) < required.paLtpd; ++a1)
            for (int r1 = a1 + 2; !model.defectives || r1 <= n1; ++r1)
            {
                // Pa(AQL) stays below B(r1 - 1; n1, AQL).
                if (model.FirstSample(r1 - 1, n1, required.aql) <= required.paAql)
                    continue;
                const double goOn = model.FirstSample(r1 - 1, n1, required.p0) -
                                    model.FirstSample(a1, n1, required.p0);
                const int fewestSecond = model.defectives ? r1 - a1 - 1 : 1;
                if (required.c0 * (n1 + fewestSecond * goOn) + required.c1 * (1 + goOn) >= best)
                    break;
                // Defects: reject numbers no count reaches change nothing.
                if (!model.defectives && r1 > a1 + 2 &&
                    model.FirstSample(r1 - 2, n1, highest) == 1.0)
                    break;
                for (int a2 = r1 - 1;; ++a2)
                {
                    Plan plan = {n1, a1, r1, std::max(fewestSecond, model.defectives ? a2 - a1 : 1),
                                 a2};
                    // Pa at the upper levels falls as n2 grows: double, then bisect.
                    int failing = plan.n2 - 1;
                    while (!meetsUpperLevels(plan))
                    {
                        failing = plan.n2;
                        plan.n2 *= 2;
                    }
                    for (int meeting = plan.n2; meeting - failing > 1;)
                    {
                        plan.n2 = failing + (meeting - failing) / 2;
                        (meetsUpperLevels(plan) ? meeting : failing) = plan.n2;
                        plan.n2 = meeting;
                    }
                    const double cost = model.Cost(required, plan);
                    if (cost >= best)
                        break;
                    if (model.Pa(required.aql, plan) >= required.paAql)
                    {
                        best = cost;
                        result = plan;
                        break;
                    }
                }
            }
    return result;
}

TEST(DoubleDesignTest, KnownDesigns)
{
    const Characteristic defectives = {true};
    const Characteristic defects = {false};
    const Requirements asn = {0.01, std::nullopt, 0.05, 0.01, 1.0, 0.0};
    Plan plan = defectives.Design(asn);
    EXPECT_EQ(plan, (Plan{60, 0, 4, 82, 3}));
    EXPECT_NEAR(defectives.Cost(asn, plan), 96.877042, 5e-7);
    EXPECT_EQ(defectives.Design({0.01, std::nullopt, 0.05, 0.03, 1.0, 0.0}),
              (Plan{93, 1, 4, 45, 3}));
    const Requirements cost = {0.01, std::nullopt, 0.05, 0.01, 1.0, 20.0};
    plan = defectives.Design(cost);
    EXPECT_EQ(plan, (Plan{87, 1, 4, 57, 3}));
    EXPECT_NEAR(defectives.Cost(cost, plan), 122.76801, 5e-6);
    plan = defects.Design(asn);
    EXPECT_EQ(plan, (Plan{81, 1, 4, 121, 4}));
    EXPECT_NEAR(defects.Cost(asn, plan), 103.425937, 5e-7);
}

TEST(DoubleDesignTest, DesignsAreTheCheapestOfAllValidPlans)
{
    for (bool defectives : {true, false})
        for (const auto& [aql, ltpd] : {std::array{0.02, 0.1}, std::array{0.05, 0.16}})
            for (const std::optional<double> maximumAql :
                 {std::optional<double>(), std::optional(1.01 * aql)})
                for (const auto& [p0, c1] : {std::array{aql, 0.0}, std::array{ltpd, 20.0}})
                {
                    const Characteristic model = {defectives};
                    const Requirements required = {aql, maximumAql, ltpd, p0, 1.0, c1};
                    SCOPED_TRACE(testing::Message()
                                 << defectives << " " << aql << " " << ltpd << " "
                                 << maximumAql.value_or(0) << " " << p0 << " " << c1);
                    EXPECT_EQ(model.Design(required), ExhaustiveDesign(model, required));
                }
}

TEST(DoubleDesignTest, DesignsAreTheCheapestWhereCostsTieOrProbabilitiesDiffer)
{
    // At p0 = 0 no lot goes on to a second sample, so all plans of one n1 cost the same and the
    // first in the order of the search is the design; far above the LTPD nearly every lot is
    // rejected at once. Levels in defects per unit above one, other probabilities.
    for (bool defectives : {true, false})
        for (const auto& [aql, ltpd, paAql, paLtpd] :
             {std::array{0.03, 0.12, 0.99, 0.05}, std::array{0.04, 0.13, 0.90, 0.01}})
            for (const auto& [p0, c1] : {std::array{0.0, 0.0}, std::array{2.0 * ltpd, 1000.0}})
            {
                const double scale = defectives ? 1.0 : 30.0;
                const Characteristic model = {defectives};
                const Requirements required = {scale * aql, std::nullopt, scale * ltpd, scale * p0,
                                               1.0,         c1,           paAql,        paLtpd};
                SCOPED_TRACE(testing::Message() << defectives << " " << scale * aql << " "
                                                << scale * ltpd << " " << p0 << " " << c1);
                EXPECT_EQ(model.Design(required), ExhaustiveDesign(model, required));
            }
}

TEST(DoubleDesignTest, DesignsBeyondTheLtpdAreTheCheapestOfAllValidPlans)
{
    // Beyond the LTPD the first counts up to a small first accept number have next to no chance
    // at any level, so that the plans of one reject number and of neighbouring small a1 differ by
    // very little: of those a plan of a1 cannot beat, a smaller a1 may still have the cheapest.
    // LTPD three times the AQL, p0 beyond it.
    struct Case
    {
        bool defectives;
        double aql;
        double paAql;
        double p0;
        double c1;
    };
    for (const auto& [defectives, aql, paAql, p0, c1] :
         {Case{true, 0.08, 0.95, 0.3192, 20.0}, Case{true, 0.1, 0.99, 0.399, 20.0},
          Case{false, 0.05, 0.95, 0.1995, 100.0}, Case{false, 0.08, 0.99, 0.48, 20.0}})
    {
        const Characteristic model = {defectives};
        const Requirements required = {aql, std::nullopt, 3.0 * aql, p0, 1.0, c1, paAql, paLtpd};
        SCOPED_TRACE(testing::Message() << defectives << " " << aql << " " << paAql << " " << p0);
        EXPECT_EQ(model.Design(required), ExhaustiveDesign(model, required));
    }
}

TEST(DoubleDesignTest, CloseLevelsGetTheCheapestPlanOrTheBestFoundWhenStopped)
{
    // Plans that a search ending after a fixed amount of work missed (for defects per unit it found
    // one of ASN 185.51359786784923), with their ASN at the AQL and Pa from mpmath (binomial and
    // Poisson sums at 40 digits).
    const Characteristic defects = {false};
    const Requirements perUnit = {1.0, std::nullopt, 1.2, 1.0, 1.0, 0.0};
    Plan plan = defects.Design(perUnit);
    EXPECT_EQ(plan, (Plan{106, 110, 134, 172, 304}));
    EXPECT_NEAR(defects.Cost(perUnit, plan), 161.28025930670725, 1e-10);
    const Characteristic defectives = {true};
    const Requirements fractions = {0.02, std::nullopt, 0.025, 0.02, 1.0, 0.0};
    plan = defectives.Design(fractions);
    EXPECT_EQ(plan, (Plan{3482, 73, 93, 5354, 197}));
    EXPECT_NEAR(defectives.Cost(fractions, plan), 5146.1078571963882, 1e-8);
    EXPECT_NEAR(defectives.Pa(0.02, plan), 0.95003868139874234, 1e-12);
    EXPECT_NEAR(defectives.Pa(0.025, plan), 0.099995714417675349, 1e-12);
    // Stopped through its progress: at once, the single plan (7510, 170) and no claim that no
    // double plan is better; later, the best plan by then, which meets the requirements and
    // beats the single plan.
    const auto stopped = [&](int reports)
    {
        int reported = 0;
        DoubleDesignRequirements required = {0.02, std::nullopt, 0.025, paAql, paLtpd,
                                             0.02, 1.0,          0.0,   0};
        required.progress = [&](double fraction)
        {
            EXPECT_GE(fraction, 0.0);
            EXPECT_LE(fraction, 1.0);
            return ++reported <= reports;
        };
        EXPECT_FALSE(vdDesignDoublePlan(BinomialDoublePlanModel(), required, plan.n1, plan.a1,
                                        plan.r1, plan.n2, plan.a2));
        EXPECT_EQ(reported, reports + 1);
    };
    stopped(0);
    EXPECT_EQ(plan, (Plan{7510, 170, 0, 0, 0}));
    stopped(200);
    ASSERT_GT(plan.n2, 0);
    EXPECT_GE(defectives.Pa(0.02, plan), paAql);
    EXPECT_LE(defectives.Pa(0.025, plan), paLtpd);
    EXPECT_LT(defectives.Cost(fractions, plan), 7510.0);
}

TEST(DoubleDesignTest, TheSearchersReportOnTheCallingThreadAndStopWhenAReportThrows)
{
    // The search shares its first samples among threads, but a progress window lives on the
    // calling thread: every report comes there, and the plan is the same however many searchers
    // share the sweep. A report that throws once the sweep has begun ends the design with that
    // exception, the other searchers stopped and waited for.
    const auto caller = std::this_thread::get_id();
    for (const auto& [searchers, throwing] :
         {std::pair{1, false}, std::pair{2, false}, std::pair{16, false}, std::pair{0, true}})
    {
        bool elsewhere = false;
        DoubleDesignRequirements required = {0.02, std::nullopt, 0.025, paAql, paLtpd,
                                             0.02, 1.0,          0.0,   0};
        required.searchers = searchers;
        required.progress = [&](double fraction)
        {
            elsewhere = elsewhere || std::this_thread::get_id() != caller;
            if (throwing && fraction > 0.0)
                throw std::runtime_error("stopped");
            return true;
        };
        Plan plan;
        const auto design = [&]
        {
            return vdDesignDoublePlan(BinomialDoublePlanModel(), required, plan.n1, plan.a1,
                                      plan.r1, plan.n2, plan.a2);
        };
        if (throwing)
            EXPECT_THROW(design(), std::runtime_error);
        else
        {
            EXPECT_TRUE(design());
            EXPECT_EQ(plan, (Plan{3482, 73, 93, 5354, 197})) << searchers;
        }
        EXPECT_FALSE(elsewhere);
    }
}

TEST(DoubleDesignTest, WhereNoDoublePlanCanCostLessTheAnswerComesAtOnce)
{
    // With C0 = 0 every double plan costs C1 E{#Stages} >= C1, the single plan's cost, and at
    // p0 = 0 exactly that: no bound prunes such plans, and searching them took from seconds
    // (1 % and 2 %) to over ten minutes (2 and 2.1 defects per unit). Under curtailing too.
    for (const auto& [defectives, aql, ltpd] :
         {std::tuple{false, 2.0, 2.1}, std::tuple{false, 0.5, 0.6}, std::tuple{true, 0.01, 0.02}})
        for (const auto& [p0, method] :
             {std::pair{0.0, std::uint8_t{0}}, std::pair{aql, std::uint8_t{1}}})
        {
            const Characteristic model = {defectives};
            const Plan single = model.Single({aql, std::nullopt, ltpd, p0, 0.0, 1.0});
            ASSERT_GT(single.a1, 0);
            DoubleDesignRequirements required = {aql, std::nullopt, ltpd, paAql, paLtpd,
                                                 p0,  0.0,          1.0,  method};
            required.progress = [](double) { return true; };
            Plan plan;
            EXPECT_TRUE(vdDesignDoublePlan(defectives ? BinomialDoublePlanModel()
                                                      : PoissonDoublePlanModel(),
                                           required, plan.n1, plan.a1, plan.r1, plan.n2, plan.a2));
            EXPECT_EQ(plan, (Plan{single.n1, single.a1, 0, 0, 0})) << aql << " " << p0;
        }
}

TEST(DoubleDesignTest, TheMaximumAqlKeepsPaStrictlyBelowPaAql)
{
    // The plan designed with a maximum AQL of 0.0202 accepts with exactly PaAQL at a level
    // between the AQL and 0.0202 (bisection, then the neighbouring doubles): with that level as
    // the maximum AQL it no longer qualifies.
    const Characteristic defectives = {true};
    Requirements required = {0.02, 0.0202, 0.1, 0.02, 1.0, 0.0};
    const Plan first = defectives.Design(required);
    double level = required.aql;
    for (double above = *required.maximumAql; std::nextafter(level, 1.0) < above;)
    {
        const double middle = level + (above - level) / 2;
        (defectives.Pa(middle, first) >= paAql ? level : above) = middle;
    }
    for (int step = 0; step < 1000 && defectives.Pa(level, first) != paAql; ++step)
        level = std::nextafter(level, 0.0);
    ASSERT_EQ(defectives.Pa(level, first), paAql);
    required.maximumAql = level;
    const Plan plan = defectives.Design(required);
    EXPECT_NE(plan, first);
    EXPECT_LT(defectives.Pa(level, plan), paAql);
    EXPECT_EQ(plan, ExhaustiveDesign(defectives, required));
}

// The cost bound of the plans of a range of first samples is never above the cheapest of them,
// whatever the prices, over pieces of second samples and all of them; with prices fitted to the
// range it comes within a few percent of it.
TEST(DoubleDesignTest, TheCostBoundStaysBelowTheCheapestPlanOfItsFirstSamples)
{
    for (const auto& [defectives, maximumAql] :
         {std::pair{true, std::optional<double>()}, std::pair{true, std::optional(0.021)},
          std::pair{false, std::optional<double>()}})
        {
            const Characteristic model = {defectives};
            const Requirements required = {0.02, maximumAql, 0.05, 0.035, 1.0, 20.0};
            const DoublePlanModel& planModel =
                defectives ? BinomialDoublePlanModel() : PoissonDoublePlanModel();
            const DoubleDesignRequirements requirements = {
                0.02, maximumAql, 0.05, paAql, paLtpd, 0.035, 1.0, 20.0, 0};
            DoublePlanCostBound bound(planModel, requirements);
            ASSERT_TRUE(bound.Usable());
            for (const auto& [first, last] : {std::array{120, 120}, std::array{80, 95}})
            {
                SCOPED_TRACE(testing::Message() << defectives << " " << maximumAql.value_or(0)
                                                << " " << first << " " << last);
                const Plan cheapest = ExhaustiveDesign(model, required, first, last);
                ASSERT_GT(cheapest.n2, 0);
                const double cost = model.Cost(required, cheapest);
                // The units of the cheapest plan beyond the largest first sample.
                const int beyond = cheapest.n1 + cheapest.n2 - last;
                bound.vdStartFirstSamples(first, last);
                const RequirementPrices fitted = bound.FittedPrices({}, false, 1, 4 * last);
                for (const RequirementPrices& prices :
                     {fitted, RequirementPrices{}, RequirementPrices{1e5, 2e3, 50.0}})
                {
                    bound.vdStartFirstSamples(first, last);
                    EXPECT_LE(bound.Bound(prices, beyond, beyond), cost);
                    EXPECT_LE(bound.Bound(prices, std::max(beyond - 100, 0), beyond), cost);
                    EXPECT_LE(bound.Bound(prices, beyond, beyond + 100), cost);
                    EXPECT_FALSE(bound.Exceeds(prices, 0, 1 << 30, cost * (1 + 1e-9)));
                }
                // Short of the plan's cost by the randomised plans' gain and the first
                // samples' range.
                EXPECT_GT(bound.Bound(fitted, beyond, beyond), 0.95 * cost - (last - first));
                // No first accept number of a plan of a single first sample is marked dearer than
                // it is.
                if (first == last)
                {
                    std::vector<char> dearer(static_cast<std::size_t>(cheapest.a1) + 8, 0);
                    bound.vdMarkDearerFirstAccepts(fitted, 1, 1 << 30, 0, cheapest.r1,
                                                   cost * (1 + 1e-9), dearer);
                    EXPECT_EQ(dearer[static_cast<std::size_t>(cheapest.a1)], 0);
                }
            }
        }
}

TEST(DoubleDesignTest, WhereNoDoublePlanIsCheaper)
{
    // The single plan (22, 0) already meets 0.1 % and 10 %: no smaller first sample can.
    int n1 = -1, a1 = -1, r1 = -1, n2 = -1, a2 = -1;
    DefectivesDoubleDesignTwoLevels(0.001, 0.1, paAql, paLtpd, 0.001, 1.0, 0.0, n1, a1, r1, n2, a2,
                                    0);
    EXPECT_EQ((Plan{n1, a1, r1, n2, a2}), (Plan{22, 0, 0, 0, 0}));
    // A stage costs more than the units a second sample could save.
    DefectsPerUnitDoubleDesignTwoLevels(0.01, 0.05, paAql, paLtpd, 0.01, 1.0, 1000.0, n1, a1, r1,
                                        n2, a2, 0);
    EXPECT_EQ(n2, 0);
    // Levels in the wrong order have no plan at all.
    DefectivesDoubleDesignThreeLevels(0.05, 0.06, 0.01, paAql, paLtpd, 0.01, 1.0, 0.0, n1, a1, r1,
                                      n2, a2, 0);
    EXPECT_EQ((Plan{n1, a1, r1, n2, a2}), Plan{});
}

TEST(DoubleDesignTest, DefectsPerQuantityInAnyUnit)
{
    struct Amounts
    {
        double s1 = 0.0;
        int a1 = 0, r1 = 0;
        double s2 = 0.0;
        int a2 = 0;
    };
    const auto design = [](double aql, double ltpd, double c0 = 1.0, double c1 = 0.0)
    {
        Amounts plan;
        EXPECT_TRUE(DefectsPerQuantityDoubleDesignTwoLevels(
            aql, ltpd, paAql, paLtpd, aql, c0, c1, plan.s1, plan.a1, plan.r1, plan.s2, plan.a2, 0));
        return plan;
    };
    // 0.5 and 0.6 per unit of quantity: ASN 321.7345318877061 at 0.5, Pa 0.95003867918241568 and
    // 0.0999986205227212 (mpmath, Poisson sums at 40 digits), below the 322.0526672321054 of a
    // plan in whole units, (219, 114, 142, 332, 301), and the single plan's 468.111129461623.
    const Amounts close = design(0.5, 0.6);
    EXPECT_EQ((std::array{close.a1, close.r1, close.a2}), (std::array{110, 136, 303}));
    EXPECT_NEAR(close.s1, 211.833333333333, 1e-9);
    EXPECT_NEAR(close.s2, 342.833333333333, 1e-9);
    // The same requirement per unit, per thousandth and per ten million units gives the same plan.
    const Amounts plan = design(0.5, 2.0);
    for (double scale : {1e-3, 1e7})
    {
        const Amounts scaled = design(0.5 * scale, 2.0 * scale);
        EXPECT_EQ((std::array{scaled.a1, scaled.r1, scaled.a2}),
                  (std::array{plan.a1, plan.r1, plan.a2}));
        EXPECT_NEAR(scaled.s1 * scale, plan.s1, 1e-14 * plan.s1);
        EXPECT_NEAR(scaled.s2 * scale, plan.s2, 1e-14 * plan.s2);
        EXPECT_GE(DefectsPerQuantityDoubleProbabilityAcceptance(0.5 * scale, scaled.s1, scaled.a1,
                                                                scaled.r1, scaled.s2, scaled.a2),
                  paAql);
        EXPECT_LE(DefectsPerQuantityDoubleProbabilityAcceptance(2.0 * scale, scaled.s1, scaled.a1,
                                                                scaled.r1, scaled.s2, scaled.a2),
                  paLtpd);
    }
    // A cost per stage weighs stages against the amount inspected, in the units of the amount:
    // the design's cost is no more than that of the plan least in amount.
    const auto cost = [](const Amounts& p)
    {
        return 2.0 * DefectsPerQuantityDoubleAverageSampleNumber(0.5, p.s1, p.a1, p.r1, p.s2, p.a2,
                                                                 0) +
               3.0 * DefectsPerQuantityDoubleExpectedStages(0.5, p.s1, p.a1, p.r1, p.s2, p.a2);
    };
    const Amounts weighed = design(0.5, 2.0, 2.0, 3.0);
    ASSERT_GT(weighed.s2, 0.0);
    EXPECT_LE(cost(weighed), cost(plan));
}

} // namespace
} // namespace Brosquin
