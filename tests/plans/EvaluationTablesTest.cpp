#include "plans/SamplingPlanEvaluationList.h"

#include "tests/plans/EvaluationTestSupport.h"

#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

using Row = std::vector<std::string>;

class EvaluationTablesTest : public PlanTest
{
protected:
    std::unique_ptr<SamplingPlanEvaluationList> List(std::vector<std::uint32_t> positions)
    {
        return std::make_unique<SamplingPlanEvaluationList>(session, std::move(positions));
    }
    static std::string Text(const String& text) { return text.Text(); }

    SamplingPlanSession session;
};

TEST_F(EvaluationTablesTest, SummaryDrawingOfOnePlan)
{
    session.vdAddPlan(DefectsPerUnitSingle("80", "1"));
    auto list = List({1});
    const SamplingPlan& plan = *session.Plan(1);
    TableContents table(*list->PlansTable());

    const auto* title = table.Find("Summary Information");
    ASSERT_NE(title, nullptr);
    EXPECT_EQ(title->x, 52);
    EXPECT_EQ(title->y, -5);
    EXPECT_EQ(title->size, 1.5);
    EXPECT_EQ(title->colour, blue);
    EXPECT_EQ(
        table.Row(-2.5),
        (Row{"Inspection for Defects per Unit - AQL, LTPD, AOQL in Defects per Hundred Units"}));
    EXPECT_EQ(table.Row(0.5), (Row{"Sampling Plan", "AQL", "LTPD", "AOQL", "Protection",
                                   "Min OC(AQL)", "Rate AQL", "Max OC(LTPD)", "Rate LTPD"}));
    EXPECT_EQ(table.RowX(0.5), (std::vector<double>{20, 44, 52, 60, 68, 76, 84, 92, 100}));
    EXPECT_EQ(table.Row(2.5),
              (Row{"Single: n=80, a=1", Text(plan.AQLPointText()), Text(plan.LTPDPointText()),
                   Text(plan.AOQLText()), "Constant", "0.95", "100.0", "0.10", "100.0"}));
    // One plan: the bottom rule at 4, nine column lines, the margins two units around.
    for (double y : {0.0, 2.0, 4.0})
        EXPECT_TRUE(table.HasRule(0, y, 104, y)) << y;
    EXPECT_TRUE(table.HasRule(0, 0, 0, 4));
    for (double x = 40; x <= 104; x += 8)
        EXPECT_TRUE(table.HasRule(x, 0, x, 4)) << x;
    EXPECT_EQ(table.rules.size(), 13u);
    const Drawing& drawing = *list->PlansTable();
    EXPECT_EQ(drawing.dLeft(), -2);
    EXPECT_EQ(drawing.dTop(), -7);
    EXPECT_EQ(drawing.dRight(), 106);
    EXPECT_EQ(drawing.dBottom(), 6);
}

TEST_F(EvaluationTablesTest, RowsStandOneApartWithAGapAfterEveryThird)
{
    for (const char* n : {"20", "30", "40", "50"})
        session.vdAddPlan(DefectivesSingle(n, "0"));
    auto list = List({1, 2, 3, 4});
    TableContents table(*list->PlansTable());
    EXPECT_EQ(table.Row(2.5)[0], "Single: n=20, a=0");
    EXPECT_EQ(table.Row(3.5)[0], "Single: n=30, a=0");
    EXPECT_EQ(table.Row(4.5)[0], "Single: n=40, a=0");
    EXPECT_EQ(table.Row(6.0)[0], "Single: n=50, a=0");
    EXPECT_TRUE(table.HasRule(0, 7.5, 104, 7.5));
    TableContents percentiles(*list->PercentilesTable());
    EXPECT_EQ(percentiles.Row(6.0).size(), 10u);
    EXPECT_TRUE(percentiles.HasRule(0, 7.5, 94, 7.5));
}

