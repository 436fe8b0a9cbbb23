#include "plans/SamplingPlanEvaluationList.h"

#include "graphics/Line.h"
#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesMultipleSamplingPlan.h"
#include "tests/plans/EvaluationTestSupport.h"

#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

using Row = std::vector<std::string>;

class EvaluationTablesTest : public EvaluationTest
{
protected:
    static std::string Text(const String& text) { return text.Text(); }
    static std::string LastLine(const String& text)
    {
        const std::string all = text.Text();
        return all.substr(all.rfind('\n') + 1);
    }
};

TEST_F(EvaluationTablesTest, SummaryDrawingAndText)
{
    session.vdAddPlan(Single<DefectsPerUnitSingleSamplingPlan>("80", "1"));
    session.vdAddPlan(Single<BoundedSinglePlan>("80", "2"));
    auto list = List({1});
    const SamplingPlan& plan = *session.Plan(1);
    TableContents table(*list->PlansTable());
    // The plans' column is as wide as "Single: n=80, a=1" (6.95 lines by the width table) and a
    // line either side; the eight others are 8 wide.
    const double right = 6.95 + 2 + 8 * 8;
    const auto& title = table.Find("Summary Information");
    EXPECT_NEAR(title.x, right / 2, 0.01);
    EXPECT_TRUE(title.y == -5 && title.size == 1.5 && title.colour == blue);
    EXPECT_EQ(
        table.Row(-2.5),
        Row{"Inspection for Defects per Unit - AQL, LTPD, AOQL in Defects per Hundred Units"});
    EXPECT_EQ(table.Row(0.5), (Row{"Sampling Plan", "AQL", "LTPD", "AOQL", "Protection",
                                   "Min OC(AQL)", "Rate AQL", "Max OC(LTPD)", "Rate LTPD"}));
    EXPECT_NEAR(table.Find("Sampling Plan").x, 8.95 / 2, 0.01);
    EXPECT_NEAR(table.Find("AQL").x, 8.95 + 4, 0.01);
    EXPECT_NEAR(table.Find("Rate LTPD").x, right - 4, 0.01);
    EXPECT_EQ(table.Row(2.5),
              (Row{"Single: n=80, a=1", Text(plan.AQLPointText()), Text(plan.LTPDPointText()),
                   Text(plan.AOQLText()), "Constant", "0.95", "100.0", "0.10", "100.0"}));
    // One plan: the bottom rule at 4, nine column lines, the margins two units around.
    for (double y : {0.0, 2.0, 4.0})
        EXPECT_TRUE(table.HasRule(0, y, right, y)) << y;
    for (int c = 0; c <= 8; ++c)
        EXPECT_TRUE(table.HasRule(8.95 + 8 * c, 0, 8.95 + 8 * c, 4)) << c;
    EXPECT_TRUE(table.HasRule(0, 0, 0, 4));
    EXPECT_EQ(table.rules.size(), 13u);
    const Drawing& drawing = *list->PlansTable();
    EXPECT_TRUE(drawing.dLeft() == -2 && drawing.dTop() == -7 && drawing.dBottom() == 6);
    EXPECT_NEAR(drawing.dRight(), right + 2, 1e-9);

    // A plan whose Pa varies, in the text form, after the symbol changed to RQL.
    String message;
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.95", "0.10", 2, message), 0);
    session.vdApplyDefinitions();
    auto bounded = List({2});
    const SamplingPlan& varies = *session.Plan(2);
    String text;
    bounded->GetPlansTableText(text);
    EXPECT_EQ(Text(text),
              "\t\t\tSummary Information\n"
              "\t\t\tInspection for Defective Units - AQL, RQL, AOQL in Percent "
              "Defective\n"
              "Sampling Plan\tAQL\tRQL\tAOQL\tProtection\tMin OC(AQL)\tRate AQL\t"
              "Max OC(RQL)\tRate RQL\n"
              "Single: n=80, a=2\t" +
                  Text(varies.AQLPointText()) + "\t" + Text(varies.LTPDPointText()) + "\t" +
                  Text(varies.AOQLText()) + "\tVaries\t" + Text(varies.PaAtAQLPointText()) + "\t" +
                  Text(varies.PercentAtAQLPointText()) + "\t" + Text(varies.PaAtLTPDPointText()) +
                  "\t" + Text(varies.PercentAtLTPDPointText()));
}

