#include "app/Settings.h"

#include <charconv>
#include <optional>

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

std::string Trimmed(const std::string& text)
{
    const char* const blanks = " \t\r\n";
    const auto first = text.find_first_not_of(blanks);
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

// The probability a text stands for, when it is a number strictly between 0 and 1. Parsed
// without the locale, so "0.95" means the same everywhere.
std::optional<double> Probability(const std::string& text)
{
    const std::string trimmed = Trimmed(text);
    double value = 0.0;
    const char* const end = trimmed.data() + trimmed.size();
    const auto [stop, error] = std::from_chars(trimmed.data(), end, value);
    if (trimmed.empty() || error != std::errc() || stop != end || !(value > 0.0 && value < 1.0))
        return std::nullopt;
    return value;
}

bool IsUnitsRow(int index)
{
    return index >= 0 && index < kUnitsRows;
}

std::optional<Definitions> ReadDefinitions(const SettingsStore& store)
{
    const auto aql = store.ReadText(kAqlProbability);
    const auto ltpd = store.ReadText(kLtpdProbability);
    const auto symbol = store.ReadInteger(kLtpdSymbol);
    if (!aql || !ltpd || !symbol)
        return std::nullopt;
    Definitions definitions{Trimmed(*aql), Trimmed(*ltpd), *symbol};
    if (!AreValidDefinitions(definitions))
        return std::nullopt;
    return definitions;
}

std::optional<UnitsIndexes> ReadUnits(const SettingsStore& store)
{
    const auto defectives = store.ReadInteger(kUnitsDefectives);
    const auto defects = store.ReadInteger(kUnitsDefects);
    if (!defectives || !defects || !IsUnitsRow(*defectives) || !IsUnitsRow(*defects))
        return std::nullopt;
    return UnitsIndexes{*defectives, *defects};
}

} // namespace

bool AreValidDefinitions(const Definitions& definitions)
{
    const auto aql = Probability(definitions.aqlProbability);
    const auto ltpd = Probability(definitions.ltpdProbability);
    const bool bSymbolKnown =
        definitions.symbolIndex >= 0 &&
        definitions.symbolIndex < static_cast<int>(kQualityLevelSymbols.size());
    return aql && ltpd && *aql > *ltpd && bSymbolKnown;
}

Settings ReadSettings(const SettingsStore& store)
{
    Settings settings;
    if (const auto bAtBottom = store.ReadBool(kTabsAtBottom))
        settings.bTabsAtBottom = *bAtBottom;
    if (const auto definitions = ReadDefinitions(store))
        settings.definitions = *definitions;
    if (const auto units = ReadUnits(store))
        settings.units = *units;
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

void vdWriteDefinitions(SettingsStore& store, const Definitions& definitions)
{
    store.vdWriteText(kAqlProbability, Trimmed(definitions.aqlProbability));
    store.vdWriteText(kLtpdProbability, Trimmed(definitions.ltpdProbability));
    store.vdWriteInteger(kLtpdSymbol, definitions.symbolIndex);
}

void vdWriteUnits(SettingsStore& store, const UnitsIndexes& units)
{
    store.vdWriteInteger(kUnitsDefectives, units.defectives);
    store.vdWriteInteger(kUnitsDefects, units.defects);
}

} // namespace Brosquin