TEST_F(EvaluationTablesTest, TheSymbolOfTheSecondLevelIsTheCurrentOne)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    auto list = List({1});
    String message;
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.95", "0.10", 2, message), 0);
    session.vdApplyDefinitions();
    TableContents table(*list->PlansTable());
    EXPECT_EQ(table.Row(0.5), (Row{"Sampling Plan", "AQL", "RQL", "AOQL", "Protection",
                                   "Min OC(AQL)", "Rate AQL", "Max OC(RQL)", "Rate RQL"}));
    String text;
    list->GetPlansTableText(text);
    EXPECT_EQ(Text(text).substr(0, Text(text).find("Single")),
              "\t\t\tSummary Information\n"
              "\t\t\tInspection for Defective Units - AQL, RQL, AOQL in Percent Defective\n"
              "Sampling Plan\tAQL\tRQL\tAOQL\tProtection\tMin OC(AQL)\tRate AQL\tMax OC(RQL)\t"
              "Rate RQL\n");
}

TEST_F(EvaluationTablesTest, SummaryTextOfTwoPlans)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    session.vdAddPlan(BoundedSingle("80", "2"));
    auto list = List({1, 2});
    const SamplingPlan& single = *session.Plan(1);
    const SamplingPlan& bounded = *session.Plan(2);
    String text;
    list->GetPlansTableText(text);
    const std::string expected =
        "\t\t\tSummary Information\n"
        "\t\t\tInspection for Defective Units - AQL, LTPD, AOQL in Percent Defective\n"
        "Sampling Plan\tAQL\tLTPD\tAOQL\tProtection\tMin OC(AQL)\tRate AQL\tMax OC(LTPD)\t"
        "Rate LTPD\n"
        "Single: n=50, a=2\t" +
        Text(single.AQLPointText()) + "\t" + Text(single.LTPDPointText()) + "\t" +
        Text(single.AOQLText()) + "\tConstant\t0.95\t100.0\t0.10\t100.0\n" + "Single: n=80, a=2\t" +
        Text(bounded.AQLPointText()) + "\t" + Text(bounded.LTPDPointText()) + "\t" +
        Text(bounded.AOQLText()) + "\tVaries\t" + Text(bounded.PaAtAQLPointText()) + "\t" +
        Text(bounded.PercentAtAQLPointText()) + "\t" + Text(bounded.PaAtLTPDPointText()) + "\t" +
        Text(bounded.PercentAtLTPDPointText());
    EXPECT_EQ(Text(text), expected);
    // The summary's numbers of the plain plan, against the exact binomial.
    EXPECT_EQ(Text(single.AQLPointText()), "1.6552");
    EXPECT_EQ(Text(single.LTPDPointText()), "10.296");
    EXPECT_EQ(Text(single.AOQLText()), "2.7353");
}

// Quality levels at Pa 99%, 95%, ..., 1% found by bisection on the exact binomial (percent
// defective) and Poisson (defects per hundred units) distributions with mpmath at 40 digits.
struct PercentilesCase
{
    bool defectives;
    const char* n;
    const char* a;
    std::vector<double> levels;
    Row shown;
};

const std::vector<PercentilesCase> percentilesCases = {
    {true,
     "50",
     "2",
     {0.88607614458725491789, 1.6551859189231360352, 2.2243984694506102495, 3.4643695355418783732,
      5.3122268479286557153, 7.69115392784496512, 10.295920853671927103, 12.06141554220441349,
      15.770404761479476557},
     {"0.88608", "1.6552", "2.2244", "3.4644", "5.3122", "7.6912", "10.296", "12.061", "15.77"}},
    {true,
     "125",
     "3",
     {0.66441289451601842951, 1.1002904476335982112, 1.4029131337182337744, 2.0320867277006185958,
      2.9297651497219931732, 4.0531036574022505763, 5.2663189730876115892, 6.0858582889572804195,
      7.8126267716322033689},
     {"0.66441", "1.1003", "1.4029", "2.0321", "2.9298", "4.0531", "5.2663", "6.0859", "7.8126"}},
    {true,
     "20",
     "0",
     {0.050239055225847419285, 0.25613787765302827769, 0.52541740694689423695,
      1.4281146643185331545, 3.4063671075154448935, 6.6967008463192584019, 10.874906186625446757,
      13.910834066826520251, 20.567176527571849711},
     {"0.050239", "0.25614", "0.52542", "1.4281", "3.4064", "6.6967", "10.875", "13.911",
      "20.567"}},
    {false,
     "80",
     "1",
     {0.18569342531658252131, 0.44420188837332778814, 0.66476451048701493635, 1.2015984538934713698,
      2.0979337375208258168, 3.3657931611121197134, 4.8621502123342862352, 5.9298306479882228858,
      8.2979400849922653068},
     {"0.18569", "0.4442", "0.66476", "1.2016", "2.0979", "3.3658", "4.8622", "5.9298", "8.2979"}},
    {false,
     "32",
     "0",
     {0.031407299542192031735, 0.16029154496109556304, 0.32925161143070711424,
      0.89900647641181539825, 2.1660849392498290919, 4.3321698784996581839, 7.1955784156063925891,
      9.361663354856221681, 14.39115683121278546},
     {"0.031407", "0.16029", "0.32925", "0.89901", "2.1661", "4.3322", "7.1956", "9.3617",
      "14.391"}},
};