// Descriptions of samples of seven digits, the largest lot and the longest curtailing texts, and
// the values of a plan of a million units in Fraction Defective, cross no rule of the Summary Info
// or the Percentiles: every text stands at least half a line clear of each rule beside it, and
// the plans' column is as wide as the widest description and a line either side.
TEST_F(EvaluationTablesTest, NoTextCrossesARule)
{
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(0));
    auto twice = std::make_unique<DefectivesDoubleSamplingPlan>();
    twice->vdDescribe("9999999", "2000", "2100", "9999999", "4500", 5, true, "2147483646");
    session.vdAddPlan(std::move(twice));
    String n[5], a[5] = {"0", "100", "200", "300", "400"},
                 r[5] = {"150", "240", "330", "380", "401"};
    for (String& stage : n)
        stage = "1999999";
    auto stages = std::make_unique<DefectivesMultipleSamplingPlan>();
    stages->vdDescribe(5, n, a, r, 5, true, "2147483646");
    session.vdAddPlan(std::move(stages));
    session.vdAddPlan(Single("1000000", "0"));
    auto list = List({1, 2, 3});
    double widest = 0;
    for (std::uint32_t plan = 1; plan <= 3; ++plan)
    {
        EXPECT_TRUE(session.Plan(plan)->IsValid()) << Description(plan);
        widest = std::max(widest, session.Plan(plan)->Description().dWidth());
    }
    EXPECT_NE(Description(1).find("Curtail on Second Stage Acceptance Only"), std::string::npos);
    EXPECT_NE(Description(2).find("Curtail on  Acceptance Except First Stage"), std::string::npos);
    ASSERT_GT(widest, 50);
    for (const Drawing* table : {list->PlansTable(), list->PercentilesTable()})
    {
        std::vector<const DrawingObject*> rules, texts;
        for (std::uint32_t i = 1; const DrawingObject* object = table->Object(i); ++i)
            if (object->uType() == Line::type && object->dLeft() == object->dRight())
                rules.push_back(object);
            else if (object->uType() == Brosquin::Text::type && object->dTop() >= 0)
                texts.push_back(object);
        ASSERT_EQ(texts.size(), 4 * (rules.size() - 1));
        double first = table->dRight();
        for (const DrawingObject* rule : rules)
            if (rule->dLeft() > 0)
                first = std::min(first, rule->dLeft());
        EXPECT_NEAR(first, widest + 2, 1e-9);
        std::vector<std::string> crossed;
        for (const DrawingObject* text : texts)
            for (const DrawingObject* rule : rules)
                if (rule->dTop() < text->dBottom() && rule->dBottom() > text->dTop() &&
                    rule->dLeft() > text->dLeft() - 0.5 + 1e-9 &&
                    rule->dLeft() < text->dRight() + 0.5 - 1e-9)
                    crossed.push_back(std::to_string(text->dLeft()) + " to " +
                                      std::to_string(text->dRight()) + " at " +
                                      std::to_string(rule->dLeft()));
        EXPECT_TRUE(crossed.empty())
            << crossed.size() << " such as a text from " << crossed.front();
    }
}

TEST_F(EvaluationTablesTest, RowsStandOneApartWithAGapAfterEveryThird)
{
    for (const char* n : {"20", "30", "40", "50"})
        session.vdAddPlan(Single(n, "0"));
    auto list = List({1, 2, 3, 4});
    TableContents table(*list->PlansTable());
    for (auto [y, n] : {std::pair{2.5, "20"}, {3.5, "30"}, {4.5, "40"}, {6.0, "50"}})
        EXPECT_EQ(table.Row(y)[0], std::string("Single: n=") + n + ", a=0");
    // Descriptions 6.95 lines wide.
    EXPECT_TRUE(table.HasRule(0, 7.5, 8.95 + 8 * 8, 7.5));
    EXPECT_TRUE(TableContents(*list->PercentilesTable()).HasRule(0, 7.5, 8.95 + 9 * 6, 7.5));
}

