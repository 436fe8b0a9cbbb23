#include "plans/SamplingPlanTable.h"

#include "tests/plans/EvaluationTestSupport.h"

#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

using Row = std::vector<std::string>;

class SamplingPlanTableTest : public EvaluationTest
{
protected:
    std::string CopiedText() const
    {
        String text("left over");
        vdCopyAsText(session, text);
        return text.Text();
    }
    Row Cells(std::uint32_t position) const
    {
        const SamplingPlan& plan = *session.Plan(position);
        return {plan.CharacteristicName(),   plan.Description().Text(), plan.AQLPointText().Text(),
                plan.LTPDPointText().Text(), plan.AOQLText().Text(),    plan.UnitsName().Text()};
    }
    static std::string Line(const Row& cells)
    {
        std::string line;
        for (const std::string& cell : cells)
            line += (line.empty() ? "" : "\t") + cell;
        return line;
    }
};

TEST_F(SamplingPlanTableTest, AnEmptySessionHasTheFrameAndTheHeaderLine)
{
    const auto drawing = GetPlansTableDrawing(session);
    const TableContents table(*drawing);
    const auto& title = table.Find("List Sampling Plans");
    EXPECT_TRUE(title.x == 42 && title.y == -3 && title.size == 1.5 && title.colour == blue);
    EXPECT_EQ(table.Row(0.5), (Row{"Characteristic", "Sampling Plans", "AQL (0.95)", "LTPD (0.10)",
                                   "AOQL", "Units"}));
    EXPECT_EQ(table.Find("Units").x, 79);
    EXPECT_EQ(table.texts.size(), 7u);
    // The rules above and below the headings, the bottom at 3 and seven column lines.
    EXPECT_EQ(table.rules.size(), 10u);
    for (double y : {0.0, 2.0, 3.0})
        EXPECT_TRUE(table.HasRule(0, y, 84, y)) << y;
    for (double x : {0, 10, 50, 58, 66, 74, 84})
        EXPECT_TRUE(table.HasRule(x, 0, x, 3)) << x;
    // The invisible frame gives the margins.
    EXPECT_TRUE(drawing->dLeft() == -2 && drawing->dTop() == -5 && drawing->dRight() == 86 &&
                drawing->dBottom() == 5);
    // Printed over several pages, each shows the title and headings and the two columns that
    // name a plan.
    EXPECT_TRUE(drawing->dHeadingsBottom() == 2 && drawing->dLabelsRight() == 50);

    EXPECT_EQ(CopiedText(),
              "Characteristic\tSampling Plans\tAQL (0.95)\tLTPD (0.10)\tAOQL\tUnits\n");
}

TEST_F(SamplingPlanTableTest, RowsStandInGroupsOfThreeWithEveryPlanChecked)
{
    session.vdAddPlan(Single("50", "1"));
    session.vdAddPlan(Single<DefectsPerUnitSingleSamplingPlan>("80", "2"));
    session.vdAddPlan(Single("125", "3", "1000"));
    session.Plan(2)->vdSetChecked(false);

    const auto three = GetPlansTableDrawing(session);
    const TableContents table(*three);
    EXPECT_EQ(table.Row(2.5), Cells(1));
    EXPECT_EQ(table.Row(3.5), Cells(2));
    EXPECT_EQ(table.Row(4.5), Cells(3));
    EXPECT_TRUE(table.HasRule(0, 6, 84, 6));
    EXPECT_EQ(
        CopiedText(),
        Line({"Characteristic", "Sampling Plans", "AQL (0.95)", "LTPD (0.10)", "AOQL", "Units"}) +
            "\n" + Line(Cells(1)) + "\n" + Line(Cells(2)) + "\n" + Line(Cells(3)));

    session.vdAddPlan(Single("20", "0"));
    const auto four = GetPlansTableDrawing(session);
    const TableContents gap(*four);
    EXPECT_EQ(gap.Row(6.0), Cells(4));
    EXPECT_TRUE(gap.HasRule(0, 7.5, 84, 7.5));
    EXPECT_TRUE(gap.HasRule(84, 0, 84, 7.5));
    EXPECT_EQ(four->dBottom(), 9.5);
}

TEST_F(SamplingPlanTableTest, TheHeadingsFollowTheDefinitions)
{
    String message;
    ASSERT_EQ(SamplingPlan::ValidateRiskLevels("0.90", "0.05", 2, message), 0) << message.Text();
    session.vdAddPlan(Single("", ""));
    session.vdApplyDefinitions();
    const auto drawing = GetPlansTableDrawing(session);
    EXPECT_EQ(TableContents(*drawing).Row(0.5), (Row{"Characteristic", "Sampling Plans",
                                                     "AQL (0.90)", "RQL (0.05)", "AOQL", "Units"}));
    // A plan that is not valid keeps its row, with the texts of an invalid plan.
    EXPECT_EQ(TableContents(*drawing).Row(2.5), Cells(1));
    EXPECT_EQ(CopiedText().substr(0, CopiedText().find('\n')),
              "Characteristic\tSampling Plans\tAQL (0.90)\tRQL (0.05)\tAOQL\tUnits");
}

} // namespace
} // namespace Brosquin
