#include "standards/Z19ParametersReport.h"

#include "graphics/Drawing.h"
#include "tests/standards/ReportTestSupport.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace Brosquin
{
namespace
{

constexpr auto Text = ReportText<&Z19ParametersText>;

TEST(Z19ParametersReportTest, Texts)
{
    EXPECT_EQ(Text(5, 0, 0, 1, 0), "ANSI Z1.9 Parameters\r\n\r\n"
                                   "  AQL = 1.0\r\n"
                                   "  Level = S-3\r\n"
                                   "  Lot Size = 2 to 8\r\n"
                                   "  Letter Code = B\r\n"
                                   "  Type Sampling Plan = SD Known, 1 Spec, M (Form 2)\r\n\r\n"
                                   "Normal Sampling Plan:\r\n\r\n"
                                   "  Standard Deviation Known, 1 Spec, Form 2 (M):\r\n"
                                   "     n=2, M=2.73, v=1.414\r\n"
                                   "     Equivalent to Form 1 Plan with n=2 and k=1.359092\r\n"
                                   "\r\n");
    EXPECT_TRUE(Text(5, 3, 9, 0, 0)
                    .ends_with("  Type Sampling Plan = SD Known, 1 Spec, k (Form 1)\r\n\r\n"
                               "Normal Sampling Plan:\r\n\r\n"
                               "  Standard Deviation Known, 1 Spec, Form 1 (k):    n=12, k=1.88"
                               "\r\n\r\n"));

    // Two limits with SD known: the largest SD, and a conversion as for one limit.
    const std::string twoLimits = Text(5, 3, 9, 2, 3);
    EXPECT_TRUE(Has(twoLimits, "  Type Sampling Plan = SD Known, 2 Specs, M (Form 2)\r\n\r\n"
                               "  Maximum standard deviation = 0.184 x (USL - LSL)\r\n"
                               "  or equivalently minimum Cp = 0.9058\r\n\r\n"
                               "Normal Sampling Plan:\r\n\r\n"
                               "  Standard Deviation Known, 2 Specs, Form 2 (M):\r\n"
                               "     n=12, M=2.49, v=1.044\r\n"
                               "     Equivalent to Form 1 Plan with n=12 and k=1.878164\r\n\r\n"
                               "Tightened Sampling Plan:\r\n\r\n"));
    EXPECT_TRUE(twoLimits.ends_with("Reduced Sampling Plan:\r\n\r\n"
                                    "  Standard Deviation Known, 2 Specs, Form 2 (M):\r\n"
                                    "     n=6, M=3.77, v=1.095\r\n"
                                    "     Equivalent to Form 1 Plan with n=6 and k=1.623106\r\n\r\n"
                                    "Switching - Full:\r\n\r\n" +
                                    switchingStart +
                                    "  N to R: If accept 10 consecutive lots while on normal.\r\n"
                                    "  R to N: If lot not accepted.\r\n"));

    // SD unknown: no v; two limits give a similar plan with its largest SD.
    EXPECT_TRUE(Text(5, 3, 9, 4, 1)
                    .ends_with("Tightened Sampling Plan:\r\n\r\n"
                               "  Standard Deviation Unknown, 1 Spec, Form 2 (M):\r\n"
                               "     n=35, M=1.87\r\n"
                               "     Equivalent to Form 1 Plan with n=35 and "
                               "k=2.029936\r\n\r\n"));
    const std::string noReduced = Text(5, 3, 9, 5, 4);
    EXPECT_TRUE(Has(noReduced,
                    "  Standard Deviation Unknown, 2 Specs, Form 2 (M):\r\n"
                    "     n=35, M=2.66\r\n"
                    "     Similar to Form 1 Plan with n=35 and k=1.894, MSD=23.22285%\r\n\r\n"));
    EXPECT_FALSE(Has(noReduced, "Maximum standard deviation"));
    EXPECT_FALSE(Has(noReduced, "Reduced Sampling Plan:"));
    EXPECT_TRUE(noReduced.ends_with("Switching - No Reduced Plan:\r\n\r\n" + switchingStart));
}

TEST(Z19ParametersReportTest, DrawnInTextColumnsAndLines)
{
    const TableContents report(*Z19ParametersReport(5, 3, 9, 2, 3));
    ExpectPlaced(report, {{"ANSI Z1.9 Parameters", 0, 0, 1.2},
                          {"Maximum standard deviation = 0.184 x (USL - LSL)", 1, 8, 1},
                          {"or equivalently minimum Cp = 0.9058", 1, 9, 1},
                          {"Normal Sampling Plan:", 0, 11, 1.2},
                          {"Standard Deviation Known, 2 Specs, Form 2 (M):", 1, 13, 1},
                          {"n=12, M=2.49, v=1.044", 5, 14, 1},
                          {"Equivalent to Form 1 Plan with n=12 and k=1.878164", 5, 15, 1},
                          {"n=6, M=3.77, v=1.095", 5, 26, 1},
                          {"R to N: If lot not accepted.", 1, 35, 1}});
    EXPECT_EQ(report.texts.size(), 26u);

    // A Form 1 plan is drawn below its type.
    const TableContents formOne(*Z19ParametersReport(5, 3, 9, 0, 0));
    EXPECT_EQ(formOne.Row(10), (std::vector<std::string>{"Standard Deviation Known, 1 Spec, "
                                                         "Form 1 (k):"}));
    EXPECT_EQ(formOne.Row(11), (std::vector<std::string>{"n=12, k=1.88"}));
    EXPECT_EQ(formOne.Find("n=12, k=1.88").x, 5);
}

TEST(Z19ParametersReportTest, ChoicesOutsideTheListsAreRefused)
{
    String text("kept");
    EXPECT_THROW(Z19ParametersText(11, 0, 0, 0, 0, text), std::out_of_range);
    EXPECT_STREQ(text.Text(), "kept");
    EXPECT_THROW(Z19ParametersReport(0, 0, 0, 6, 0), std::out_of_range);
}

} // namespace
} // namespace Brosquin