TEST_F(EvaluationTablesTest, PercentilesAreTheExactQualityLevelsInEveryDigitShown)
{
    // Quality levels at Pa 99%, 95%, ..., 1% by bisection on the exact binomial (percent
    // defective) and Poisson (defects per hundred units) distributions, mpmath at 40 digits.
    struct Case
    {
        std::unique_ptr<SamplingPlan> plan;
        std::vector<double> levels;
        Row shown;
    };
    Case cases[] = {
        {Single("50", "2"),
         {0.88607614458725492, 1.6551859189231360, 2.2243984694506102, 3.4643695355418784,
          5.3122268479286557, 7.6911539278449651, 10.295920853671927, 12.061415542204413,
          15.770404761479477},
         {"0.88608", "1.6552", "2.2244", "3.4644", "5.3122", "7.6912", "10.296", "12.061",
          "15.77"}},
        {Single("20", "0"),
         {0.050239055225847419, 0.25613787765302828, 0.52541740694689424, 1.4281146643185332,
          3.4063671075154449, 6.6967008463192584, 10.874906186625447, 13.910834066826520,
          20.567176527571850},
         {"0.050239", "0.25614", "0.52542", "1.4281", "3.4064", "6.6967", "10.875", "13.911",
          "20.567"}},
        {Single<DefectsPerUnitSingleSamplingPlan>("80", "1"),
         {0.18569342531658252, 0.44420188837332779, 0.66476451048701494, 1.2015984538934714,
          2.0979337375208258, 3.3657931611121197, 4.8621502123342862, 5.9298306479882229,
          8.2979400849922653},
         {"0.18569", "0.4442", "0.66476", "1.2016", "2.0979", "3.3658", "4.8622", "5.9298",
          "8.2979"}},
    };
    const double pas[] = {0.99, 0.95, 0.90, 0.75, 0.50, 0.25, 0.10, 0.05, 0.01};
    for (Case& c : cases)
    {
        SamplingPlan& plan = *c.plan;
        session.vdAddPlan(std::move(c.plan));
        auto list = List({session.Count()});
        for (std::size_t k = 0; k < 9; ++k)
            ExpectClose(plan.dQualityLevelAtPa(RealOf(pas[k])), c.levels[k], 1e-12);
        Row expected = {Text(plan.Description())};
        expected.insert(expected.end(), c.shown.begin(), c.shown.end());
        EXPECT_EQ(TableContents(*list->PercentilesTable()).Row(2.5), expected);
        String text;
        list->GetPercentilesTableText(text);
        std::string joined = expected[0];
        for (std::size_t k = 1; k < expected.size(); ++k)
            joined += "\t" + expected[k];
        EXPECT_EQ(LastLine(text), joined);
    }
}

TEST_F(EvaluationTablesTest, PercentilesOfAFiniteLotAreAttainableLevelsOnTheSafeSide)
{
    // N = 400, n = 80, a = 1. With exact hypergeometric probabilities (Python fractions) D* is
    // the largest count of defectives in the lot with Pa(D*) >= P: the table shows D* x 0.25 %
    // above P = 1/2 and (D* + 1) x 0.25 % below; at 1/2 the level nearest the exact point.
    session.vdAddPlan(Single("80", "1", "400"));
    auto list = List({1});
    Row row = TableContents(*list->PercentilesTable()).Row(2.5);
    ASSERT_EQ(row.size(), 10u);
    EXPECT_TRUE(row[5] == "2" || row[5] == "2.25") << row[5];
    row.erase(row.begin() + 5);
    EXPECT_EQ(row, (Row{"Single: n=80, a=1, N=400", "0.25", "0.5", "0.5", "1", "3.25", "4.5", "5.5",
                        "7.5"}));
}

