#include "app/Settings.h"
#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlanDefinitions.h"
#include "tests/app/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

using Values = std::map<std::string, MemorySettingsStore::Value>;
using Text = std::string;

class SettingsTest : public testing::Test
{
protected:
    void SetUp() override { SamplingPlanDefinitions::vdReset(); }
    void TearDown() override { SamplingPlanDefinitions::vdReset(); }

    static Settings Read(const Values& values)
    {
        MemorySettingsStore store;
        store.values = values;
        return ReadSettings(store);
    }

    static void ExpectDefinitions(const char* aql, const char* ltpd, int symbol)
    {
        EXPECT_STREQ(SamplingPlan::DefaultPaAtAQLText().Text(), aql);
        EXPECT_STREQ(SamplingPlan::DefaultPaAtLTPDText().Text(), ltpd);
        EXPECT_EQ(SamplingPlan::DefaultSymbolIndex(), symbol);
    }

    // Default and current index of both units tables.
    static void ExpectUnits(int defectives, int defects)
    {
        EXPECT_EQ(DefectivesSamplingPlan::Units().DefaultIndex(), defectives);
        EXPECT_EQ(DefectivesSamplingPlan::Units().CurrentIndex(), defectives);
        EXPECT_EQ(DefectsPerUnitSamplingPlan::Units().DefaultIndex(), defects);
        EXPECT_EQ(DefectsPerUnitSamplingPlan::Units().CurrentIndex(), defects);
    }

    const Values goodDefinitions = {
        {"AQL Probability", Text("0.99")}, {"LTPD Probability", Text("0.05")}, {"LTPD Symbol", 2}};
};

TEST_F(SettingsTest, AnEmptyStoreGivesTheBuiltInDefaults)
{
    const Settings settings = Read({});
    EXPECT_TRUE(settings.bTabsAtBottom);
    EXPECT_TRUE(settings.bToolBarVisible);
    ExpectDefinitions("0.95", "0.10", 0);
    ExpectUnits(1, 1);
    EXPECT_STREQ(SamplingPlan::CurrentUnitsName(SamplingPlan::DefectiveUnits), "Percent Defective");
    EXPECT_STREQ(SamplingPlan::CurrentUnitsName(SamplingPlan::DefectsPerUnit),
                 "Defects per Hundred Units");
}

TEST_F(SettingsTest, ReadsEveryGroupThatIsComplete)
{
    Values values = goodDefinitions;
    values["Display Tabs Bottom"] = false;
    values["Units Defectives"] = 0;
    values["Units Defects"] = 2;
    values["Tool Bar Visible"] = 0;
    const Settings settings = Read(values);
    EXPECT_FALSE(settings.bTabsAtBottom);
    EXPECT_FALSE(settings.bToolBarVisible);
    ExpectDefinitions("0.99", "0.05", 2);
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.95") << "only the defaults are read";
    ExpectUnits(0, 2);
    EXPECT_STREQ(SamplingPlan::CurrentUnitsName(SamplingPlan::DefectiveUnits),
                 "Fraction Defective");
    EXPECT_STREQ(SamplingPlan::CurrentUnitsName(SamplingPlan::DefectsPerUnit),
                 "Defects per Million Units");
    values["Tool Bar Visible"] = 7;
    EXPECT_TRUE(Read(values).bToolBarVisible) << "any nonzero value shows the tool bar";
    // Probability texts are kept trimmed.
    values["AQL Probability"] = Text(" \t0.9\r\n");
    values["LTPD Probability"] = Text("1e-2 ");
    Read(values);
    ExpectDefinitions("0.9", "1e-2", 2);
}

TEST_F(SettingsTest, BadDefinitionsLeaveTheWholeGroupAtItsDefaults)
{
    // Each patch spoils the good definitions in one way.
    const std::vector<Values> patches = {
        {{"AQL Probability", Text("0.05")}}, // not greater than at the LTPD
        {{"AQL Probability", Text("0.10")}, {"LTPD Probability", Text("0.95")}},
        {{"AQL Probability", Text("1")}},
        {{"LTPD Probability", Text("0")}},
        {{"AQL Probability", Text("0.95x")}},
        {{"AQL Probability", Text("")}},
        {{"LTPD Probability", Text("0,10")}},
        {{"AQL Probability", 1}}, // wrong type
        {{"LTPD Symbol", 4}},     // beyond the four symbols
        {{"LTPD Symbol", -1}},
        {{"LTPD Symbol", Text("1")}},
    };
    for (const Values& patch : patches)
    {
        Values values = goodDefinitions;
        for (const auto& [name, value] : patch)
            values[name] = value;
        SCOPED_TRACE(patch.begin()->first);
        Read(values);
        ExpectDefinitions("0.95", "0.10", 0);
    }
    for (const char* missing : {"AQL Probability", "LTPD Probability", "LTPD Symbol"})
    {
        Values values = goodDefinitions;
        values.erase(missing);
        SCOPED_TRACE(missing);
        Read(values);
        ExpectDefinitions("0.95", "0.10", 0);
    }
}

TEST_F(SettingsTest, BadUnitsLeaveBothIndexesAtTheirDefaults)
{
    const Values good = {{"Units Defectives", 2}, {"Units Defects", 0}};
    const std::vector<Values> patches = {{{"Units Defectives", 3}},
                                         {{"Units Defects", -1}},
                                         {{"Units Defects", 1000000}},
                                         {{"Units Defectives", Text("2")}}};
    for (const Values& patch : patches)
    {
        Values values = good;
        for (const auto& [name, value] : patch)
            values[name] = value;
        SCOPED_TRACE(patch.begin()->first);
        Read(values);
        ExpectUnits(1, 1);
    }
    Values values = good;
    values.erase("Units Defects");
    Read(values);
    ExpectUnits(1, 1);
    Read(good);
    ExpectUnits(2, 0);
}

TEST_F(SettingsTest, EachGroupIsReadOnItsOwn)
{
    Values values = goodDefinitions;
    values["Display Tabs Bottom"] = Text("yes"); // not a flag: group 1 fails
    values["Units Defectives"] = 5;              // out of range: group 3 fails
    values["Units Defects"] = 0;
    values["Tool Bar Visible"] = 0;
    const Settings settings = Read(values);
    EXPECT_TRUE(settings.bTabsAtBottom);
    ExpectDefinitions("0.99", "0.05", 2);
    ExpectUnits(1, 1);
    EXPECT_FALSE(settings.bToolBarVisible);
}

TEST_F(SettingsTest, WrittenSettingsReadBack)
{
    MemorySettingsStore store;
    vdWriteTabsAtBottom(store, false);
    vdWriteToolBarVisible(store, false);
    ASSERT_TRUE(SamplingPlan::SetRiskLevels(" 0.90 ", "0.01", 3));
    DefectivesSamplingPlan::Units().SetDefaultIndex(2);
    DefectsPerUnitSamplingPlan::Units().SetDefaultIndex(0);
    EXPECT_TRUE(WriteDefinitions(store));
    EXPECT_TRUE(WriteUnits(store));
    EXPECT_EQ(std::get<int>(store.values.at("Tool Bar Visible")), 0);
    EXPECT_EQ(std::get<Text>(store.values.at("AQL Probability")), "0.90");

    SamplingPlanDefinitions::vdReset();
    const Settings settings = ReadSettings(store);
    EXPECT_FALSE(settings.bTabsAtBottom);
    EXPECT_FALSE(settings.bToolBarVisible);
    ExpectDefinitions("0.90", "0.01", 3);
    ExpectUnits(2, 0);
}

} // namespace
} // namespace Brosquin
