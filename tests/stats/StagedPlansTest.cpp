#include "stats/DefectivesDouble.h"
#include "stats/DefectivesMultiple.h"
#include "stats/DefectsPerQuantityDouble.h"
#include "stats/DefectsPerQuantityMultiple.h"
#include "stats/DefectsPerUnitDouble.h"
#include "stats/DefectsPerUnitMultiple.h"
#include "stats/StagedConditionals.h"
#include "tests/stats/Accuracy.h"
#include "tests/stats/ItemByItemInspection.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <vector>

namespace Brosquin
{
namespace
{

constexpr double tolerance = 1e-12;

#define EXPECT_ACCURATE(computed, reference)                                                       \
    EXPECT_LE(RelativeError(computed, reference), tolerance) << (computed) << " vs " << (reference)

TEST(StagedPlansTest, PublishedAndHighPrecisionValues)
{
    // mpmath at 40 digits (StagedPlanReferences.py); the curtailed ASNs by its model of
    // inspection unit by unit.
    EXPECT_ACCURATE(DefectivesDoubleProbabilityAcceptance(0.02, 50, 1, 4, 100, 4),
                    0.885966523808011468L);
    EXPECT_ACCURATE(DefectivesDoubleExpectedStages(0.02, 50, 1, 4, 100, 4), 1.24647052484030205L);
    const long double curtailed[] = {
        74.6470524840302054L, 70.3774115658872086L, 74.1656395032391116L, 70.8588245466783024L,
        70.9367755552569524L, 74.5372412176137208L, 71.0465868216734369L};
    for (std::uint8_t method = 0; method < 7; ++method)
        EXPECT_ACCURATE(DefectivesDoubleAverageSampleNumber(0.02, 50, 1, 4, 100, 4, method),
                        curtailed[method]);
    EXPECT_ACCURATE(DefectivesDoubleProbabilityAcceptanceFiniteLot(20, 50, 1, 4, 100, 4, 1000),
                    0.89726120733227152L);
    EXPECT_ACCURATE(DefectivesDoubleAverageSampleNumberFiniteLot(20, 50, 1, 4, 100, 4, 1000, 1),
                    71.1553252237253051L);
    // The NIST/SEMATECH e-Handbook's example (6.2.4): n1 50, c1 2, r1 7, n2 100, c2 6 at 6 %.
    EXPECT_ACCURATE(DefectivesDoubleProbabilityAcceptance(0.06, 50, 2, 7, 100, 6),
                    0.460747491273055819L);
    EXPECT_ACCURATE(DefectivesDoubleAverageSampleNumber(0.06, 50, 2, 7, 100, 6, 0),
                    105.48294335383239L);
    const int n[] = {50, 50, 50, 50, 50, 50, 50};
    const int a[] = {0, 1, 3, 5, 7, 10, 13};
    const int r[] = {4, 6, 8, 10, 11, 12, 14};
    EXPECT_ACCURATE(DefectivesMultipleProbabilityAcceptance(0.02, 7, n, a, r),
                    0.957219292567371488L);
    EXPECT_ACCURATE(DefectivesMultipleAverageSampleNumber(0.02, 7, n, a, r, 0),
                    128.015577536582449L);
    EXPECT_ACCURATE(DefectivesMultipleExpectedStages(0.02, 7, n, a, r), 2.56031155073164898L);
    const int n3[] = {20, 20, 20};
    const int a3[] = {-1, 1, 3};
    const int r3[] = {2, 3, 4};
    EXPECT_ACCURATE(DefectivesMultipleProbabilityAcceptance(0.05, 3, n3, a3, r3),
                    0.553615176756072868L);
    EXPECT_ACCURATE(DefectivesMultipleAverageSampleNumber(0.05, 3, n3, a3, r3, 0),
                    38.9174648685950571L);
    EXPECT_ACCURATE(DefectivesMultipleAverageSampleNumber(0.05, 3, n3, a3, r3, 1),
                    35.5732213389373195L);
    EXPECT_ACCURATE(DefectivesMultipleAverageSampleNumberFiniteLot(5, 3, n3, a3, r3, 100, 1),
                    36.9186473800704287L);
    EXPECT_ACCURATE(DefectsPerUnitDoubleProbabilityAcceptance(0.1, 5, 0, 2, 5, 1),
                    std::exp(-0.5L) + std::exp(-1.0L) / 2);
}

enum class Family
{
    defectives,
    defectsPerUnit,
    defectsPerQuantity,
};

// A plan of any class with a lot model, a quality level and a method of curtailing.
struct AnyPlan
{
    Family family;
    bool isDouble;
    std::vector<double> n;
    std::vector<int> a;
    std::vector<int> r;
    bool finite;
    double level;
    int count;  // D or T
    double lot; // N or L
    std::uint8_t method;
};

struct Evaluations
{
    double pa;
    double asn;
    double stages;
};

// The stage arrays as the functions take them: sizes in units n or amounts s.
struct PlanArrays
{
    explicit PlanArrays(const AnyPlan& plan)
        : k(static_cast<int>(plan.n.size())), sizes(plan.n.begin(), plan.n.end()), n(sizes.data()),
          s(plan.n.data()), a(plan.a.data()), r(plan.r.data())
    {
    }
    int k;
    std::vector<int> sizes;
    const int* n;
    const double* s;
    const int* a;
    const int* r;
};

Evaluations Evaluate(const AnyPlan& plan)
{
    const PlanArrays arrays(plan);
    const auto& [k, sizes, n, s, a, r] = arrays;
    const double p = plan.level;
    const int D = plan.count;
    const int N = static_cast<int>(plan.lot);
    const double L = plan.lot;
    const std::uint8_t m = plan.method;
    if (plan.isDouble)
        switch (plan.family)
        {
        case Family::defectives:
            if (plan.finite)
                return {
                    DefectivesDoubleProbabilityAcceptanceFiniteLot(D, n[0], a[0], r[0], n[1], a[1],
                                                                   N),
                    DefectivesDoubleAverageSampleNumberFiniteLot(D, n[0], a[0], r[0], n[1], a[1], N,
                                                                 m),
                    DefectivesDoubleExpectedStagesFiniteLot(D, n[0], a[0], r[0], n[1], a[1], N)};
            return {DefectivesDoubleProbabilityAcceptance(p, n[0], a[0], r[0], n[1], a[1]),
                    DefectivesDoubleAverageSampleNumber(p, n[0], a[0], r[0], n[1], a[1], m),
                    DefectivesDoubleExpectedStages(p, n[0], a[0], r[0], n[1], a[1])};
        case Family::defectsPerUnit:
            if (plan.finite)
                return {DefectsPerUnitDoubleProbabilityAcceptanceFiniteLot(D, n[0], a[0], r[0],
                                                                           n[1], a[1], N),
                        DefectsPerUnitDoubleAverageSampleNumberFiniteLot(D, n[0], a[0], r[0], n[1],
                                                                         a[1], N, m),
                        DefectsPerUnitDoubleExpectedStagesFiniteLot(D, n[0], a[0], r[0], n[1], a[1],
                                                                    N)};
            return {DefectsPerUnitDoubleProbabilityAcceptance(p, n[0], a[0], r[0], n[1], a[1]),
                    DefectsPerUnitDoubleAverageSampleNumber(p, n[0], a[0], r[0], n[1], a[1], m),
                    DefectsPerUnitDoubleExpectedStages(p, n[0], a[0], r[0], n[1], a[1])};
        case Family::defectsPerQuantity:
            if (plan.finite)
                return {DefectsPerQuantityDoubleProbabilityAcceptanceFiniteLot(D, s[0], a[0], r[0],
                                                                               s[1], a[1], L),
                        DefectsPerQuantityDoubleAverageSampleNumberFiniteLot(D, s[0], a[0], r[0],
                                                                             s[1], a[1], L, m),
                        DefectsPerQuantityDoubleExpectedStagesFiniteLot(D, s[0], a[0], r[0], s[1],
                                                                        a[1], L)};
            return {DefectsPerQuantityDoubleProbabilityAcceptance(p, s[0], a[0], r[0], s[1], a[1]),
                    DefectsPerQuantityDoubleAverageSampleNumber(p, s[0], a[0], r[0], s[1], a[1], m),
                    DefectsPerQuantityDoubleExpectedStages(p, s[0], a[0], r[0], s[1], a[1])};
        }
    switch (plan.family)
    {
    case Family::defectives:
        if (plan.finite)
            return {DefectivesMultipleProbabilityAcceptanceFiniteLot(D, k, n, a, r, N),
                    DefectivesMultipleAverageSampleNumberFiniteLot(D, k, n, a, r, N, m),
                    DefectivesMultipleExpectedStagesFiniteLot(D, k, n, a, r, N)};
        return {DefectivesMultipleProbabilityAcceptance(p, k, n, a, r),
                DefectivesMultipleAverageSampleNumber(p, k, n, a, r, m),
                DefectivesMultipleExpectedStages(p, k, n, a, r)};
    case Family::defectsPerUnit:
        if (plan.finite)
            return {DefectsPerUnitMultipleProbabilityAcceptanceFiniteLot(D, k, n, a, r, N),
                    DefectsPerUnitMultipleAverageSampleNumberFiniteLot(D, k, n, a, r, N, m),
                    DefectsPerUnitMultipleExpectedStagesFiniteLot(D, k, n, a, r, N)};
        return {DefectsPerUnitMultipleProbabilityAcceptance(p, k, n, a, r),
                DefectsPerUnitMultipleAverageSampleNumber(p, k, n, a, r, m),
                DefectsPerUnitMultipleExpectedStages(p, k, n, a, r)};
    case Family::defectsPerQuantity:
        if (plan.finite)
            return {DefectsPerQuantityMultipleProbabilityAcceptanceFiniteLot(D, k, s, a, r, L),
                    DefectsPerQuantityMultipleAverageSampleNumberFiniteLot(D, k, s, a, r, L, m),
                    DefectsPerQuantityMultipleExpectedStagesFiniteLot(D, k, s, a, r, L)};
        return {DefectsPerQuantityMultipleProbabilityAcceptance(p, k, s, a, r),
                DefectsPerQuantityMultipleAverageSampleNumber(p, k, s, a, r, m),
                DefectsPerQuantityMultipleExpectedStages(p, k, s, a, r)};
    }
    return {};
}

// The methods' lists, read as (acceptance, rejection) curtailed at the first and later stages.
InspectionOutcome InspectAnyPlan(const AnyPlan& plan)
{
    bool first[2] = {false, false};
    bool later[2] = {false, false};
    if (plan.family == Family::defectives)
    {
        const int code = plan.method > 6 ? 1 : plan.method;
        const bool acceptance = code == 1 || code == 2 || code == 4 || code == 5;
        const bool rejection = code == 1 || code == 3 || code == 4 || code == 6;
        first[0] = acceptance && code < 4;
        first[1] = rejection && code < 4;
        later[0] = acceptance;
        later[1] = rejection;
    }
    else
    {
        later[1] = plan.method != 0;
        first[1] = plan.isDouble ? plan.method == 1 : plan.method != 0 && plan.method != 2;
    }
    InspectedLot lot = {InspectedLot::binomial, plan.level, plan.count, plan.lot};
    if (plan.family == Family::defectives)
        lot.kind = plan.finite ? InspectedLot::hypergeometric : InspectedLot::binomial;
    else
        lot.kind = plan.finite ? InspectedLot::defectsInLot : InspectedLot::poisson;
    std::vector<InspectedStage> stages;
    for (std::size_t i = 0; i < plan.n.size(); ++i)
    {
        const bool* curtail = i == 0 ? first : later;
        stages.push_back({plan.n[i], plan.a[i], plan.r[i], curtail[0], curtail[1]});
    }
    return InspectItemByItem(lot, stages);
}

// A multiple plan's conditional chances of going on, as its plan class prepares them (null where
// that does not pay).
std::unique_ptr<StagedConditionals> PrepareChances(const AnyPlan& plan)
{
    const PlanArrays arrays(plan);
    switch (plan.family)
    {
    case Family::defectives:
        return PrepareDefectivesConditionals(arrays.k, arrays.n, arrays.a, arrays.r);
    case Family::defectsPerUnit:
        return PrepareDefectsConditionals(arrays.k, arrays.n, arrays.a, arrays.r);
    case Family::defectsPerQuantity:
        return PrepareDefectsConditionals(arrays.k, arrays.s, arrays.a, arrays.r);
    }
    return nullptr;
}

// A multiple plan evaluated in one pass over its stages: the measures wanted, from its chances
// of going on where they are given, else stage by stage.
Evaluations EvaluateInOnePass(const AnyPlan& plan, StagedMeasure wanted,
                              const StagedConditionals* chances)
{
    const PlanArrays arrays(plan);
    const auto& [k, sizes, n, s, a, r] = arrays;
    const std::uint8_t m = plan.method;
    const auto evaluate = [&](auto anyLot, auto givenLot, const auto* sizes, auto lot)
    {
        return plan.finite ? givenLot(plan.count, k, sizes, a, r, lot, m, wanted, chances)
                           : anyLot(plan.level, k, sizes, a, r, m, wanted, chances);
    };
    const int N = static_cast<int>(plan.lot);
    StagedMeasures measures = {};
    switch (plan.family)
    {
    case Family::defectives:
        measures = evaluate(DefectivesMultipleMeasures, DefectivesMultipleMeasuresFiniteLot, n, N);
        break;
    case Family::defectsPerUnit:
        measures =
            evaluate(DefectsPerUnitMultipleMeasures, DefectsPerUnitMultipleMeasuresFiniteLot, n, N);
        break;
    case Family::defectsPerQuantity:
        measures = evaluate(DefectsPerQuantityMultipleMeasures,
                            DefectsPerQuantityMultipleMeasuresFiniteLot, s, plan.lot);
        break;
    }
    return {measures.dProbabilityAcceptance, measures.dAverageSampleNumber,
            measures.dExpectedStages};
}

// A multiple plan evaluated as its plan class does: the measures wanted in one pass, with its
// conditional chances of going on prepared (where that pays).
Evaluations EvaluatePrepared(const AnyPlan& plan, StagedMeasure wanted)
{
    return EvaluateInOnePass(plan, wanted, PrepareChances(plan).get());
}

void ExpectAsInspectedItemByItem(const AnyPlan& plan)
{
    const InspectionOutcome reference = InspectAnyPlan(plan);
    std::vector<std::pair<const char*, Evaluations>> ways = {{"a stage at a time", Evaluate(plan)}};
    if (!plan.isDouble)
        ways.emplace_back("prepared", EvaluatePrepared(plan, StagedMeasure::averageSampleNumber));
    for (const auto& [way, computed] : ways)
    {
        EXPECT_ACCURATE(computed.pa, reference.pa) << way;
        EXPECT_ACCURATE(computed.asn, reference.asn) << way;
        EXPECT_ACCURATE(computed.stages, reference.stages) << way;
    }
    if (!plan.isDouble)
    {
        EXPECT_ACCURATE(EvaluatePrepared(plan, StagedMeasure::probabilityAcceptance).pa,
                        reference.pa)
            << "prepared, Pa alone";
    }
}

// Valid plans of every class (the plan classes' rules), small enough to inspect item by item.
AnyPlan RandomPlan(std::mt19937& random, int trial)
{
    const auto uniform = [&](int lo, int hi)
    { return std::uniform_int_distribution<int>(lo, hi)(random); };
    const auto real = [&](double lo, double hi)
    { return std::uniform_real_distribution<double>(lo, hi)(random); };
    AnyPlan plan = {};
    plan.family = static_cast<Family>(trial % 3);
    plan.isDouble = trial / 3 % 2 == 0;
    plan.finite = trial / 6 % 2 == 1;
    const bool defectives = plan.family == Family::defectives;
    const bool amounts = plan.family == Family::defectsPerQuantity;
    const int k = plan.isDouble ? 2 : uniform(2, 5);
    double inspected = 0.0;
    int previousAccept = plan.isDouble ? 0 : -1;
    int previousReject = 1;
    for (int i = 0; i < k; ++i)
    {
        const bool last = i == k - 1;
        double n = amounts ? std::round(real(0.2, 4.0) * 8) / 8 : uniform(1, 8);
        if (plan.isDouble && defectives)
            n = i == 0 ? uniform(2, 12) : uniform(std::max(1, previousReject - plan.a[0] - 1), 12);
        inspected += n;
        // Units bound every count of defectives; defects have no such bound.
        const int room = defectives ? static_cast<int>(inspected) : previousAccept + 6;
        int a = 0;
        int r = 0;
        if (plan.isDouble && i == 0)
        {
            a = uniform(0, defectives ? static_cast<int>(n) - 2 : 3);
            r = uniform(a + 2, defectives ? static_cast<int>(n) : a + 5);
        }
        else if (plan.isDouble)
        {
            a = uniform(previousReject - 1,
                        defectives ? static_cast<int>(n) + plan.a[0] : previousReject + 4);
            r = a + 1;
        }
        else if (last)
        {
            a = uniform(std::max(previousAccept, previousReject - 1),
                        std::max(room - 1, previousReject - 1));
            r = a + 1;
        }
        else
        {
            a = uniform(previousAccept,
                        std::max(previousAccept, std::min(room - 1, previousAccept + 3)));
            r = uniform(std::max(previousReject, a + 2),
                        std::max(a + 2, std::min(room + 1, a + 5)));
        }
        plan.n.push_back(n);
        plan.a.push_back(a);
        plan.r.push_back(r);
        previousAccept = a;
        previousReject = r;
    }
    // The ends, and levels so low that the curtailed terms would lose every digit taken as
    // differences from 1.
    const int chance = uniform(0, 9);
    plan.level = chance == 0                 ? 0.0
                 : defectives && chance == 1 ? 1.0
                 : chance == 2               ? real(0.0, 1e-7)
                                             : real(0.0, defectives ? 1.0 : 2.0);
    plan.lot = inspected + (amounts ? real(0.0, 20.0) : uniform(0, 30));
    plan.count = defectives ? uniform(0, static_cast<int>(plan.lot)) : uniform(0, 25);
    plan.method = static_cast<std::uint8_t>(uniform(0, defectives ? 7 : 3));
    return plan;
}

TEST(StagedPlansTest, EveryClassMethodAndLotAsInspectedItemByItem)
{
    std::mt19937 random(15);
    for (int trial = 0; trial < 360; ++trial)
    {
        const AnyPlan plan = RandomPlan(random, trial);
        SCOPED_TRACE(testing::Message() << "trial " << trial);
        ExpectAsInspectedItemByItem(plan);
    }
}

TEST(StagedPlansTest, ThousandStagesAsInspectedItemByItem)
{
    // One unit a stage; the accept and reject numbers follow 30 % defective.
    AnyPlan plan = {Family::defectives, false, {}, {}, {}, false, 0.3, 600, 2000.0, 0};
    for (int i = 1; i < 1000; ++i)
    {
        plan.n.push_back(1.0);
        plan.a.push_back(std::max(-1, 3 * i / 10 - 3));
        plan.r.push_back(std::min(i + 1, 3 * i / 10 + 3));
    }
    plan.n.push_back(1.0);
    plan.a.push_back(plan.r.back() - 1);
    plan.r.push_back(plan.r.back());
    for (bool finite : {false, true})
        for (std::uint8_t method : {0, 1, 5})
        {
            plan.finite = finite;
            plan.method = method;
            ExpectAsInspectedItemByItem(plan);
        }
}

TEST(StagedPlansTest, LargePlansToTheLastDigit)
{
    // 1000 stages of 100 units, no acceptance before the last stage, rejection at 101 at every
    // stage and acceptance at 100 at the last, on lots of any size and a lot of 2147483646 (with
    // the level's share of it defective), where Pa rounds to 1, is near 1 - 1.5e-10, near 1/2 and
    // near 1e-5. The plan goes on past stage i exactly when the count of its first 100 i units is
    // at most 100: Pa is the cumulative P(S <= 100) of all 100,000 units, E{#Stages} the sum of
    // those of the first 0, 100, ..., 99,900 units and the ASN 100 times that, by mpmath at 40
    // digits from the closed forms of the cumulatives (StagedPlanReferences.py cumulatives), which
    // agree with the plain recursion over every count at 25 digits (StagedPlanReferences.py) in
    // every digit it gives; the ASN with every stage curtailed by that recursion.
    // Prepared (Pa alone and with the ASN) every measure is right to 1e-14, and so is 1 - Pa near
    // Pa = 1 but for the rounding of Pa to a double; stage by stage, where the rounding of one
    // kernel is passed on through 1000 convolutions, to 2e-14. Where Pa rounds to 1 the measures
    // are at their bounds 1, 100,000 and 1000 exactly, not past them.
    struct Large
    {
        Family family;
        bool finite;
        double level;
        long double pa, complement, asn, curtailedAsn;
    };
    constexpr Family units = Family::defectives;
    constexpr Family perUnit = Family::defectsPerUnit;
    const Large references[] = {
        {units, false, 0.0003, 1.0L, 2.1172714825820743e-24L, 100000.0L, 99929.978993698109L},
        {units, true, 0.0003, 1.0L, 2.1090484849064390e-24L, 100000.0L, 99929.978989317991L},
        {perUnit, false, 0.0003, 1.0L, 2.1708868310399161e-24L, 100000.0L, 100000.0L},
        {perUnit, true, 0.0003, 1.0L, 2.1624577674368883e-24L, 100000.0L, 100000.0L},
        {units, false, 0.0005, 0.99999999984505146158L, 1.5494853841692849e-10L,
         99999.999999719868339L, 99949.974987205713L},
        {units, true, 0.0005, 0.99999999984523747104L, 1.5476252896399265e-10L,
         99999.999999720216846L, 99949.974995424991L},
        {perUnit, false, 0.0005, 0.99999999984302540276L, 1.5697459724373953e-10L,
         99999.999999715996200L, 99999.999999708215L},
        {perUnit, true, 0.0005, 0.99999999984321375167L, 1.5678624832535490e-10L,
         99999.999999716349359L, 99999.999999708578L},
        {units, false, 0.001, 0.52656220185507307150L, 0.47343779814492692850L,
         96512.733609063385186L, 96485.343574682367L},
        {units, true, 0.001, 0.52656154536175495333L, 0.47343845463824504667L,
         96512.798788981004243L, 96485.408823746922L},
        {perUnit, false, 0.001, 0.52656219852999847038L, 0.47343780147000152962L,
         96510.976793076084244L, 96487.338120555288L},
        {perUnit, true, 0.001, 0.52656154143690430477L, 0.47343845856309569523L,
         96511.041999029966296L, 96487.403294433427L},
        {units, false, 0.0015, 8.9336496009057549196e-6L, 0.99999106635039909425L,
         67382.816190250189696L, 67333.316620190686L},
        {units, true, 0.0015, 8.9301205927339993526e-6L, 0.99999106987940726600L,
         67382.805129615508571L, 67333.305559387031L},
        {perUnit, false, 0.0015, 9.0502595708578737626e-6L, 0.99999094974042914213L,
         67383.315946802472653L, 67333.316403222444L},
        {perUnit, true, 0.0015, 9.0466895782663263195e-6L, 0.99999095331042173367L,
         67383.304854909984607L, 67333.305311150090L},
    };
    AnyPlan plan = {};
    plan.n.assign(1000, 100.0);
    plan.a.assign(1000, -1);
    plan.r.assign(1000, 101);
    plan.a.back() = 100;
    plan.lot = 2147483646.0;
    for (Family family : {units, perUnit})
    {
        plan.family = family;
        // The chances of going on are the same at every level and for every lot of a kind.
        const auto chances = PrepareChances(plan);
        ASSERT_NE(chances, nullptr);
        for (const Large& r : references)
        {
            if (r.family != family)
                continue;
            plan.finite = r.finite;
            plan.level = r.finite ? 0.0 : r.level;
            plan.count = r.finite ? static_cast<int>(std::lround(r.level * plan.lot)) : 0;
            plan.method = 0;
            constexpr StagedMeasure all = StagedMeasure::averageSampleNumber;
            const Evaluations ways[] = {
                EvaluateInOnePass(plan, all, chances.get()),
                {EvaluateInOnePass(plan, StagedMeasure::probabilityAcceptance, chances.get()).pa,
                 static_cast<double>(r.asn), static_cast<double>(r.asn / 100)},
                EvaluateInOnePass(plan, all, nullptr)};
            for (const Evaluations& way : ways)
            {
                const double digits = &way == &ways[2] ? 2e-14 : 1e-14;
                SCOPED_TRACE(testing::Message() << int(family) << " " << r.finite << " " << r.level
                                                << " way " << &way - ways);
                EXPECT_LE(RelativeError(way.pa, r.pa), digits) << way.pa;
                EXPECT_LE(std::fabs((1.0L - way.pa) - r.complement),
                          digits * r.complement + 0x1p-53L)
                    << 1.0L - way.pa;
                EXPECT_LE(RelativeError(way.asn, r.asn), digits) << way.asn;
                EXPECT_LE(RelativeError(way.stages, r.asn / 100), digits) << way.stages;
                EXPECT_LE(way.pa, 1.0);
                EXPECT_LE(way.asn, 100000.0);
                EXPECT_LE(way.stages, 1000.0);
            }
            plan.method = 1;
            SCOPED_TRACE(testing::Message() << int(family) << " " << r.finite << " " << r.level);
            EXPECT_ACCURATE(EvaluateInOnePass(plan, all, chances.get()).asn, r.curtailedAsn);
            EXPECT_ACCURATE(EvaluateInOnePass(plan, all, nullptr).asn, r.curtailedAsn);
        }
    }
}

TEST(StagedPlansTest, PaOfOneLessAFarTail)
{
    // Defects per unit at 0.36500013: nearly every lot goes on to stage 3, whose accept number is
    // 34 standard deviations above its mean count, through wide bands that carry next to no
    // chance. 1 - Pa is 1.670217646452287038e-28 (the tail P(S >= 2519) of stage 1; the other
    // ways to reject add less than 1e-240), so that Pa rounds to 1, the ASN to 52,508 and
    // E{#Stages} to 3, with every method of curtailing (mpmath at 40 digits,
    // StagedPlanReferences.py far-tail), prepared and stage by stage, and none passes its bound.
    AnyPlan plan = {Family::defectsPerUnit,
                    false,
                    {5495, 30925, 16088, 5809, 13499, 8647, 6610},
                    {-1, -1, 23948, 26603, 26603, 36707, 53003},
                    {2519, 26690, 26690, 26690, 53004, 53004, 53004},
                    false,
                    0.36500013,
                    0,
                    0.0,
                    0};
    const auto chances = PrepareChances(plan);
    ASSERT_NE(chances, nullptr);
    const StagedConditionals* const ways[] = {chances.get(), nullptr};
    for (std::uint8_t method : {0, 1, 2})
        for (const StagedConditionals* prepared : ways)
        {
            plan.method = method;
            SCOPED_TRACE(testing::Message() << int(method) << " " << (prepared != nullptr));
            const Evaluations way =
                EvaluateInOnePass(plan, StagedMeasure::averageSampleNumber, prepared);
            const double pa =
                EvaluateInOnePass(plan, StagedMeasure::probabilityAcceptance, prepared).pa;
            for (double each : {way.pa, pa})
            {
                EXPECT_LE(RelativeError(each, 1.0L), 1e-14) << each;
                EXPECT_LE(each, 1.0);
            }
            EXPECT_LE(RelativeError(way.asn, 52508.0L), 1e-14) << way.asn;
            EXPECT_LE(RelativeError(way.stages, 3.0L), 1e-14) << way.stages;
            EXPECT_LE(way.asn, 87073.0);
        }
}

TEST(StagedPlansTest, WideBandsPreparedInPartsAsStageByStage)
{
    // Counts that go on over a hundred standard deviations of the count after a stage, which no
    // one reference rate carries: 10,000 after each of the first two stages of 20,000 units; and
    // 95,000 after a stage of 1,000,000 and 95,001 after one more unit, whose neighbouring counts
    // make 9e9 pairs but whose terms are few. Prepared, the measures are those of the pass stage
    // by stage, on lots of any size and of a given size: for the first plan where Pa is near 1,
    // near 1/2 and near 0, for the second where about half the lots are accepted at once.
    struct Wide
    {
        std::vector<double> n;
        std::vector<int> a;
        std::vector<int> r;
        double lot;
        std::vector<double> levels;
    };
    const Wide plans[] = {
        {{20000.0, 20000.0, 20000.0},
         {-1, 10010, 25011},
         {10000, 20011, 25012},
         200000.0,
         {0.2502, 0.4165, 0.5}},
        {{1e6, 1.0, 1.0}, {5000, 5000, 100001}, {100001, 100002, 100002}, 2e6, {0.005}},
    };
    AnyPlan plan = {};
    plan.method = 1;
    for (const Wide& wide : plans)
        for (Family family :
             {Family::defectives, Family::defectsPerUnit, Family::defectsPerQuantity})
        {
            plan.family = family;
            plan.n = wide.n;
            plan.a = wide.a;
            plan.r = wide.r;
            plan.lot = wide.lot;
            const auto chances = PrepareChances(plan);
            ASSERT_NE(chances, nullptr) << wide.n[0] << " " << int(family);
            for (bool finite : {false, true})
                for (double level : wide.levels)
                {
                    plan.finite = finite;
                    plan.level = finite ? 0.0 : level;
                    plan.count = finite ? static_cast<int>(std::lround(level * plan.lot)) : 0;
                    SCOPED_TRACE(testing::Message() << wide.n[0] << " " << int(family) << " "
                                                    << finite << " " << level);
                    constexpr StagedMeasure all = StagedMeasure::averageSampleNumber;
                    const Evaluations byStage = EvaluateInOnePass(plan, all, nullptr);
                    const Evaluations prepared = EvaluateInOnePass(plan, all, chances.get());
                    EXPECT_ACCURATE(prepared.pa, byStage.pa);
                    EXPECT_ACCURATE(prepared.asn, byStage.asn);
                    EXPECT_ACCURATE(prepared.stages, byStage.stages);
                    EXPECT_ACCURATE(
                        EvaluateInOnePass(plan, StagedMeasure::probabilityAcceptance, chances.get())
                            .pa,
                        byStage.pa);
                }
            if (wide.levels.size() > 1)
                continue;
            // After the unit of the second stage a count y went on past the first, at 5001 ...
            // 100,000, unless that unit held too many. Defective units: it held one with
            // probability y / 1000001. Defects: it held each of the y with probability
            // 1 / 1000001, so none (y = 5001) with probability q^y, q = 1000000 / 1000001, at
            // most one (5002) with q^y + y q^(y - 1) (1 - q), at least one (100,001) with
            // 1 - q^y, and from y = 5011 on at most ten but for less than 1e-30.
            const StagedConditionals::Band& band = chances->bands[1];
            ASSERT_EQ(band.lo, 5001);
            ASSERT_EQ(band.values.size(), 95001u);
            const double units = 1000001.0;
            const double lnq = std::log1p(-1.0 / units);
            const auto powerOfQ = [&](double y) { return std::exp(y * lnq); };
            const double ends[3] = {
                family == Family::defectives ? 995000.0 / units : powerOfQ(5001.0),
                family == Family::defectives ? 1.0
                                             : powerOfQ(5002.0) + 5002.0 * powerOfQ(5001.0) / units,
                family == Family::defectives ? 100001.0 / units : -std::expm1(100001.0 * lnq)};
            EXPECT_ACCURATE(band.values.front(), ends[0]);
            EXPECT_ACCURATE(band.values[1], ends[1]);
            EXPECT_ACCURATE(band.values.back(), ends[2]);
            for (std::size_t i = 10; i + 1 < band.values.size(); i += 997)
                EXPECT_ACCURATE(band.values[i], 1.0) << i + 5001;
        }
    // Bands of 250,000 after stages of 1,000,000 units have terms that would take seconds: such a
    // plan goes stage by stage.
    plan.family = Family::defectives;
    plan.n = {1e6, 1e6, 1e6};
    plan.a = {-1, 250010, 625011};
    plan.r = {250000, 500011, 625012};
    EXPECT_EQ(PrepareChances(plan), nullptr);
}

TEST(StagedPlansTest, RejectingCountsFarBeyondWhereTheyCount)
{
    // Three stages of 1, 200 and 1 units of material that reject at 8001 defects and accept only
    // at the last, at 8000: the counts at or above 8001 can have reached stage 2 up to some
    // 1,600,000, which would take seconds to prepare, but count only where Pa can be above 1/4,
    // up to some 12,000. There stage 2 rejects up to half the lots. Prepared, Pa (alone and with
    // the ASN), 1 - Pa, the ASN and E{#Stages} are those of the closed forms of its cumulatives
    // (StagedPlanReferences.py late-acceptance) to 1e-14, where Pa is near 1 - 2.8e-13, 0.92,
    // 1/2 and 1e-3 on lots of any size, and near 1 - 2.8e-16 and 1/2 on a lot of 1000 units.
    AnyPlan plan = {Family::defectsPerQuantity,
                    false,
                    {1.0, 200.0, 1.0},
                    {-1, -1, 8000},
                    {8001, 8001, 8001},
                    false,
                    0.0,
                    0,
                    1000.0,
                    0};
    const auto chances = PrepareChances(plan);
    ASSERT_NE(chances, nullptr);
    struct Late
    {
        bool finite;
        double level;
        long double pa, complement, asn, stages;
    };
    const Late references[] = {
        {false, 36.5, 0.99999999999971952057L, 2.8047943147840736896e-13L, 201.99999999999998925L,
         2.9999999999999892528L},
        {false, 39.0, 0.91597163915535344196L, 0.08402836084464655804L, 201.96560060650910115L,
         2.9656006065091011507L},
        {false, 39.6, 0.50654165618536453227L, 0.49345834381463546773L, 201.67720947760428119L,
         2.6772094776042811865L},
        {false, 41.0, 0.00093812080687521036421L, 0.99906187919312478964L, 201.00390166174023108L,
         2.0039016617402310756L},
        {true, 36500.0, 0.99999999999999972221L, 2.7778831954118699677e-16L, 202.0L,
         2.9999999999999999953L},
        {true, 39600.0, 0.50698675057095956897L, 0.49301324942904043103L, 201.69629935026056974L,
         2.6962993502605697362L},
    };
    for (const Late& r : references)
    {
        plan.finite = r.finite;
        plan.level = r.finite ? 0.0 : r.level;
        plan.count = r.finite ? static_cast<int>(r.level) : 0;
        SCOPED_TRACE(testing::Message() << r.finite << " " << r.level);
        const Evaluations way =
            EvaluateInOnePass(plan, StagedMeasure::averageSampleNumber, chances.get());
        const double pa =
            EvaluateInOnePass(plan, StagedMeasure::probabilityAcceptance, chances.get()).pa;
        for (double each : {way.pa, pa})
        {
            EXPECT_LE(RelativeError(each, r.pa), 1e-14) << each;
            EXPECT_LE(std::fabs((1.0L - each) - r.complement), 1e-14 * r.complement + 0x1p-53L)
                << 1.0L - each;
        }
        EXPECT_LE(RelativeError(way.asn, r.asn), 1e-14) << way.asn;
        EXPECT_LE(RelativeError(way.stages, r.stages), 1e-14) << way.stages;
    }
}

TEST(StagedPlansTest, TypedNumbersBeyondAnyCountCostNothing)
{
    // Reject numbers near the count range: only the counts that can occur are carried.
    AnyPlan plan = {Family::defectsPerUnit,
                    false,
                    {10, 10, 10},
                    {0, 1, 1999999998},
                    {1999999990, 1999999999, 1999999999},
                    false,
                    0.05,
                    0,
                    0.0,
                    1};
    ExpectAsInspectedItemByItem(plan);
    plan = {Family::defectsPerQuantity,
            true,
            {2.5, 4.0},
            {0, 2000000000},
            {2000000000, 2000000001},
            false,
            0.3,
            0,
            0.0,
            1};
    ExpectAsInspectedItemByItem(plan);
}

TEST(StagedPlansTest, LotsOfTheLargestSize)
{
    // Units left and (M + 1) products stay exact far beyond 32 bits; such a lot behaves almost
    // like one of any size.
    const int n[] = {1500, 1500, 1500};
    const int a[] = {2, 8, 14};
    const int r[] = {9, 12, 15};
    const int N = 2147483646;
    const int D = 10737418;
    for (std::uint8_t method : {0, 1})
    {
        const double finite =
            DefectivesMultipleAverageSampleNumberFiniteLot(D, 3, n, a, r, N, method);
        EXPECT_NEAR(finite,
                    DefectivesMultipleAverageSampleNumber(double(D) / N, 3, n, a, r, method),
                    1e-5 * finite);
    }
}

TEST(StagedPlansTest, EndsOfTheQualityRange)
{
    const int n[] = {20, 20, 20};
    const int a[] = {-1, 1, 3};
    const int r[] = {2, 3, 4};
    // No defect at all: the lot goes on to the first stage that can accept.
    EXPECT_EQ(DefectsPerUnitMultipleAverageSampleNumber(0.0, 3, n, a, r, 1), 40.0);
    EXPECT_EQ(DefectsPerUnitMultipleAverageSampleNumber(0.0, 3, n, a, r, 2), 40.0);
    EXPECT_EQ(DefectsPerUnitMultipleProbabilityAcceptance(0.0, 3, n, a, r), 1.0);
    EXPECT_EQ(DefectsPerUnitMultipleExpectedStages(0.0, 3, n, a, r), 2.0);
    EXPECT_EQ(DefectsPerUnitDoubleAverageSampleNumber(0.0, 20, 0, 2, 20, 1, 1), 20.0);
    EXPECT_EQ(DefectivesMultipleProbabilityAcceptance(1.0, 3, n, a, r), 0.0);
    EXPECT_EQ(DefectivesDoubleAverageSampleNumber(0.0, 50, 1, 4, 100, 4, 1), 49.0);
    // Every count going on with a probability below the normal doubles (about 1e-322).
    const int nFar[] = {2000, 10};
    const int aFar[] = {1799, 1805};
    const int rFar[] = {1802, 1806};
    EXPECT_ACCURATE(DefectivesMultipleProbabilityAcceptance(0.5, 2, nFar, aFar, rFar), 1.0L);
    EXPECT_ACCURATE(DefectivesMultipleAverageSampleNumber(0.5, 2, nFar, aFar, rFar, 0), 2000.0L);
    // No plan.
    EXPECT_EQ(DefectivesMultipleProbabilityAcceptance(0.1, 0, n, a, r), 0.0);
    EXPECT_EQ(DefectivesMultipleExpectedStages(0.1, 0, n, a, r), 1.0);
}

} // namespace
} // namespace Brosquin