TEST_F(EvaluationTablesTest, PercentilesLayoutAndExponentForms)
{
    // One in a million: p = 1 - Pa^(1/1000000) (mpmath) lies below 1e-7 for Pa 99% and 95%.
    ASSERT_TRUE(DefectivesSamplingPlan::Units().SetCurrentIndex(0));
    session.vdAddPlan(Single("1000000", "0"));
    auto list = List({1});
    TableContents table(*list->PercentilesTable());
    // Columns as wide as their texts (by the width table) and a line beside the description, half
    // a line beside a value, but 6 wide at the least: 9.4 + 2 for "Single: n=1000000, a=0", 6 for
    // "1.005 10^-8", 6.13 for "5.1293 10^-8", 7.13 for "0.00000010536" and its two neighbours,
    // 6.64 for "0.0000013863" and the three after it.
    std::vector<double> rules = {11.4};
    for (double width : {6.0, 6.13, 7.13, 7.13, 7.13, 6.64, 6.64, 6.64, 6.64})
        rules.push_back(rules.back() + width);
    EXPECT_EQ(table.Row(-5), Row{"Percentiles in Fraction Defective"});
    EXPECT_NEAR(table.Find("Percentiles in Fraction Defective").x, rules.back() / 2, 0.01);
    EXPECT_EQ(table.Row(0.5),
              (Row{"Sampling Plan", "99%", "95%", "90%", "75%", "50%", "25%", "10%", "5%", "1%"}));
    EXPECT_NEAR(table.Find("1%").x, rules.back() - 3.32, 0.01);
    for (double x : rules)
        EXPECT_TRUE(table.HasRule(x, 0, x, 4)) << x;
    EXPECT_NEAR(list->PercentilesTable()->dRight(), rules.back() + 2, 1e-9);
    const Row row = table.Row(2.5);
    EXPECT_EQ(Row(row.begin() + 1, row.begin() + 4),
              (Row{"1.005 10^-8", "5.1293 10^-8", "0.00000010536"}));
    String text;
    list->GetPercentilesTableText(text);
    EXPECT_EQ(Text(text), "\t\t\tPercentiles in Fraction Defective\n"
                          "\t\t\tInspection for Defective Units\n"
                          "Sampling Plans\t99%\t95%\t90%\t75%\t50%\t25%\t10%\t5%\t1%\n"
                          "Single: n=1000000, a=0\t1.005e-8\t5.1293e-8\t0.00000010536\t"
                          "0.00000028768\t0.00000069315\t0.0000013863\t0.0000023026\t"
                          "0.0000029957\t0.0000046052");
}