TEST_F(EvaluationTablesTest, PercentilesAreTheExactQualityLevelsInEveryDigitShown)
{
    const std::vector<double> pas = {0.99, 0.95, 0.90, 0.75, 0.50, 0.25, 0.10, 0.05, 0.01};
    for (const PercentilesCase& c : percentilesCases)
    {
        session.vdAddPlan(c.defectives ? DefectivesSingle(c.n, c.a)
                                       : DefectsPerUnitSingle(c.n, c.a));
        auto list = List({session.Count()});
        SamplingPlan& plan = *session.Plan(session.Count());
        for (std::size_t k = 0; k < pas.size(); ++k)
            ExpectClose(plan.dQualityLevelAtPa(Number(pas[k])), c.levels[k], 1e-12);
        TableContents table(*list->PercentilesTable());
        Row expected = {Text(plan.Description())};
        expected.insert(expected.end(), c.shown.begin(), c.shown.end());
        EXPECT_EQ(table.Row(2.5), expected) << c.n << " " << c.a;
        String text;
        list->GetPercentilesTableText(text);
        std::string lastLine = Text(text).substr(Text(text).rfind('\n') + 1);
        std::string joined = expected[0];
        for (std::size_t k = 1; k < expected.size(); ++k)
            joined += "\t" + expected[k];
        EXPECT_EQ(lastLine, joined);
    }
}

TEST_F(EvaluationTablesTest, PercentilesOfAFiniteLotAreAttainableLevelsOnTheSafeSide)
{
    // N = 400, n = 80, a = 1: with exact hypergeometric probabilities (Python fractions), D* is
    // the largest number of defectives in the lot with Pa(D*) >= P. The table shows D* x 0.25 %
    // for P above one half and (D* + 1) x 0.25 % below it; at one half the level nearest the
    // exact point, which lies between the two.
    session.vdAddPlan(DefectivesSingle("80", "1", "400"));
    auto list = List({1});
    TableContents table(*list->PercentilesTable());
    Row row = table.Row(2.5);
    ASSERT_EQ(row.size(), 10u);
    EXPECT_TRUE(row[5] == "2" || row[5] == "2.25") << row[5];
    row.erase(row.begin() + 5);
    EXPECT_EQ(row, (Row{"Single: n=80, a=1, N=400", "0.25", "0.5", "0.5", "1", "3.25", "4.5", "5.5",
                        "7.5"}));
}

