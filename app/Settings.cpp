#include "app/Settings.h"

#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlan.h"

namespace Brosquin
{

namespace
{

const std::string kTabsAtBottom = "Display Tabs Bottom";
const std::string kAqlProbability = "AQL Probability";
const std::string kLtpdProbability = "LTPD Probability";
const std::string kLtpdSymbol = "LTPD Symbol";
const std::string kUnitsDefectives = "Units Defectives";
const std::string kUnitsDefects = "Units Defects";
const std::string kToolBarVisible = "Tool Bar Visible";

// The plan classes refuse texts that are not probabilities, a probability at the AQL that is
// not the greater, and a symbol beyond the four.
void vdReadDefinitions(const SettingsStore& store)
{
    const auto aql = store.ReadText(kAqlProbability);
    const auto ltpd = store.ReadText(kLtpdProbability);
    const auto symbol = store.ReadInteger(kLtpdSymbol);
    if (aql && ltpd && symbol)
        SamplingPlan::SetRiskLevels(aql->c_str(), ltpd->c_str(), *symbol);
}

void vdReadUnits(const SettingsStore& store)
{
    const auto defectives = store.ReadInteger(kUnitsDefectives);
    const auto defects = store.ReadInteger(kUnitsDefects);
    if (!defectives || !defects || !UnitsTable::IsRow(*defectives) || !UnitsTable::IsRow(*defects))
        return;
    for (auto [table, index] : {std::pair{&DefectivesSamplingPlan::Units(), *defectives},
                                std::pair{&DefectsPerUnitSamplingPlan::Units(), *defects}})
    {
        table->SetDefaultIndex(index);
        table->SetCurrentIndex(index);
    }
}

} // namespace

Settings ReadSettings(const SettingsStore& store)
{
    Settings settings;
    if (const auto bAtBottom = store.ReadBool(kTabsAtBottom))
        settings.bTabsAtBottom = *bAtBottom;
    vdReadDefinitions(store);
    vdReadUnits(store);
    if (const auto visible = store.ReadInteger(kToolBarVisible))
        settings.bToolBarVisible = *visible != 0;
    return settings;
}

void vdWriteTabsAtBottom(SettingsStore& store, bool bAtBottom)
{
    store.vdWriteBool(kTabsAtBottom, bAtBottom);
}

void vdWriteToolBarVisible(SettingsStore& store, bool bVisible)
{
    store.vdWriteInteger(kToolBarVisible, bVisible ? 1 : 0);
}

bool WriteDefinitions(SettingsStore& store)
{
    store.vdWriteText(kAqlProbability, SamplingPlan::DefaultPaAtAQLText().Text());
    store.vdWriteText(kLtpdProbability, SamplingPlan::DefaultPaAtLTPDText().Text());
    store.vdWriteInteger(kLtpdSymbol, SamplingPlan::DefaultSymbolIndex());
    return store.Flush();
}

bool WriteUnits(SettingsStore& store)
{
    store.vdWriteInteger(kUnitsDefectives, DefectivesSamplingPlan::Units().DefaultIndex());
    store.vdWriteInteger(kUnitsDefects, DefectsPerUnitSamplingPlan::Units().DefaultIndex());
    return store.Flush();
}

} // namespace Brosquin
