#include "standards/Z14ParametersReport.h"

#include "graphics/Drawing.h"
#include "tests/standards/ReportTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace Brosquin
{
namespace
{

constexpr auto Text = ReportText<&Z14ParametersText>;

TEST(Z14ParametersReportTest, SinglePlans)
{
    EXPECT_EQ(Text(0, 0, 0, 0, 3),
              "ANSI Z1.4 Parameters\r\n\r\n"
              "  AQL = 0.010\r\n"
              "  Level = S-1\r\n"
              "  Lot Size = 2 to 8\r\n"
              "  Letter Code = A\r\n"
              "  Type Sampling Plan = Single\r\n\r\n"
              "Normal Sampling Plan:\r\n\r\n"
              "  Single:    n=1250, a=0, r=1\r\n\r\n"
              "Tightened Sampling Plan:\r\n\r\n"
              "  Single:    n=2000, a=0, r=1\r\n\r\n"
              "Reduced Sampling Plan:\r\n\r\n"
              "  Single:    n=500, a=0, r=1\r\n\r\n"
              "If sample size exceeds lot size, 100% inspect.\r\n\r\n"
              "Switching - Full:\r\n\r\n" +
                  switchingStart +
                  "  N to R: If accept 16 consecutive lots while on normal and\r\n"
                  "          the total number of nonconformities in those 16 samples\r\n"
                  "          does not exceed 0.\r\n"
                  "  R to N: If lot not accepted.\r\n");
    // No switching rules for one regime; no note when the lots are larger than the sample.
    EXPECT_TRUE(Text(10, 5, 8, 0, 2)
                    .ends_with("  Letter Code = J\r\n"
                               "  Type Sampling Plan = Single\r\n\r\n"
                               "Reduced Sampling Plan:\r\n\r\n"
                               "  Single:    n=32, a=2, r=3\r\n\r\n"));
    // No reduced plan: the first three rules only; the AQL text of the defects-per-unit list.
    const std::string noReduced = Text(16, 6, 14, 2, 5);
    EXPECT_TRUE(Has(noReduced, "  AQL = 25\r\n"));
    EXPECT_FALSE(Has(noReduced, "Reduced Sampling Plan:"));
    EXPECT_TRUE(noReduced.ends_with("Switching - No Reduced Plan:\r\n\r\n" + switchingStart));
}

TEST(Z14ParametersReportTest, PlansOfSeveralStages)
{
    const std::string multiple = Text(10, 6, 8, 2, 0);
    EXPECT_TRUE(Has(multiple, "Normal Sampling Plan:\r\n\r\n"
                              "  Multiple:  n1=32, a1=#, r1=3\r\n"
                              "             n2=32, a2=0, r2=3\r\n"));
    EXPECT_TRUE(multiple.ends_with("             n7=32, a7=6, r7=7\r\n\r\n"));
    // A multiple plan where the tables have none shows the plan in effect.
    EXPECT_TRUE(Has(Text(10, 0, 0, 2, 0), "Type Sampling Plan = Multiple\r\n\r\n"
                                          "Normal Sampling Plan:\r\n\r\n"
                                          "  Single:    n=13, a=0, r=1\r\n\r\n"));

    const std::string limits = Text(10, 6, 8, 1, 3);
    EXPECT_TRUE(
        Has(limits, "Reduced Sampling Plan:\r\n\r\n"
                    "  Double:    n1=32, a1=0, r1=4\r\n"
                    "             n2=32, a2=4, r2=5\r\n\r\n"
                    "Switching - Full:\r\n\r\n" +
                        switchingStart +
                        "  N to R: If accept 10 consecutive lots while on normal and\r\n"
                        "          the total number of nonconformities in those 10\r\n"
                        "          samples does not exceed the matching limit number\r\n"
                        "          given below.  If the sample size is below the\r\n"
                        "          minimum number, additional lots must be accepted\r\n"
                        "          until the required number of samples is obtained.\r\n\r\n"
                        "             Sample Size          Limit Number\r\n"
                        "             ___________          ____________\r\n\r\n"
                        "             200 - 319              0\r\n\r\n"
                        "             320 - 499              0\r\n\r\n"));
    EXPECT_TRUE(
        limits.ends_with("             20000 - 31499          181\r\n\r\n"
                         "  R to N: If lot not accepted or if accepted but the number of\r\n"
                         "          nonconformities is from 2 to 4.\r\n"));
}

TEST(Z14ParametersReportTest, DrawnInTextColumnsAndLines)
{
    const auto drawing = Z14ParametersReport(10, 6, 8, 1, 3);
    // The invisible rectangle from (-1, -1) sets the margin.
    EXPECT_EQ(drawing->dLeft(), -1);
    EXPECT_EQ(drawing->dTop(), -1);
    const TableContents report(*drawing);
    ExpectPlaced(report, {{"ANSI Z1.4 Parameters", 0, 0, 1.2},
                          {"AQL = 1.0", 1, 2, 1},
                          {"Double:", 1, 10, 1},
                          {"n1=80, a1=1, r1=4", 5, 10, 1},
                          {"n2=80, a2=4, r2=5", 5, 11, 1},
                          {"Switching - Full:", 0, 23, 1.2},
                          {"the total number of nonconformities in those 10", 4, 29, 1},
                          {"Sample Size", 8, 35, 1},
                          {"Limit Number", 16, 35, 1},
                          {"200 - 319", 8, 37, 1},
                          {"181", 16, 47, 1},
                          {"nonconformities is from 2 to 4.", 4, 50, 1}});
    // Every row of the limit numbers, as in the text, which is written with the drawing.
    EXPECT_EQ(report.texts.size(), 56u);
}

TEST(Z14ParametersReportTest, ChoicesOutsideTheListsAreRefused)
{
    String text("kept");
    EXPECT_THROW(Z14ParametersText(24, 0, 0, 0, 0, text), std::out_of_range);
    EXPECT_STREQ(text.Text(), "kept");
    EXPECT_THROW(Z14ParametersReport(0, 0, 0, 0, 6), std::out_of_range);
}

} // namespace
} // namespace Brosquin
