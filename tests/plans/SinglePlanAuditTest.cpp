#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/DefectsPerQuantitySingleSamplingPlan.h"
#include "plans/DefectsPerUnitSingleSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SamplingPlanSession.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <utility>

namespace Brosquin
{
namespace
{

// What a user is shown of single plans, against values computed independently with mpmath at
// 45 digits: binomial, hypergeometric and Poisson probabilities summed term by term, curtailed
// ASNs checked against an enumeration of every inspection path (defectives) and against the
// integral of the inspected amount (defects), points found by bisection, the AOQL by
// golden-section search (lots of any size) or over every attainable count (a given lot).

class SinglePlanAuditTest : public PlanTest
{
protected:
    // A plan of the characteristic entered as in its dialog, in the given units row.
    static std::unique_ptr<SamplingPlan> Entered(int characteristic, const char* n, const char* a,
                                                 std::int8_t method, const char* lotSize, int units)
    {
        const bool lotGiven = lotSize != nullptr;
        const char* lot = lotGiven ? lotSize : "";
        EXPECT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(units));
        EXPECT_TRUE(DefectsPerUnitSamplingPlan::Units().SetCurrentIndex(units));
        if (characteristic == SamplingPlan::DefectiveUnits)
        {
            auto plan = std::make_unique<DefectivesSingleSamplingPlan>();
            plan->vdDescribe(n, a, method, lotGiven, lot);
            return plan;
        }
        if (characteristic == SamplingPlan::DefectsPerUnit)
        {
            auto plan = std::make_unique<DefectsPerUnitSingleSamplingPlan>();
            plan->vdDescribe(n, a, method, lotGiven, lot);
            return plan;
        }
        auto plan = std::make_unique<DefectsPerQuantitySingleSamplingPlan>();
        plan->vdDescribe(n, a, "Foot", method, lotGiven, lot);
        return plan;
    }
};

struct ShownRow
{
    const char* level;
    const char* pa;
    const char* asn;
    const char* aoq;
};

struct ShownPlan
{
    int characteristic;
    const char* n;
    int a;
    std::int8_t method;
    const char* lotSize;
    int units;
    const char* paAtAQL;
    const char* paAtLTPD;
    const char* aql;
    const char* ltpd;
    const char* aoql;
    // At Pa 99%, 95%, ..., 1%; empty where Pa 50% falls on a jump of a finite lot's OC curve,
    // so that both neighbouring levels are right.
    std::array<const char*, 9> percentiles;
    std::array<ShownRow, 2> rows;
};

TEST_F(SinglePlanAuditTest, ShownTextsOfHardPlansMatchIndependentValues)
{
    using P = SamplingPlan;
    const ShownPlan plans[] = {
        {P::DefectiveUnits,
         "100000",
         100,
         1,
         nullptr,
         2,
         "0.99",
         "0.01",
         "791.08",
         "1258.2",
         "808.13",
         {"791.08", "850.64", "883.59", "940.55", "1006.7", "1075.8", "1140.7", "1180.7", "1258.2"},
         {{{"700", "0.999709", "99969.2", "699.796"}, {"1000", "0.526562", "96485.3", "526.562"}}}},
        {P::DefectiveUnits,
         "1000000",
         500,
         2,
         nullptr,
         2,
         "0.95",
         "0.10",
         "464.77",
         "529.88",
         "447.02",
         {"450.42", "464.77", "472.54", "485.73", "500.67", "515.91", "529.88", "538.37", "554.52"},
         {{{"450", "0.990519", "999950", "445.734"}, {"520", "0.19671", "999998", "102.289"}}}},
        {P::DefectiveUnits,
         "1000000",
         0,
         3,
         nullptr,
         2,
         "0.90",
         "0.05",
         "0.10536",
         "2.9957",
         "0.36788",
         {"0.01005", "0.051293", "0.10536", "0.28768", "0.69315", "1.3863", "2.3026", "2.9957",
          "4.6052"},
         {{{"0.1", "0.904837", "951626", "0.0904837"}, {"2", "0.135335", "432332", "0.27067"}}}},
        // N just above n, in fractions.
        {P::DefectiveUnits,
         "125",
         3,
         1,
         "126",
         0,
         "0.95",
         "0.10",
         "0.02381",
         "0.031746",
         "0.02381",
         {"0.02381", "0.02381", "0.02381", "0.02381", "", "0.031746", "0.031746", "0.031746",
          "0.039683"},
         {{{"0.02", "1", "124.952", "0.02"}, {"0.5", "0", "7.9375", "0"}}}},
        // c = n - 1.
        {P::DefectiveUnits,
         "10",
         9,
         1,
         nullptr,
         1,
         "0.99",
         "0.01",
         "63.096",
         "99.9",
         "71.527",
         {"63.096", "74.113", "79.433", "87.055", "93.303", "97.164", "98.952", "99.488", "99.9"},
         {{{"50", "0.999023", "1.99805", "49.9512"}, {"99.5", "0.0488899", "9.77797", "4.86454"}}}},
        // N = n = 1.
        {P::DefectiveUnits,
         "1",
         0,
         2,
         "1",
         1,
         "0.95",
         "0.10",
         "0",
         "100",
         "0",
         {"0", "0", "0", "0", "", "100", "100", "100", "100"},
         {{{"0", "1", "1", "0"}, {"100", "0", "1", "0"}}}},
        {P::DefectsPerUnit,
         "13",
         1,
         1,
         "14",
         1,
         "0.90",
         "0.05",
         "7.1429",
         "21.429",
         "7.1429",
         {"7.1429", "7.1429", "7.1429", "7.1429", "", "14.286", "21.429", "21.429", "28.571"},
         {{{"7.14285714285714", "1", "13", "7.14286"},
           {"25", "0.00137963", "5.59965", "0.0344908"}}}},
        {P::DefectsPerUnit,
         "1000000",
         3,
         1,
         nullptr,
         2,
         "0.95",
         "0.10",
         "1.3663",
         "6.6808",
         "1.9424",
         {"0.82325", "1.3663", "1.7448", "2.5353", "3.6721", "5.1094", "6.6808", "7.7537",
          "10.045"},
         {{{"1", "0.981012", "995651", "0.981012"}, {"3.5", "0.536633", "850410", "1.87821"}}}},
        // More defects accepted than units inspected.
        {P::DefectsPerUnit,
         "5",
         20,
         1,
         nullptr,
         0,
         "0.99",
         "0.01",
         "2.365",
         "6.6206",
         "2.7783",
         {"2.365", "2.8144", "3.0765", "3.551", "4.1335", "4.7766", "5.409", "5.8124", "6.6206"},
         {{{"2", "0.998412", "4.99941", "1.99682"}, {"5", "0.185492", "4.08881", "0.927462"}}}},
        {P::DefectsPerQuantity,
         "0.001",
         0,
         1,
         "0.0015",
         0,
         "0.95",
         "0.10",
         "0",
         "2000",
         "222.22",
         {"0", "0", "0", "0", "", "1333.3", "2000", "2000", "3333.3"},
         {{{"666.666666666667", "0.333333", "0.000666667", "222.222"},
           {"2000", "0.037037", "0.00037037", "74.0741"}}}},
        {P::DefectsPerQuantity,
         "1000",
         20,
         1,
         nullptr,
         0,
         "0.99",
         "0.01",
         "0.011825",
         "0.033103",
         "0.013892",
         {"0.011825", "0.014072", "0.015383", "0.017755", "0.020668", "0.023883", "0.027045",
          "0.029062", "0.033103"},
         {{{"0.01", "0.998412", "999.881", "0.00998412"},
           {"0.03", "0.0352846", "697.174", "0.00105854"}}}},
    };
    const double percentiles[] = {0.99, 0.95, 0.90, 0.75, 0.50, 0.25, 0.10, 0.05, 0.01};
    String message;
    for (const ShownPlan& shown : plans)
    {
        ASSERT_EQ(SamplingPlan::ValidateRiskLevels(shown.paAtAQL, shown.paAtLTPD, 0, message), 0);
        const std::string a = std::to_string(shown.a);
        auto plan = Entered(shown.characteristic, shown.n, a.c_str(), shown.method, shown.lotSize,
                            shown.units);
        SCOPED_TRACE(plan->Description().Text());
        ASSERT_TRUE(plan->IsValid());
        EXPECT_STREQ(plan->AQLPointText().Text(), shown.aql);
        EXPECT_STREQ(plan->LTPDPointText().Text(), shown.ltpd);
        EXPECT_STREQ(plan->AOQLText().Text(), shown.aoql);
        for (std::size_t i = 0; i < shown.percentiles.size(); ++i)
        {
            if (*shown.percentiles[i] != '\0')
            {
                EXPECT_EQ(Shown(plan->dQualityLevelAtPa(RealOf(percentiles[i]))),
                          shown.percentiles[i])
                    << percentiles[i];
            }
        }
        for (const ShownRow& row : shown.rows)
        {
            Real level;
            level = row.level;
            EXPECT_EQ(Shown(plan->dPa(level), 6), row.pa) << row.level;
            EXPECT_EQ(Shown(plan->dASN(level), 6), row.asn) << row.level;
            EXPECT_EQ(Shown(plan->dAOQ(level), 6), row.aoq) << row.level;
        }
    }
}

TEST_F(SinglePlanAuditTest, LevelsHalfwayBetweenTwoCountsOfAGivenLotRoundUpward)
{
    // 0.7 percent of 500 units is 3.5 defectives, taken as 4; 0.9 percent is 4.5, taken as 5.
    // Both arrive a unit in the last place below the half once divided by the level step.
    auto defectives = Entered(SamplingPlan::DefectiveUnits, "50", "2", 0, "500", 1);
    ExpectClose(defectives->dPa(RealOf(0.7)), 0.99648263096700783206);
    ExpectClose(defectives->dPa(RealOf(0.9)), 0.9918280620074303948);
    ExpectClose(defectives->dAOQ(RealOf(0.7)), 0.7 * 0.99648263096700783206);

    // 0.15 defects per foot of a lot of 10 feet is 1.5 defects, taken as 2: B(1; 2, 0.25).
    auto quantity = Entered(SamplingPlan::DefectsPerQuantity, "2.5", "1", 1, "10", 0);
    ExpectClose(quantity->dPa(RealOf(0.15)), 0.9375);
    ExpectClose(quantity->dASN(RealOf(0.15)), 2.4479166666666666667);
    ExpectClose(quantity->dPa(RealOf(0.35)), 0.73828125);

    // 0.35 defects per hundred units of 1000 units is 3.5 defects, taken as 4: B(2; 4, 0.05).
    auto perUnit = Entered(SamplingPlan::DefectsPerUnit, "50", "2", 0, "1000", 1);
    ExpectClose(perUnit->dPa(RealOf(0.35)), 0.99951875);

    // The curves table of a lot of 1000 units from 0.05 to 0.55 percent has a half-way level in
    // every row: 1, 2, ..., 6 defectives.
    SamplingPlanSession session;
    session.vdAddPlan(Entered(SamplingPlan::DefectiveUnits, "50", "2", 1, "1000", 1));
    SamplingPlanEvaluationList list(session, {1});
    String message;
    ASSERT_EQ(list.SetRange("0.05", "0.55", "5", message), 0);
    String table;
    list.GetCurvesTableText(table);
    const std::string text = table.Text();
    const std::string rows[] = {"0.05\t1\t48.048\t1\t0.05",
                                "0.15\t1\t48.0961\t1\t0.15",
                                "0.25\t0.999882\t48.1428\t1\t0.249971",
                                "0.35\t0.999545\t48.1867\t1\t0.349841",
                                "0.45\t0.998902\t48.2267\t1\t0.449506",
                                "0.55\t0.997882\t48.2618\t1\t0.548835"};
    for (const std::string& row : rows)
        EXPECT_NE(text.find("\n" + row), std::string::npos) << row << "\n" << text;
}

TEST_F(SinglePlanAuditTest, PointsBeyondTheLargestCountableLevelAreStillFound)
{
    // Half the lot's units are inspected and up to 10^9 defects accepted: Pa falls to 0.10 at
    // about 2.00006e9 defects in the lot, though the doubling search for the point first tries
    // 4e9. On a lot of 2147483646 the points lie at 2147401997, 2147547265 and (Pa 0.01)
    // 2147599132 defects, beyond 2^31; the AOQ peaks at 0.9998962 and 0.9998929. Normal
    // approximation with continuity correction, good to far better than the five digits shown.
    for (const auto& [lot, aoql] : {std::pair{"2000000000", "0.9999"}, {"2147483646", "0.99989"}})
    {
        auto plan = Entered(SamplingPlan::DefectsPerUnit, "1000000000", "1000000000", 1, lot, 0);
        EXPECT_STREQ(plan->AQLPointText().Text(), "0.99996") << lot;
        EXPECT_STREQ(plan->LTPDPointText().Text(), "1") << lot;
        EXPECT_STREQ(plan->AOQLText().Text(), aoql) << lot;
        EXPECT_EQ(Shown(plan->dQualityLevelAtPa(RealOf(0.01))), "1.0001") << lot;
    }
}

TEST_F(SinglePlanAuditTest, TextsThatAreNoNumbersOrTooLargeGetAMessage)
{
    const std::string longDigits(5000, '9');
    const std::string longText(100000, 'x');
    struct BadText
    {
        const char* text;
        const char* asSampleSize;
        const char* asAmount; // "" where an amount takes the text
    };
    const BadText texts[] = {
        {"abc", "Sample size is not a valid number.", "Sample size is not a valid number."},
        {"1,2.3", "Sample size is not a valid number.", "Sample size is not a valid number."},
        {"1e400", "Sample size is not a valid number.", "Sample size is not a valid number."},
        {"-0", "Sample size must be positive integer.", "Sample size must be positive."},
        {"  ", "Sample size is not a valid number.", "Sample size is not a valid number."},
        {"0x10", "Sample size is not a valid number.", "Sample size is not a valid number."},
        {"nan", "Sample size is not a valid number.", "Sample size is not a valid number."},
        {"inf", "Sample size is not a valid number.", "Sample size is not a valid number."},
        {"-inf", "Sample size is not a valid number.", "Sample size is not a valid number."},
        {"\"50\"", "Sample size is not a valid number.", "Sample size is not a valid number."},
        {"5 0", "Sample size is not a valid number.", "Sample size is not a valid number."},
        {"1e10", "Sample size is too large.", ""},
        {"1e-400", "Sample size must be positive integer.", "Sample size must be positive."},
        {longDigits.c_str(), "Sample size is not a valid number.",
         "Sample size is not a valid number."},
        {longText.c_str(), "Sample size is not a valid number.",
         "Sample size is not a valid number."},
    };
    for (const BadText& bad : texts)
    {
        SCOPED_TRACE(std::string(bad.text).substr(0, 20));
        String message;
        EXPECT_EQ(DefectivesSingleSamplingPlan::SetFromText(bad.text, "1", 0, false, "", message),
                  1);
        EXPECT_STREQ(message.Text(), bad.asSampleSize);
        message = "";
        EXPECT_EQ(DefectsPerQuantitySingleSamplingPlan::SetFromText(bad.text, "1", "Foot", 0, false,
                                                                    "", message),
                  *bad.asAmount == '\0' ? 0 : 1);
        EXPECT_STREQ(message.Text(), bad.asAmount);

        // The same text in the other number fields, behind valid ones.
        const std::string asNumber = bad.asSampleSize;
        const bool tooLarge = asNumber == "Sample size is too large.";
        if (asNumber == "Sample size is not a valid number.")
        {
            EXPECT_EQ(
                DefectsPerUnitSingleSamplingPlan::SetFromText("5", bad.text, 0, false, "", message),
                2);
            EXPECT_STREQ(message.Text(), "Accept number is not a valid number.");
            EXPECT_EQ(
                DefectivesSingleSamplingPlan::SetFromText("5", "1", 0, true, bad.text, message), 4);
            EXPECT_STREQ(message.Text(), "Lot size is not a valid number.");
            EXPECT_EQ(DefectsPerQuantitySingleSamplingPlan::SetFromText("5", "1", "Foot", 0, true,
                                                                        bad.text, message),
                      5);
            EXPECT_STREQ(message.Text(), "Lot size is not a valid number.");
        }
        else if (tooLarge)
        {
            EXPECT_EQ(
                DefectsPerUnitSingleSamplingPlan::SetFromText("5", bad.text, 0, false, "", message),
                2);
            EXPECT_STREQ(message.Text(), "Accept number is too large.");
            EXPECT_EQ(
                DefectsPerUnitSingleSamplingPlan::SetFromText("5", "1", 0, true, bad.text, message),
                4);
            EXPECT_STREQ(message.Text(), "Lot size is too large.");
        }

        // A refused text leaves the plan not valid, described by the reason, with the numbers of
        // its last valid plan.
        DefectivesSingleSamplingPlan plan;
        plan.vdDescribe("50", "2", 0, true, "200");
        plan.vdDescribe(bad.text, "2", 0, true, "200");
        EXPECT_FALSE(plan.IsValid());
        EXPECT_STREQ(plan.Description().Text(), bad.asSampleSize);
        EXPECT_EQ(plan.SampleSize(), 50);
        EXPECT_EQ(MessageOf(plan.dPa(RealOf(1))), "Invalid plan");
    }
}

TEST_F(SinglePlanAuditTest, LevelsThatAreNoNumbersOrOutOfRangeGetAMessage)
{
    auto defectives = Entered(SamplingPlan::DefectiveUnits, "50", "2", 1, "200", 2);
    auto perUnit = Entered(SamplingPlan::DefectsPerUnit, "50", "2", 1, nullptr, 2);
    auto quantity = Entered(SamplingPlan::DefectsPerQuantity, "2.5", "1", 1, "10", 0);
    Real text;
    text = "1,2.3";
    Real negativeZero;
    negativeZero = "-0";
    for (SamplingPlan* plan : {defectives.get(), perUnit.get(), quantity.get()})
    {
        SCOPED_TRACE(plan->Description().Text());
        EXPECT_EQ(MessageOf(plan->dPa(text)), "Illegal string");
        EXPECT_EQ(MessageOf(plan->dASN(text)), "Illegal string");
        EXPECT_EQ(plan->dPa(negativeZero).dValue(), 1);
        EXPECT_EQ(MessageOf(plan->dQualityLevelAtPa(text)), "Illegal string");
        EXPECT_EQ(MessageOf(plan->dQualityLevelAtPa(RealOf(-0.5))),
                  "Probability of acceptance less than or equal to 0");
    }
    EXPECT_EQ(MessageOf(defectives->dAOQ(RealOf(1e154))),
              "Defectives per Million is greater than 1000000");
    EXPECT_EQ(MessageOf(perUnit->dPa(RealOf(-1e-100))), "Defects per Million Units is less than 0");
    // The largest number a level can hold: no defect count of a lot, but a Poisson mean.
    EXPECT_EQ(perUnit->dPa(RealOf(1e154)).dValue(), 0);
    EXPECT_EQ(MessageOf(quantity->dPa(RealOf(1e154))), "Overflow");
}

} // namespace
} // namespace Brosquin