TEST_F(EvaluationTablesTest, CurvesDrawingOverTheTableRange)
{
    session.vdAddPlan(Single("50", "2"));
    auto list = List({1});
    String message;
    ASSERT_EQ(list->SetRange("0", "1", "4", message), 0);
    TableContents table(*list->CurvesTable());
    EXPECT_EQ(table.Row(-7), Row{"Table of OC, ASN and AOQ Curves"});
    EXPECT_EQ(table.Find("Table of OC, ASN and AOQ Curves").x, 21);
    EXPECT_EQ(table.Row(-4.5), Row{"Inspection for Defective Units"});
    EXPECT_EQ(table.Find("Single: n=50, a=2").x, 26);
    EXPECT_EQ(table.Row(0.5), (Row{"Percent Defective", "OC (Pa)", "ASN", "E{#Stages}", "AOQ"}));
    EXPECT_EQ(table.Find("AOQ").x, 38);
    // Pa and AOQ = x Pa of the exact binomial (mpmath) to six digits; ASN 50 and cost 1.
    EXPECT_EQ(table.Row(2.5), (Row{"0", "1", "50", "1", "0"}));
    EXPECT_EQ(table.Row(3.5), (Row{"0.25", "0.99972", "50", "1", "0.24993"}));
    EXPECT_EQ(table.Row(4.5), (Row{"0.5", "0.997944", "50", "1", "0.498972"}));
    EXPECT_EQ(table.Row(6.0), (Row{"0.75", "0.993642", "50", "1", "0.745232"}));
    EXPECT_EQ(table.Row(7.0), (Row{"1", "0.986183", "50", "1", "0.986183"}));
    const double bottom = 8.5;
    for (double y : {0.0, 2.0, bottom})
        EXPECT_TRUE(table.HasRule(0, y, 42, y)) << y;
    for (auto [x, top] :
         {std::pair{0.0, 0.0}, {10.0, -2.0}, {18.0, 0.0}, {26.0, 0.0}, {34.0, 0.0}, {42.0, -2.0}})
        EXPECT_TRUE(table.HasRule(x, top, x, bottom)) << x;
    EXPECT_TRUE(table.HasRule(10, -2, 42, -2));
    EXPECT_EQ(table.rules.size(), 10u);
    EXPECT_TRUE(list->CurvesTable()->dTop() == -9 && list->CurvesTable()->dRight() == 44 &&
                list->CurvesTable()->dBottom() == bottom + 2);

    // The grid ends exactly on the range's ends.
    ASSERT_EQ(list->SetRange("0.1", "0.7", "3", message), 0);
    TableContents grid(*list->CurvesTable());
    for (auto [y, level] : {std::pair{2.5, "0.1"}, {3.5, "0.3"}, {4.5, "0.5"}, {6.0, "0.7"}})
        EXPECT_EQ(grid.Row(y).front(), level);
}

TEST_F(EvaluationTablesTest, CurvesTextOfTwoPlans)
{
    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single("125", "3"));
    auto list = List({1, 2});
    String message;
    ASSERT_EQ(list->SetRange("0", "20", "1", message), 0);
    // Pa of 50/2 and of 125/3 at 20 % by the exact binomial (mpmath): 0.00128541 and 4.2183763e-9;
    // the text writes exponents as "e", so that a spreadsheet reads them as numbers.
    String text;
    list->GetCurvesTableText(text);
    EXPECT_EQ(Text(text), "\t\t\tTable of OC, ASN and AOQ Curves\n"
                          "\t\t\tInspection for Defective Units\n"
                          "\t\tSingle: n=50, a=2\t\t\t\tSingle: n=125, a=3\n"
                          "Percent Defective\tOC (Pa)\tASN\tE{#Stages}\tAOQ\tOC (Pa)\tASN\t"
                          "E{#Stages}\tAOQ\n"
                          "0\t1\t50\t1\t0\t1\t125\t1\t0\n"
                          "20\t0.00128541\t50\t1\t0.0257083\t4.21838e-9\t125\t1\t8.43675e-8");
    TableContents table(*list->CurvesTable());
    EXPECT_EQ(table.Row(3.5), (Row{"20", "0.00128541", "50", "1", "0.0257083", "4.21838 10^-9",
                                   "125", "1", "8.43675 10^-8"}));
    EXPECT_EQ(table.Find("Single: n=125, a=3").x, 58);
    EXPECT_TRUE(table.HasRule(74, -2, 74, 5));

    // The cost column is named by the cost title, "Cost" when it is empty.
    ASSERT_EQ(SamplingPlan::SetCostParameters("", "1", "0", message), 0);
    session.vdApplyCostParameters();
    list->GetCurvesTableText(text);
    EXPECT_NE(Text(text).find("\tASN\tCost\tAOQ\t"), std::string::npos);
    EXPECT_STREQ(list->CostPlot()->MainTitle().Text(), "Cost Curve");
}

