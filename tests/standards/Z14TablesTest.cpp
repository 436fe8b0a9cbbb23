#include "standards/Z14Tables.h"
#include "standards/Z14LimitNumbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace Brosquin
{
namespace
{

enum Table
{
    SingleNormal,
    SingleTightened,
    SingleReduced,
    DoubleNormal,
    DoubleTightened,
    DoubleReduced,
    MultipleNormal,
    MultipleTightened,
    MultipleReduced
};

std::vector<int> Cell(Table table, std::uint32_t aqlPosition, std::uint32_t letter)
{
    const Z14PlanTable& t = Z14PlanTables[table];
    const std::int32_t* cell = t.cells + (aqlPosition * 16 + letter) * t.fieldCount;
    return std::vector<int>(cell, cell + t.fieldCount);
}

std::vector<int> Letters(std::uint32_t lotSize)
{
    return std::vector<int>(Z14CodeLetterTable[lotSize], Z14CodeLetterTable[lotSize] + 7);
}

constexpr std::uint32_t aql1 = 10;
constexpr std::uint32_t letterC = 2;
constexpr std::uint32_t letterK = 9;

TEST(Z14TablesTest, QuotedCells)
{
    EXPECT_EQ(Letters(0), (std::vector<int>{0, 0, 0, 0, 0, 0, 1}));
    EXPECT_EQ(Letters(8), (std::vector<int>{2, 2, 4, 5, 6, 8, 9}));
    EXPECT_EQ(Letters(14), (std::vector<int>{3, 4, 7, 9, 12, 14, 15}));

    EXPECT_EQ(Cell(SingleNormal, aql1, letterK), (std::vector<int>{125, 3}));
    EXPECT_EQ(Cell(SingleTightened, aql1, letterK), (std::vector<int>{125, 2}));
    EXPECT_EQ(Cell(SingleReduced, aql1, letterK), (std::vector<int>{50, 1, 4}));
    EXPECT_EQ(Cell(DoubleNormal, aql1, letterK), (std::vector<int>{80, 1, 4, 4}));
    EXPECT_EQ(Cell(DoubleTightened, aql1, letterK), (std::vector<int>{80, 0, 3, 3}));
    EXPECT_EQ(Cell(DoubleReduced, aql1, letterK), (std::vector<int>{32, 0, 4, 1, 5}));
    EXPECT_EQ(Cell(MultipleNormal, aql1, letterK),
              (std::vector<int>{32, -1, 3, 0, 3, 1, 4, 2, 5, 3, 6, 4, 6, 6, 7}));
    EXPECT_EQ(Cell(MultipleTightened, aql1, letterK),
              (std::vector<int>{32, -1, 2, 0, 3, 0, 3, 1, 4, 2, 4, 3, 5, 4, 5}));
    EXPECT_EQ(Cell(MultipleReduced, aql1, letterK),
              (std::vector<int>{13, -1, 3, -1, 3, 0, 4, 0, 5, 1, 6, 1, 6, 2, 7}));

    for (std::uint32_t letter = 0; letter <= 5; ++letter)
    {
        for (Table t : {DoubleNormal, DoubleTightened, DoubleReduced, MultipleNormal,
                        MultipleTightened, MultipleReduced})
            EXPECT_EQ(Cell(t, aql1, letter)[0], 0) << t << " " << letter;
        EXPECT_EQ(Cell(SingleNormal, aql1, letter), (std::vector<int>{13, 0}));
        EXPECT_EQ(Cell(SingleTightened, aql1, letter), (std::vector<int>{20, 0}));
        EXPECT_EQ(Cell(SingleReduced, aql1, letter), (std::vector<int>{5, 0, 1}));
    }
    for (std::uint32_t letter = 0; letter < 16; ++letter)
    {
        EXPECT_EQ(Cell(SingleNormal, 0, letter), (std::vector<int>{1250, 0}));
        EXPECT_EQ(Cell(SingleNormal, 25, letter),
                  (letter == 0 ? std::vector<int>{2, 30} : std::vector<int>{3, 44}));
    }
    // The tightened table's extra letter S, reached from Q and R at AQL 0.025.
    for (std::uint32_t letter : {14u, 15u})
    {
        EXPECT_EQ(Cell(SingleTightened, 2, letter), (std::vector<int>{3150, 1}));
        EXPECT_EQ(Cell(DoubleTightened, 2, letter), (std::vector<int>{2000, 0, 2, 1}));
        EXPECT_EQ(Cell(MultipleTightened, 2, letter)[0], 800);
    }
    // "25" among the defects-per-unit AQLs is the standard's AQL 25, not its 15.
    EXPECT_EQ(Z14AqlTableRow(1, 16), 17u);
    EXPECT_EQ(Cell(SingleNormal, 17, 0), (std::vector<int>{2, 1}));
    EXPECT_EQ(Cell(SingleNormal, 16, 0), (std::vector<int>{3, 1}));
    EXPECT_EQ(Z14AqlTableRow(1, 23), 25u);
    EXPECT_EQ(Z14AqlTableRow(0, 15), 15u);

    const std::vector<int> row0(Z14LimitNumberTable[0], Z14LimitNumberTable[0] + 26);
    EXPECT_EQ(row0, (std::vector<int>{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1,  -1,
                                      -1, -1, 0,  0,  2,  4,  8,  14, 22, 40, 68, 115, 181}));
    const std::vector<int> row16(Z14LimitNumberTable[16], Z14LimitNumberTable[16] + 26);
    EXPECT_EQ(row16, (std::vector<int>{0,  1,  4,  8,  14, 24, 38, 67, 111, 186, -2, -2, -2,
                                       -2, -2, -2, -2, -2, -2, -2, -2, -2,  -2,  -2, -2, -2}));
}

TEST(Z14TablesTest, PlanInEffect)
{
    // No multiple and no double plan at AQL 1.0 for letter C: the single plan.
    Z14Plan plan = Z14PlanInEffect(aql1, letterC, Z14Multiple, Z14Regime::Normal);
    EXPECT_EQ(std::vector<int>({int(plan.planType), plan.n, plan.accept[0], plan.reject[0]}),
              (std::vector<int>{Z14Single, 13, 0, 1}));
    // No multiple plan at AQL 10 for letter B, but a double one.
    plan = Z14PlanInEffect(15, 1, Z14Multiple, Z14Regime::Normal);
    EXPECT_EQ(plan.planType, Z14Double);
    EXPECT_EQ(
        std::vector<int>({plan.n, plan.accept[0], plan.reject[0], plan.accept[1], plan.reject[1]}),
        (std::vector<int>{3, 0, 2, 1, 2}));
    // A reduced plan accepts below its last reject number, and stays on reduced only up to the
    // table's acceptance number.
    plan = Z14PlanInEffect(aql1, letterK, Z14Multiple, Z14Regime::Reduced);
    EXPECT_EQ(plan.accept[6], 6);
    EXPECT_EQ(plan.stayAccept, 2);
    EXPECT_EQ(plan.accept[0], -1);
    EXPECT_EQ(plan.TotalSample(), 91);
}

TEST(Z14TablesTest, LimitNumbers)
{
    // The minimum units start the first row with a number; at AQL 6.5 that row is "30 - 49".
    for (std::size_t a = 0; a < 26; ++a)
    {
        std::size_t row = 0;
        while (Z14LimitNumberTable[row][a] == -1)
            ++row;
        EXPECT_EQ(Z14MinimumSampleUnits[a], Z14LimitNumberRowLowerBounds[row]) << a;
    }
    EXPECT_EQ(Z14MinimumSampleUnits[14], 30);

    EXPECT_EQ(Z14LimitNumber(0, 15), -1);
    EXPECT_EQ(Z14LimitNumber(15, 15), 0);
    EXPECT_EQ(Z14LimitNumber(17, 29), 2);
    EXPECT_EQ(Z14LimitNumber(17, 30), 3);
    EXPECT_EQ(Z14LimitNumber(0, 31499), 0);
    EXPECT_EQ(Z14LimitNumber(1, 31500), 1);
    EXPECT_EQ(Z14LimitNumber(1, std::numeric_limits<std::uint32_t>::max()), 1);
    EXPECT_EQ(Z14LimitNumber(10, 31500), -2);

    struct Case
    {
        std::uint32_t aqlPosition;
        double n;
        std::int32_t limit;
        std::int32_t lots;
    };
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (const Case& c :
         {Case{0, 1250, 0, 16}, Case{14, 2, 0, 15}, Case{10, 125, 7, 10}, Case{10, 80.5, 4, 10},
          Case{0, 0, -2, 10}, Case{0, -1, -2, 10}, Case{0, nan, -2, 10}, Case{0, inf, -2, 10},
          Case{0, 1e-300, -2, 10}, Case{0, 1e300, 0, 10}})
    {
        std::int32_t limit = 99;
        std::int32_t lots = 99;
        Z14ReducedLots(c.aqlPosition, c.n, limit, lots);
        EXPECT_EQ(limit, c.limit) << c.aqlPosition << " " << c.n;
        EXPECT_EQ(lots, c.lots) << c.aqlPosition << " " << c.n;
    }
    // A single normal plan of the tables always reaches a limit number.
    for (std::uint32_t a = 0; a < 26; ++a)
        for (std::uint32_t letter = 0; letter < 16; ++letter)
        {
            std::int32_t limit = 0;
            std::int32_t lots = 0;
            Z14ReducedLots(a, Cell(SingleNormal, a, letter)[0], limit, lots);
            EXPECT_GE(limit, 0) << a << " " << letter;
        }
}

// Where lots without a nonconforming unit reach a limit number of 0, and runs holding one can
// never reach a row whose limit they would meet, the rule asks just for clean runs.
TEST(Z14TablesTest, CleanRunLots)
{
    const auto lots = [](std::uint32_t a, std::uint32_t letter, std::uint32_t planType)
    { return Z14CleanRunLots(a, Z14PlanInEffect(a, letter, planType, Z14Regime::Normal)); };
    // AQL 0.025, letter Q, double: 10 lots of 1250 clean units; a second sample after a
    // nonconforming unit adds 1250, and the 20000 units of the next row, limit 2, take 6 of them.
    EXPECT_EQ(lots(2, 14, 1), 10);
    EXPECT_EQ(lots(0, 3, 0), 16);
    // AQL 1.0, letter G, multiple: clean lots are decided at the third stage of 13 units.
    EXPECT_EQ(lots(aql1, 6, 2), 10);
    // Limits 7, 4 and 2 at AQL 1.0, letter K; none at all for 8000 units at AQL 4.0.
    for (std::uint32_t type = 0; type < 3; ++type)
        EXPECT_EQ(lots(aql1, letterK, type), 0) << type;
    EXPECT_EQ(lots(13, 13, 0), 0);

    // Lots of 1250 units at AQL 0.025 that go on to a later stage with one nonconforming unit:
    // three samples more each bring the 10 lots to 20000 units with 2 of them, meeting the limit
    // of 2; two samples more need 3.
    Z14Plan plan;
    plan.planType = Z14Multiple;
    plan.n = 1250;
    for (int extra : {3, 2})
    {
        for (int k = 0; k < 7; ++k)
        {
            plan.accept[k] = k < extra ? 0 : 1;
            plan.reject[k] = 2;
        }
        EXPECT_EQ(Z14CleanRunLots(2, plan), extra == 3 ? 0 : 10) << extra;
    }

    // The 477 cells, all at the AQLs up to 10, that clean_run_cells.py beside this test finds by
    // searching every run of lots of every cell.
    int cells = 0;
    for (std::uint32_t aql = 0; aql < 24; ++aql)
        for (std::uint32_t letter = 0; letter < 16; ++letter)
            for (std::uint32_t type = 0; type < 3; ++type)
                cells += lots(Z14AqlTableRow(1, aql), letter, type) > 0;
    EXPECT_EQ(cells, 477);
}

} // namespace
} // namespace Brosquin
