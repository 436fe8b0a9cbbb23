#include "standards/Z19Tables.h"
#include "core/RealOf.h"
#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "plans/VariablesPlanTerms.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <tuple>

namespace Brosquin
{
namespace
{

// The cells of a row written as "n/v" for letters B to P.
void ExpectRow(int table, std::uint32_t aql, const std::string& cells)
{
    std::istringstream in(cells);
    for (std::uint32_t letter = 0; letter < 14; ++letter)
    {
        double n = 0;
        double v = 0;
        char slash = 0;
        ASSERT_TRUE(in >> n >> slash >> v);
        EXPECT_EQ(Z19PlanTables[table][aql][letter].n, n) << table << " " << aql << " " << letter;
        EXPECT_EQ(Z19PlanTables[table][aql][letter].v, v) << table << " " << aql << " " << letter;
    }
}

std::string Where(int table, std::uint32_t aql, std::uint32_t letter)
{
    return std::to_string(table) + " " + std::to_string(aql) + " " + std::to_string(letter);
}

bool IsOddCell(int kTable, std::uint32_t aql, std::uint32_t letter)
{
    return (kTable == 6 && aql == 4 && letter == 3) || (kTable == 7 && aql == 5 && letter == 3) ||
           (kTable == 8 && aql == 10 && letter == 11);
}

TEST(Z19TablesTest, QuotedCells)
{
    ExpectRow(0, 5,
              "4/1.46 4/1.46 5/1.52 7/1.62 10/1.72 15/1.79 20/1.83 25/1.85 35/1.89 50/1.94 "
              "75/1.98 100/2 150/2.03 200/2.04");
    ExpectRow(1, 0,
              "10/2.44 10/2.44 10/2.44 10/2.44 10/2.44 15/2.53 20/2.58 25/2.61 35/2.66 "
              "50/2.71 75/2.77 100/2.8 150/2.84 200/2.85");
    ExpectRow(2, 5,
              "4/1.34 4/1.34 4/1.34 4/1.34 4/1.34 5/1.4 7/1.5 10/1.59 15/1.65 20/1.69 "
              "25/1.72 30/1.73 50/1.8 75/1.84");
    ExpectRow(3, 5,
              "4/1.49 4/1.49 5/3.33 7/3.54 10/3.27 15/3.06 20/2.93 25/2.86 35/2.66 50/2.47 "
              "75/2.27 100/2.18 150/2.05 200/2.04");
    ExpectRow(4, 0,
              "10/0.077 10/0.077 10/0.077 10/0.077 10/0.077 15/0.186 20/0.228 25/0.25 "
              "35/0.253 50/0.243 75/0.225 100/0.218 150/0.202 200/0.204");
    ExpectRow(5, 5,
              "4/5.46 4/5.46 4/5.46 4/5.46 4/5.46 5/5.82 7/5.34 10/4.72 15/4.32 20/4.1 "
              "25/3.97 30/3.91 50/3.44 75/3.17");
    ExpectRow(6, 5,
              "2/1.36 2/1.36 2/1.42 3/1.56 4/1.69 6/1.78 7/1.8 9/1.83 12/1.88 17/1.93 "
              "25/1.97 33/2 49/2.03 65/2.04");
    ExpectRow(7, 0,
              "3/2.49 3/2.49 3/2.49 3/2.49 3/2.49 3/2.49 4/2.55 6/2.59 7/2.63 11/2.72 "
              "15/2.77 20/2.8 30/2.84 40/2.85");
    ExpectRow(8, 5,
              "2/1.25 2/1.25 2/1.25 2/1.25 2/1.25 2/1.33 3/1.44 4/1.53 6/1.62 8/1.68 "
              "10/1.7 12/1.72 19/1.79 28/1.84");
    ExpectRow(9, 5,
              "2/2.73 2/2.73 2/2.23 3/2.76 4/2.58 6/2.57 7/2.62 9/2.59 12/2.49 17/2.35 "
              "25/2.19 33/2.12 49/2 65/2");
    ExpectRow(10, 0,
              "3/0.114 3/0.114 3/0.114 3/0.114 3/0.114 3/0.114 4/0.161 6/0.23 7/0.226 "
              "11/0.217 15/0.211 20/0.207 30/0.193 40/0.196");
    ExpectRow(11, 5,
              "2/3.9 2/3.9 2/3.9 2/3.9 2/3.9 2/3 3/3.85 4/3.87 6/3.77 8/3.68 10/3.63 "
              "12/3.61 19/3.28 28/3.05");

    // The extremes.
    for (std::uint32_t letter = 0; letter < 4; ++letter)
        EXPECT_EQ(Z19PlanTables[0][0][letter].v, 2.22);
    EXPECT_EQ(Z19PlanTables[0][0][13].n, 200);
    EXPECT_EQ(Z19PlanTables[0][0][13].v, 2.73);
    EXPECT_EQ(Z19PlanTables[0][10][0].n, 3);
    EXPECT_EQ(Z19PlanTables[0][10][0].v, 0.566);
    EXPECT_EQ(Z19PlanTables[0][10][13].v, 1.08);
    EXPECT_EQ(Z19PlanTables[3][0][0].v, 0.005);
    EXPECT_EQ(Z19PlanTables[3][10][0].v, 33.69);
    EXPECT_EQ(Z19PlanTables[5][10][0].v, 40.47);
    EXPECT_EQ(Z19PlanTables[11][10][0].n, 4);
    EXPECT_EQ(Z19PlanTables[11][10][0].v, 33.67);

    // The three cells where the k and M tables differ in n.
    for (auto [table, aql, letter, n, v] : {std::tuple{9, 4, 3, 4.0, 1.94},
                                            {6, 4, 3, 3.0, 1.69},
                                            {10, 5, 3, 4.0, 1.94},
                                            {7, 5, 3, 3.0, 1.69},
                                            {8, 10, 11, 21.0, 0.719},
                                            {11, 10, 11, 24.0, 23.13}})
    {
        EXPECT_EQ(Z19PlanTables[table][aql][letter].n, n) << table;
        EXPECT_EQ(Z19PlanTables[table][aql][letter].v, v) << table;
    }

    // The code letters by lot size, levels S-3 to L-III.
    const char* const letters[16] = {"BBBBC", "BBBBD", "BBBCE", "BBCDF", "BBDEG", "BCEFH",
                                     "BDFGI", "CEGHJ", "CEGIJ", "DFHJK", "EGIKL", "FHJLM",
                                     "GIKMN", "HJLNP", "HKMPP", "HKNPP"};
    for (std::uint32_t lot = 0; lot < 16; ++lot)
        for (std::uint32_t level = 0; level < 5; ++level)
            EXPECT_EQ(Z19CodeLetters[Z19Letter(lot, level)], letters[lot][level])
                << lot << " " << level;

    const double factors[11] = {0.147, 0.152, 0.157, 0.165, 0.174, 0.184,
                                0.194, 0.206, 0.223, 0.243, 0.271};
    for (std::uint32_t aql = 0; aql < 11; ++aql)
        EXPECT_EQ(Z19MpsdFactors[aql], factors[aql]);
    EXPECT_EQ(Z19MinimumCp(5), 1 / (6 * 0.184));
}

TEST(Z19TablesTest, StructureOfTheTables)
{
    const double sizes[2][14] = {{3, 4, 5, 7, 10, 15, 20, 25, 35, 50, 75, 100, 150, 200},
                                 {3, 3, 3, 3, 4, 5, 7, 10, 15, 20, 25, 30, 50, 75}};
    for (int table = 0; table < 12; ++table)
        for (std::uint32_t aql = 0; aql < 11; ++aql)
            for (std::uint32_t letter = 0; letter < 14; ++letter)
            {
                const Z19Plan& cell = Z19PlanTables[table][aql][letter];
                const std::string at = Where(table, aql, letter);
                // Tightened inspection: the normal row of the next smaller AQL.
                if (table % 3 == 1 && aql > 0)
                {
                    EXPECT_EQ(cell.n, Z19PlanTables[table - 1][aql - 1][letter].n) << at;
                    EXPECT_EQ(cell.v, Z19PlanTables[table - 1][aql - 1][letter].v) << at;
                }
                if (letter > 0)
                {
                    EXPECT_LE(Z19PlanTables[table][aql][letter - 1].n, cell.n) << at;
                }
                // SD unknown: a cell with another letter's sample size holds that letter's plan.
                if (table < 6)
                {
                    const double* size = sizes[table % 3 == 2];
                    std::uint32_t same = 0;
                    while (same < 14 && size[same] != cell.n)
                        ++same;
                    ASSERT_LT(same, 14u) << at;
                    EXPECT_EQ(cell.v, Z19PlanTables[table][aql][same].v) << at;
                }
            }
}

// A k cell and its M partner share n, but in three cells. A k marked derived is the program's
// conversion of its M partner, rounded to 2 decimals (3 below 1); a printed k lies within 0.011
// of it. The Form 2 plans of the tables convert to Form 1.
TEST(Z19TablesTest, FormOneValuesAgreeWithTheirFormTwoPartners)
{
    for (int table : {0, 1, 2, 6, 7, 8})
        for (std::uint32_t aql = 0; aql < 11; ++aql)
            for (std::uint32_t letter = 0; letter < 14; ++letter)
            {
                if (IsOddCell(table, aql, letter))
                    continue;
                const Z19Plan& k = Z19PlanTables[table][aql][letter];
                const Z19Plan& M = Z19PlanTables[table + 3][aql][letter];
                const double implied = FormOneConstant(M.n, M.v, table >= 6, false, 0);
                const double places = implied < 1 ? 1000 : 100;
                const std::string at = Where(table, aql, letter);
                EXPECT_EQ(k.n, M.n) << at;
                if (Z19DerivedK[table][aql][letter])
                {
                    EXPECT_EQ(std::round(implied * places) / places, k.v) << at << " " << implied;
                }
                else
                {
                    EXPECT_NEAR(k.v, implied, 0.011) << at;
                }
            }
    // Table 0, AQL 0.65, J: (35, 1.87) gives 2.0299.
    EXPECT_TRUE(Z19DerivedK[0][4][8]);
    EXPECT_NEAR(FormOneConstant(35, 1.87, false, false, 0), 2.02993592673133, 1e-12);
    EXPECT_EQ(Z19PlanTables[0][4][8].v, 2.03);
}

// Every plan type and regime of every cell makes a variables plan the class accepts.
TEST(Z19TablesTest, EveryLookupMakesAPlan)
{
    for (std::uint32_t type = 0; type < 6; ++type)
        for (std::uint32_t aql = 0; aql < 11; ++aql)
            for (std::uint32_t letter = 0; letter < 14; ++letter)
                for (InspectionRegime regime :
                     {InspectionRegime::Normal, InspectionRegime::Tightened,
                      InspectionRegime::Reduced})
                {
                    const Z19PlanKind kind = Z19KindOf(type);
                    const Z19Plan& plan = Z19PlanOf(aql, letter, type, regime);
                    EXPECT_GE(plan.n, 2);
                    const std::string n = std::to_string(static_cast<int>(plan.n));
                    const std::string v = RealOf(plan.v).Text();
                    const std::string cp = RealOf(Z19MinimumCp(aql)).Text();
                    String message;
                    EXPECT_EQ(DefectivesVariablesSingleSamplingPlan::SetFromText(
                                  kind.form1, n.c_str(), v.c_str(), kind.sdKnown, kind.twoSpecs,
                                  cp.c_str(), true, message),
                              0)
                        << type << " " << aql << " " << letter << ": " << message.Text();
                }
    // The tables of each plan type and regime.
    EXPECT_EQ(&Z19PlanOf(5, 8, 0, InspectionRegime::Normal), &Z19PlanTables[6][5][8]);
    EXPECT_EQ(&Z19PlanOf(5, 8, 1, InspectionRegime::Tightened), &Z19PlanTables[10][5][8]);
    EXPECT_EQ(&Z19PlanOf(5, 8, 2, InspectionRegime::Reduced), &Z19PlanTables[11][5][8]);
    EXPECT_EQ(&Z19PlanOf(5, 8, 3, InspectionRegime::Normal), &Z19PlanTables[0][5][8]);
    EXPECT_EQ(&Z19PlanOf(5, 8, 4, InspectionRegime::Reduced), &Z19PlanTables[5][5][8]);
    EXPECT_EQ(&Z19PlanOf(5, 8, 5, InspectionRegime::Tightened), &Z19PlanTables[4][5][8]);
}

} // namespace
} // namespace Brosquin