TEST_F(EvaluationTablesTest, ValuesAPlanCannotGiveAreShownAsNone)
{
    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single("20", "0"));
    auto list = List({1, 2});
    // An edit the plan cannot take leaves it not valid, described by the reason.
    static_cast<DefectivesSingleSamplingPlan&>(*session.Plan(2))
        .vdDescribe("20", "30", 0, false, "");
    session.vdReplacePlan(2);
    Row none(9, "none");
    none.insert(none.begin(), Description(2));
    EXPECT_EQ(TableContents(*list->PercentilesTable()).Row(3.5), none);
    EXPECT_EQ(TableContents(*list->PlansTable()).Row(3.5)[0], Description(2));
    String text;
    list->GetCurvesTableText(text);
    const std::string last = LastLine(text);
    EXPECT_EQ(last.find("none"), last.size() - 19);
    EXPECT_EQ(last.substr(last.size() - 20), "\tnone\tnone\tnone\tnone");
}

TEST_F(EvaluationTablesTest, SetRangeChecksInOrderAndChangesNothingOnFailure)
{
    session.vdAddPlan(Single("50", "2"));
    session.vdAddPlan(Single<DefectsPerUnitSingleSamplingPlan>("50", "2"));
    auto list = List({1});
    String message;
    ASSERT_EQ(list->SetRange("0", "10", "4", message), 0);
    TableContents accepted(*list->CurvesTable());
    EXPECT_EQ(accepted.Row(3.5).front(), "2.5");
    EXPECT_EQ(accepted.Row(7.0).front(), "10");
    struct Refused
    {
        const char *minimum, *maximum, *intervals;
        int result;
        const char* message;
    };
    for (const Refused& r : {
             Refused{"abc", "x", "y", 1, "Minimum value not valid."},
             Refused{"0", "", "y", 2, "Maximum value not valid."},
             Refused{"0", "10", "1e300", 3, "Number of intervals is not valid."},
             Refused{"0", "10", "2.5", 3, "Number of intervals must be integer."},
             Refused{"0", "10", "0", 3, "Number of intervals must be at least one."},
             Refused{"0", "10", "-3", 3, "Number of intervals must be at least one."},
             Refused{"5", "5", "10", 1, "Minimum value must be less than maximum value."},
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
    EXPECT_EQ(TableContents(*list->CurvesTable()).texts.size(), accepted.texts.size());

    EXPECT_EQ(list->SetRange(" 0 ", "100", "1000", message), 0);
    EXPECT_EQ(TableContents(*list->CurvesTable()).Find("100").y, 2.5 + 1000 + 0.5 * 333);
    // Defects per unit have no upper limit.
    auto defects = List({2});
    EXPECT_EQ(defects->SetRange("0", "1000", "10", message), 0);
}

TEST_F(EvaluationTablesTest, TheTablesOfAllListsHoldNoMoreRowsThanTheBound)
{
    // 600 plans take 6600 of the 550 000 rows at the default range: 915 intervals at most.
    std::vector<std::uint32_t> all;
    for (std::uint32_t plan = 1; plan <= 600; ++plan)
    {
        session.vdAddPlan(Single(std::to_string(5 + plan % 20).c_str(), "0"));
        all.push_back(plan);
    }
    auto large = List(all);
    EXPECT_EQ(large->PlanRows(), 6600u);
    EXPECT_EQ(large->MostIntervals(), 915u);
    String message;
    EXPECT_EQ(large->SetRange("0", "10", "916", message), 3);
    EXPECT_STREQ(message.Text(), "Number of intervals cannot be above 915.");
    EXPECT_EQ(large->TableIntervals().dValue(), 10) << "nothing changed";
    // The rows of the other lists count, each at 11 a plan at the least.
    auto small = List({1, 2, 3, 4, 5, 6, 7, 8, 9, 10});
    ASSERT_EQ(small->SetRange("0", "10", "2", message), 0);
    EXPECT_EQ(small->PlanRows(), 110u);
    EXPECT_EQ(large->MostIntervals(), (550000u - 110) / 600 - 1);
    ASSERT_EQ(small->SetRange("0", "10", "1000", message), 0) << message.Text();
    EXPECT_EQ(large->MostIntervals(), (550000u - 10010) / 600 - 1);
    EXPECT_EQ(small->MostIntervals(), 1000u);
}

} // namespace
} // namespace Brosquin
