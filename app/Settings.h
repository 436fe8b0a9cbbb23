#pragma once

#include "app/SettingsStore.h"

#include <array>
#include <string>

namespace Brosquin
{

// Symbols of the second quality level, by the index the settings and session files keep.
inline constexpr std::array<const char*, 4> kQualityLevelSymbols = {"LTPD", "LQ", "RQL", "UQL"};
// Rows of each units table (defective units, defects per unit).
inline constexpr int kUnitsRows = 3;

// Probabilities of acceptance at the AQL and at the second quality level, as the user typed
// them, and the symbol of that level.
struct Definitions
{
    std::string aqlProbability = "0.95";
    std::string ltpdProbability = "0.10";
    int symbolIndex = 0;
};

// Units rows of plans for defective units and for defects per unit.
struct UnitsIndexes
{
    int defectives = 1;
    int defects = 1;
};

// The user's preferences, built-in defaults until read.
struct Settings
{
    bool bTabsAtBottom = true;
    Definitions definitions;
    UnitsIndexes units;
    bool bToolBarVisible = true;
};

// Reads the four groups (tab position; definitions; units; tool bar) each on its own: a missing
// or bad value leaves its whole group at the built-in defaults.
Settings ReadSettings(const SettingsStore& store);

// Definitions are accepted when both probabilities lie strictly between 0 and 1, the one at
// the AQL is the greater and the symbol is one of the four; the texts are kept trimmed.
bool AreValidDefinitions(const Definitions& definitions);

void vdWriteTabsAtBottom(SettingsStore& store, bool bAtBottom);
void vdWriteToolBarVisible(SettingsStore& store, bool bVisible);
void vdWriteDefinitions(SettingsStore& store, const Definitions& definitions);
void vdWriteUnits(SettingsStore& store, const UnitsIndexes& units);

} // namespace Brosquin