TEST_F(EvaluationTablesTest, PercentilesDrawingLayoutAndText)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    auto list = List({1});
    TableContents table(*list->PercentilesTable());
    EXPECT_EQ(table.Row(-5), (Row{"Percentiles in Percent Defective"}));
    EXPECT_EQ(table.Find("Percentiles in Percent Defective")->x, 47);
    EXPECT_EQ(table.Row(-2.5), (Row{"Inspection for Defective Units"}));
    EXPECT_EQ(table.Row(0.5),
              (Row{"Sampling Plan", "99%", "95%", "90%", "75%", "50%", "25%", "10%", "5%", "1%"}));
    EXPECT_EQ(table.RowX(0.5), (std::vector<double>{20, 43, 49, 55, 61, 67, 73, 79, 85, 91}));
    for (double x : {40, 46, 52, 58, 64, 70, 76, 82, 88, 94})
        EXPECT_TRUE(table.HasRule(x, 0, x, 4)) << x;
    EXPECT_EQ(list->PercentilesTable()->dRight(), 96);
    EXPECT_EQ(list->PercentilesTable()->dBottom(), 6);

    String text;
    list->GetPercentilesTableText(text);
    EXPECT_EQ(Text(text), "\t\t\tPercentiles in Percent Defective\n"
                          "\t\t\tInspection for Defective Units\n"
                          "Sampling Plans\t99%\t95%\t90%\t75%\t50%\t25%\t10%\t5%\t1%\n"
                          "Single: n=50, a=2\t0.88608\t1.6552\t2.2244\t3.4644\t5.3122\t7.6912\t"
                          "10.296\t12.061\t15.77");
}

TEST_F(EvaluationTablesTest, TheTextFormWritesExponentsAsEAndTheDrawingAsPowersOfTen)
{
    // One unit in a million: p = 1 - Pa^(1/1000000) (mpmath) falls below 1e-7 for Pa 99% and 95%.
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(0));
    session.vdAddPlan(DefectivesSingle("1000000", "0"));
    auto list = List({1});
    TableContents table(*list->PercentilesTable());
    const Row row = table.Row(2.5);
    ASSERT_EQ(row.size(), 10u);
    EXPECT_EQ(row[1], "1.005 10^-8");
    EXPECT_EQ(row[2], "5.1293 10^-8");
    EXPECT_EQ(row[3], "0.00000010536");
    EXPECT_EQ(row[9], "0.0000046052");
    String text;
    list->GetPercentilesTableText(text);
    EXPECT_EQ(Text(text).substr(Text(text).rfind('\n') + 1),
              "Single: n=1000000, a=0\t1.005e-8\t5.1293e-8\t0.00000010536\t0.00000028768\t"
              "0.00000069315\t0.0000013863\t0.0000023026\t0.0000029957\t0.0000046052");
}

TEST_F(EvaluationTablesTest, CurvesDrawingOfOnePlanOverAGivenRange)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    auto list = List({1});
    String message;
    ASSERT_EQ(list->SetRange("0", "1", "4", message), 0);
    TableContents table(*list->CurvesTable());
    EXPECT_EQ(table.Row(-7), (Row{"Table of OC, ASN and AOQ Curves"}));
    EXPECT_EQ(table.Find("Table of OC, ASN and AOQ Curves")->x, 21);
    EXPECT_EQ(table.Row(-4.5), (Row{"Inspection for Defective Units"}));
    EXPECT_EQ(table.Row(-1.5), (Row{"Single: n=50, a=2"}));
    EXPECT_EQ(table.Find("Single: n=50, a=2")->x, 26);
    EXPECT_EQ(table.Row(0.5), (Row{"Percent Defective", "OC (Pa)", "ASN", "E{#Stages}", "AOQ"}));
    EXPECT_EQ(table.RowX(0.5), (std::vector<double>{5, 14, 22, 30, 38}));
    // Pa and AOQ = x Pa of the exact binomial (mpmath), to six digits; ASN 50, cost 1.
    EXPECT_EQ(table.Row(2.5), (Row{"0", "1", "50", "1", "0"}));
    EXPECT_EQ(table.Row(3.5), (Row{"0.25", "0.99972", "50", "1", "0.24993"}));
    EXPECT_EQ(table.Row(4.5), (Row{"0.5", "0.997944", "50", "1", "0.498972"}));
    EXPECT_EQ(table.Row(6.0), (Row{"0.75", "0.993642", "50", "1", "0.745232"}));
    EXPECT_EQ(table.Row(7.0), (Row{"1", "0.986183", "50", "1", "0.986183"}));
    const double bottom = 8.5;
    for (double y : {0.0, 2.0, bottom})
        EXPECT_TRUE(table.HasRule(0, y, 42, y)) << y;
    EXPECT_TRUE(table.HasRule(10, -2, 42, -2));
    EXPECT_TRUE(table.HasRule(0, 0, 0, bottom));
    EXPECT_TRUE(table.HasRule(10, -2, 10, bottom));
    EXPECT_TRUE(table.HasRule(42, -2, 42, bottom));
    for (double x : {18, 26, 34})
        EXPECT_TRUE(table.HasRule(x, 0, x, bottom)) << x;
    EXPECT_EQ(table.rules.size(), 10u);
    const Drawing& drawing = *list->CurvesTable();
    EXPECT_EQ(drawing.dLeft(), -2);
    EXPECT_EQ(drawing.dTop(), -9);
    EXPECT_EQ(drawing.dRight(), 44);
    EXPECT_EQ(drawing.dBottom(), bottom + 2);
}

