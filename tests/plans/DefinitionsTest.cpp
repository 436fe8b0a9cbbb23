#include "plans/SamplingPlan.h"
#include "tests/plans/PlanTestEnvironment.h"

#include <gtest/gtest.h>

#include <string>

namespace Brosquin
{
namespace
{

class DefinitionsTest : public PlanTest
{
protected:
    String message;
};

TEST_F(DefinitionsTest, NewSessionHasTheBuiltInDefinitionsAndSentences)
{
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.95");
    EXPECT_STREQ(SamplingPlan::PaAtLTPDText().Text(), "0.10");
    EXPECT_EQ(SamplingPlan::PaAtAQL().dValue(), 0.95);
    EXPECT_EQ(SamplingPlan::PaAtLTPD().dValue(), 0.1);
    EXPECT_EQ(SamplingPlan::SymbolIndex(), 0);
    EXPECT_STREQ(SamplingPlan::AQLConfidenceSentence().Text(),
                 "Failing the sampling plan results in 95% confidence that the lot is worse "
                 "than the AQL.");
    EXPECT_STREQ(SamplingPlan::LTPDConfidenceSentence().Text(),
                 "Passing the sampling plan results in 90% confidence that the lot is better "
                 "than the LTPD.");
    EXPECT_STREQ(SamplingPlan::CostTitle().Text(), "E{#Stages}");
    EXPECT_STREQ(SamplingPlan::C0Text().Text(), "0");
    EXPECT_STREQ(SamplingPlan::C1Text().Text(), "1");
    EXPECT_EQ(SamplingPlan::C0().dValue(), 0);
    EXPECT_EQ(SamplingPlan::C1().dValue(), 1);
}

TEST_F(DefinitionsTest, ProbabilityChecksGiveTheirMessagesInOrder)
{
    Real text;
    text = "abc";
    EXPECT_FALSE(SamplingPlan::CheckAQLProbability(text, message));
    EXPECT_STREQ(message.Text(), "Error: AQL probability of acceptance is not a number.");
    EXPECT_FALSE(SamplingPlan::CheckAQLProbability(RealOf(0.0), message));
    EXPECT_STREQ(message.Text(), "Error: AQL probability of acceptance must be greater than zero.");
    EXPECT_FALSE(SamplingPlan::CheckAQLProbability(RealOf(1), message));
    EXPECT_STREQ(message.Text(), "Error: AQL probability of acceptance must be less than one.");
    EXPECT_TRUE(SamplingPlan::CheckLTPDProbability(RealOf(0.05), 1, message));
    EXPECT_STREQ(message.Text(), "Passing the sampling plan results in 95% confidence that the "
                                 "lot is better than the LQ.");
    EXPECT_FALSE(SamplingPlan::CheckLTPDProbability(RealOf(-0.5), 3, message));
    EXPECT_STREQ(message.Text(), "Error: UQL probability of acceptance must be greater than zero.");
    EXPECT_FALSE(SamplingPlan::CheckLTPDProbability(text, 2, message));
    EXPECT_STREQ(message.Text(), "Error: RQL probability of acceptance is not a number.");
}

TEST_F(DefinitionsTest, ValidateRiskLevelsRefusesAndChangesNothing)
{
    EXPECT_EQ(SamplingPlan::ValidateRiskLevels("0.95", "0.95", 0, message), 1);
    EXPECT_STREQ(message.Text(), "Probability of acceptance at AQL must be greater than at LTPD.");
    EXPECT_EQ(SamplingPlan::ValidateRiskLevels("1", "0.10", 0, message), 1);
    EXPECT_STREQ(message.Text(), " AQL probability of acceptance must be less than one.");
    EXPECT_EQ(SamplingPlan::ValidateRiskLevels("0.95", "0", 2, message), 2);
    EXPECT_STREQ(message.Text(), " RQL probability of acceptance must be greater than zero.");
    EXPECT_EQ(SamplingPlan::ValidateRiskLevels("0.95", "0.10", 4, message), 2);
    EXPECT_EQ(SamplingPlan::ValidateRiskLevels("0.95", "0.10", -1, message), 2);
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.95");
    EXPECT_EQ(SamplingPlan::SymbolIndex(), 0);
}

TEST_F(DefinitionsTest, ValidateRiskLevelsStoresTrimmedTextsAndSentences)
{
    EXPECT_EQ(SamplingPlan::ValidateRiskLevels("  0.90\t", " 0.05 ", 3, message), 0);
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.90");
    EXPECT_STREQ(SamplingPlan::PaAtLTPDText().Text(), "0.05");
    EXPECT_EQ(SamplingPlan::PaAtAQL().dValue(), 0.9);
    EXPECT_EQ(SamplingPlan::SymbolIndex(), 3);
    EXPECT_STREQ(SamplingPlan::AQLConfidenceSentence().Text(),
                 "Failing the sampling plan results in 90% confidence that the lot is worse "
                 "than the AQL.");
    EXPECT_STREQ(SamplingPlan::LTPDConfidenceSentence().Text(),
                 "Passing the sampling plan results in 95% confidence that the lot is better "
                 "than the UQL.");
    // The defaults are untouched until a new session takes them.
    EXPECT_STREQ(SamplingPlan::DefaultPaAtAQLText().Text(), "0.95");
    EXPECT_TRUE(SamplingPlan::vdSetRiskTexts());
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.95");
    EXPECT_EQ(SamplingPlan::SymbolIndex(), 0);
}

TEST_F(DefinitionsTest, SetRiskLevelsChangesOnlyTheDefaults)
{
    EXPECT_FALSE(SamplingPlan::SetRiskLevels("0.10", "0.95", 0));
    EXPECT_FALSE(SamplingPlan::SetRiskLevels("0.99", "0.01", 7));
    EXPECT_STREQ(SamplingPlan::DefaultPaAtAQLText().Text(), "0.95");
    EXPECT_TRUE(SamplingPlan::SetRiskLevels(" 0.99 ", "0.01", 1));
    EXPECT_STREQ(SamplingPlan::DefaultPaAtAQLText().Text(), "0.99");
    EXPECT_EQ(SamplingPlan::DefaultSymbolIndex(), 1);
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.95");
    EXPECT_TRUE(SamplingPlan::vdSetRiskTexts());
    EXPECT_EQ(SamplingPlan::PaAtLTPD().dValue(), 0.01);
    EXPECT_STREQ(SamplingPlan::LTPDConfidenceSentence().Text(),
                 "Passing the sampling plan results in 99% confidence that the lot is better "
                 "than the LQ.");
}

TEST_F(DefinitionsTest, CostParametersAreCheckedInOrder)
{
    EXPECT_EQ(SamplingPlan::SetCostParameters("", "-1", "x", message), 1);
    EXPECT_STREQ(message.Text(), "Error: Cost parameter C0 is negative.");
    EXPECT_EQ(SamplingPlan::SetCostParameters("", "x", "-1", message), 1);
    EXPECT_STREQ(message.Text(), "Error: Cost parameter C0 is not a valid number.");
    EXPECT_EQ(SamplingPlan::SetCostParameters("", "1", "", message), 2);
    EXPECT_STREQ(message.Text(), "Error: Cost parameter C1 is not a valid number.");
    EXPECT_EQ(SamplingPlan::SetCostParameters("", "1", "-0.5", message), 2);
    EXPECT_STREQ(message.Text(), "Error: Cost parameter C1 is negative.");
    EXPECT_STREQ(SamplingPlan::C1Text().Text(), "1");

    EXPECT_EQ(SamplingPlan::SetCostParameters("", "0", "0", message), 0);
    EXPECT_EQ(SamplingPlan::SetCostParameters(" Dollars ", " 1,250 ", "2.5e1", message), 0);
    EXPECT_STREQ(SamplingPlan::CostTitle().Text(), "Dollars");
    EXPECT_STREQ(SamplingPlan::C0Text().Text(), "1,250");
    EXPECT_EQ(SamplingPlan::C0().dValue(), 1250);
    EXPECT_EQ(SamplingPlan::C1().dValue(), 25);
    SamplingPlan::vdSetStagesLabel();
    EXPECT_STREQ(SamplingPlan::CostTitle().Text(), "E{#Stages}");
    EXPECT_EQ(SamplingPlan::C1().dValue(), 1);
}

TEST_F(DefinitionsTest, VocabularyTablesGiveTheirNamesAndRefuseUnknownCodes)
{
    EXPECT_STREQ(SamplingPlan::PlanTypeNameOf(5), "ANSI Q3");
    EXPECT_STREQ(SamplingPlan::PlanTypeNameOf(12), "Chain");
    EXPECT_STREQ(SamplingPlan::PlanTypeNameOf(14), "Quick Switching System");
    EXPECT_EQ(SamplingPlan::PlanTypeNameOf(15), nullptr);
    EXPECT_EQ(SamplingPlan::PlanTypeNameOf(-1), nullptr);
    EXPECT_STREQ(SamplingPlan::CharacteristicListName(1), "Defects Per Unit");
    EXPECT_EQ(SamplingPlan::CharacteristicListName(3), nullptr);
    EXPECT_STREQ(SamplingPlan::SymbolName(2), "RQL");
    EXPECT_EQ(SamplingPlan::SymbolName(4), nullptr);
    EXPECT_TRUE(SamplingPlan::HasQuantityUnits(2));
    EXPECT_FALSE(SamplingPlan::HasQuantityUnits(0));
    EXPECT_STREQ(SamplingPlan::CurrentUnitsName(0), "Percent Defective");
    EXPECT_STREQ(SamplingPlan::CurrentUnitsName(1), "Defects per Hundred Units");
    EXPECT_STREQ(SamplingPlan::CurrentUnitsName(2), "Defects per ");

    std::string entered;
    for (const int* type = SamplingPlan::EnterablePlanTypes(0); *type >= 0; ++type)
        entered += std::to_string(*type) + " ";
    EXPECT_EQ(entered, "0 1 2 4 6 9 ");
    std::string designed;
    for (const int* type = SamplingPlan::DesignablePlanTypes(2); *type >= 0; ++type)
        designed += std::to_string(*type) + " ";
    EXPECT_EQ(designed, "0 1 ");
    EXPECT_EQ(SamplingPlan::EnterablePlanTypes(3), nullptr);
}

} // namespace
} // namespace Brosquin
