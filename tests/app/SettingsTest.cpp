#include "app/Settings.h"
#include "tests/app/MemorySettingsStore.h"

#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

using Values = std::map<std::string, MemorySettingsStore::Value>;

Settings Read(const Values& values)
{
    MemorySettingsStore store;
    store.values = values;
    return ReadSettings(store);
}

void ExpectDefaultDefinitions(const Settings& settings)
{
    EXPECT_EQ(settings.definitions.aqlProbability, "0.95");
    EXPECT_EQ(settings.definitions.ltpdProbability, "0.10");
    EXPECT_EQ(settings.definitions.symbolIndex, 0);
}

void ExpectDefaultUnits(const Settings& settings)
{
    EXPECT_EQ(settings.units.defectives, 1);
    EXPECT_EQ(settings.units.defects, 1);
}

const Values kGoodDefinitions = {{"AQL Probability", std::string("0.99")},
                                 {"LTPD Probability", std::string("0.05")},
                                 {"LTPD Symbol", 2}};

TEST(Settings, AnEmptyStoreGivesTheBuiltInDefaults)
{
    const Settings settings = Read({});
    EXPECT_TRUE(settings.bTabsAtBottom);
    ExpectDefaultDefinitions(settings);
    ExpectDefaultUnits(settings);
    EXPECT_TRUE(settings.bToolBarVisible);
}

TEST(Settings, ReadsEveryGroupThatIsComplete)
{
    Values values = kGoodDefinitions;
    values["Display Tabs Bottom"] = false;
    values["Units Defectives"] = 0;
    values["Units Defects"] = 2;
    values["Tool Bar Visible"] = 0;
    const Settings settings = Read(values);
    EXPECT_FALSE(settings.bTabsAtBottom);
    EXPECT_EQ(settings.definitions.aqlProbability, "0.99");
    EXPECT_EQ(settings.definitions.ltpdProbability, "0.05");
    EXPECT_EQ(settings.definitions.symbolIndex, 2);
    EXPECT_EQ(settings.units.defectives, 0);
    EXPECT_EQ(settings.units.defects, 2);
    EXPECT_FALSE(settings.bToolBarVisible);
    values["Tool Bar Visible"] = 7;
    EXPECT_TRUE(Read(values).bToolBarVisible) << "any nonzero value shows the tool bar";
}

TEST(Settings, ProbabilityTextsAreKeptTrimmed)
{
    Values values = kGoodDefinitions;
    values["AQL Probability"] = std::string(" \t0.9\r\n");
    values["LTPD Probability"] = std::string("1e-2 ");
    const Settings settings = Read(values);
    EXPECT_EQ(settings.definitions.aqlProbability, "0.9");
    EXPECT_EQ(settings.definitions.ltpdProbability, "1e-2");
}

TEST(Settings, BadDefinitionsLeaveTheWholeGroupAtItsDefaults)
{
    using Text = std::string;
    // Each patch spoils the good definitions in one way.
    const std::vector<Values> patches = {
        {{"AQL Probability", Text("0.05")}}, // not greater than at the LTPD
        {{"AQL Probability", Text("0.10")}, {"LTPD Probability", Text("0.95")}},
        {{"AQL Probability", Text("1")}},
        {{"LTPD Probability", Text("0")}},
        {{"AQL Probability", Text("0.95x")}},
        {{"AQL Probability", Text("")}},
        {{"AQL Probability", Text("nan")}},
        {{"LTPD Probability", Text("0,10")}},
        {{"AQL Probability", 1}}, // wrong type
        {{"LTPD Symbol", 4}},     // beyond the four symbols
        {{"LTPD Symbol", -1}},
        {{"LTPD Symbol", Text("1")}},
    };
    for (const Values& patch : patches)
    {
        Values values = kGoodDefinitions;
        for (const auto& [name, value] : patch)
            values[name] = value;
        SCOPED_TRACE(patch.begin()->first);
        ExpectDefaultDefinitions(Read(values));
    }
    for (const char* missing : {"AQL Probability", "LTPD Probability", "LTPD Symbol"})
    {
        Values values = kGoodDefinitions;
        values.erase(missing);
        SCOPED_TRACE(missing);
        ExpectDefaultDefinitions(Read(values));
    }
}

TEST(Settings, BadUnitsLeaveBothIndexesAtTheirDefaults)
{
    const Values good = {{"Units Defectives", 2}, {"Units Defects", 0}};
    EXPECT_EQ(Read(good).units.defectives, 2);
    for (const auto& [name, value] :
         std::vector<std::pair<std::string, MemorySettingsStore::Value>>{
             {"Units Defectives", 3},
             {"Units Defects", -1},
             {"Units Defects", 1000000},
             {"Units Defectives", std::string("2")}})
    {
        Values values = good;
        values[name] = value;
        SCOPED_TRACE(name);
        ExpectDefaultUnits(Read(values));
    }
    Values values = good;
    values.erase("Units Defects");
    ExpectDefaultUnits(Read(values));
}

TEST(Settings, EachGroupIsReadOnItsOwn)
{
    Values values = kGoodDefinitions;
    values["Display Tabs Bottom"] = std::string("yes"); // wrong type: group 1 fails
    values["Units Defectives"] = 5;                     // out of range: group 3 fails
    values["Tool Bar Visible"] = 0;
    const Settings settings = Read(values);
    EXPECT_TRUE(settings.bTabsAtBottom);
    EXPECT_EQ(settings.definitions.symbolIndex, 2);
    ExpectDefaultUnits(settings);
    EXPECT_FALSE(settings.bToolBarVisible);
}

TEST(Settings, WrittenSettingsReadBack)
{
    MemorySettingsStore store;
    vdWriteTabsAtBottom(store, false);
    vdWriteToolBarVisible(store, false);
    vdWriteDefinitions(store, Definitions{" 0.90 ", "0.01", 3});
    vdWriteUnits(store, UnitsIndexes{2, 0});
    EXPECT_EQ(std::get<int>(store.values.at("Tool Bar Visible")), 0);
    const Settings settings = ReadSettings(store);
    EXPECT_FALSE(settings.bTabsAtBottom);
    EXPECT_FALSE(settings.bToolBarVisible);
    EXPECT_EQ(settings.definitions.aqlProbability, "0.90");
    EXPECT_EQ(settings.definitions.ltpdProbability, "0.01");
    EXPECT_EQ(settings.definitions.symbolIndex, 3);
    EXPECT_EQ(settings.units.defectives, 2);
    EXPECT_EQ(settings.units.defects, 0);
}

} // namespace
} // namespace Brosquin