TEST_F(EvaluationTablesTest, CurvesTextOfTwoPlans)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    session.vdAddPlan(DefectivesSingle("20", "0"));
    auto list = List({1, 2});
    String message;
    ASSERT_EQ(list->SetRange("0", "1", "1", message), 0);
    SamplingPlan& second = *session.Plan(2);
    const std::string pa = second.dPa(Number(1)).Text(6, true);
    const std::string aoq = second.dAOQ(Number(1)).Text(6, true);
    String text;
    list->GetCurvesTableText(text);
    EXPECT_EQ(Text(text), "\t\t\tTable of OC, ASN and AOQ Curves\n"
                          "\t\t\tInspection for Defective Units\n"
                          "\t\tSingle: n=50, a=2\t\t\t\tSingle: n=20, a=0\n"
                          "Percent Defective\tOC (Pa)\tASN\tE{#Stages}\tAOQ\tOC (Pa)\tASN\t"
                          "E{#Stages}\tAOQ\n"
                          "0\t1\t50\t1\t0\t1\t20\t1\t0\n"
                          "1\t0.986183\t50\t1\t0.986183\t" +
                              pa + "\t20\t1\t" + aoq);
    // Each group of the drawing is 32 wide: the second starts at 42.
    TableContents table(*list->CurvesTable());
    EXPECT_EQ(table.Find("Single: n=20, a=0")->x, 58);
    EXPECT_TRUE(table.HasRule(74, -2, 74, 5));
    EXPECT_EQ(table.Row(3.5).size(), 9u);
}

TEST_F(EvaluationTablesTest, TheGridEndsExactlyOnTheRangeEnds)
{
    session.vdAddPlan(DefectsPerUnitSingle("50", "2"));
    auto list = List({1});
    String message;
    ASSERT_EQ(list->SetRange("0.1", "0.7", "3", message), 0);
    TableContents table(*list->CurvesTable());
    const double rows[] = {2.5, 3.5, 4.5, 6.0};
    const char* levels[] = {"0.1", "0.3", "0.5", "0.7"};
    for (int j = 0; j < 4; ++j)
        EXPECT_EQ(table.Row(rows[j]).front(), levels[j]);
    String text;
    list->GetCurvesTableText(text);
    EXPECT_EQ(Text(text).substr(Text(text).rfind('\n') + 1, 4), "0.7\t");
    // The cost title names the cost column; "Cost" when it is empty.
    ASSERT_EQ(SamplingPlan::SetCostParameters("", "1", "0", message), 0);
    session.vdApplyCostParameters();
    list->GetCurvesTableText(text);
    EXPECT_NE(Text(text).find("\tASN\tCost\tAOQ\n"), std::string::npos);
    EXPECT_STREQ(list->CostPlot()->MainTitle().Text(), "Cost Curve");
}

TEST_F(EvaluationTablesTest, ValuesAPlanCannotGiveAreShownAsNone)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    session.vdAddPlan(DefectivesSingle("20", "0"));
    auto list = List({1, 2});
    // An edit the plan cannot take leaves it not valid, described by the reason.
    static_cast<DefectivesSingleSamplingPlan&>(*session.Plan(2))
        .vdDescribe("20", "30", 0, false, "");
    session.vdReplacePlan(2);
    const std::string reason = session.Plan(2)->Description().Text();
    TableContents percentiles(*list->PercentilesTable());
    Row none(9, "none");
    none.insert(none.begin(), reason);
    EXPECT_EQ(percentiles.Row(3.5), none);

    TableContents summary(*list->PlansTable());
    EXPECT_EQ(summary.Row(3.5)[0], reason);

    // The valid plan sets the scale; the other's cells read "none".
    EXPECT_EQ(list->TableMinimum().dValue(), 0);
    String text;
    list->GetCurvesTableText(text);
    const std::string last = Text(text).substr(Text(text).rfind('\n') + 1);
    EXPECT_EQ(last.substr(last.size() - 20), "\tnone\tnone\tnone\tnone");
    EXPECT_EQ(last.find("none"), last.size() - 19);
}

TEST_F(EvaluationTablesTest, SetRangeChecksInOrderAndChangesNothingOnFailure)
{
    session.vdAddPlan(DefectivesSingle("50", "2"));
    auto list = List({1});
    String message;
    ASSERT_EQ(list->SetRange("0", "10", "4", message), 0);
    TableContents accepted(*list->CurvesTable());
    EXPECT_EQ(accepted.Row(3.5).front(), "2.5");
    EXPECT_EQ(accepted.Row(7.0).front(), "10");

    struct Refused
    {
        const char* minimum;
        const char* maximum;
        const char* intervals;
        int result;
        const char* message;
    };
    for (const Refused& r : {
             Refused{"abc", "x", "y", 1, "Minimum value not valid."},
             Refused{"0", "", "y", 2, "Maximum value not valid."},
             Refused{"0", "10", "y", 3, "Number of intervals is not valid."},
             Refused{"0", "10", "1e300", 3, "Number of intervals is not valid."},
             Refused{"0", "10", "2.5", 3, "Number of intervals must be integer."},
             Refused{"0", "10", "0", 3, "Number of intervals must be at least one."},
             Refused{"0", "10", "-3", 3, "Number of intervals must be at least one."},
             Refused{"5", "5", "10", 1, "Minimum value must be less than maximum value."},
             Refused{"6", "5", "10", 1, "Minimum value must be less than maximum value."},
             Refused{"-1", "10", "10", 1, "Minimum value cannot be below 0."},
             Refused{"0", "150", "10", 2, "Maximum value cannot be above 100."},
             Refused{"0", "10", "1001", 3, "Number of intervals cannot be above 1000."},
             Refused{"0", "10", "4000000000", 3, "Number of intervals cannot be above 1000."},
         })
    {
        EXPECT_EQ(list->SetRange(r.minimum, r.maximum, r.intervals, message), r.result)
            << r.minimum << " " << r.maximum << " " << r.intervals;
        EXPECT_STREQ(message.Text(), r.message);
        EXPECT_EQ(list->TableMaximum().dValue(), 10);
        EXPECT_EQ(list->TableIntervals().dValue(), 4);
    }
    TableContents unchanged(*list->CurvesTable());
    EXPECT_EQ(unchanged.texts.size(), accepted.texts.size());

    EXPECT_EQ(list->SetRange(" 0 ", "100", "1000", message), 0);
    TableContents widest(*list->CurvesTable());
    EXPECT_EQ(widest.Find("100")->y, 2.5 + 1000 + 0.5 * 333);
}

TEST_F(EvaluationTablesTest, DefectsHaveNoUpperLimitOnTheRange)
{
    session.vdAddPlan(DefectsPerUnitSingle("50", "2"));
    auto list = List({1});
    String message;
    EXPECT_EQ(list->SetRange("0", "1000", "10", message), 0);
    EXPECT_EQ(list->SetRange("-1", "1000", "10", message), 1);
    EXPECT_STREQ(message.Text(), "Minimum value cannot be below 0.");
}

} // namespace
} // namespace Brosquin
