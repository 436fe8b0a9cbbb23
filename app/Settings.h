#pragma once

#include "app/SettingsStore.h"

namespace Brosquin
{

// The user's preferences of the main window, built-in defaults until read. The other two groups
// (the default definitions of the AQL and LTPD, and the default units) belong to the plan classes.
struct Settings
{
    bool bTabsAtBottom = true;
    bool bToolBarVisible = true;
};

// Reads the four groups each on its own: tab position; definitions; units; tool bar. A missing
// or bad value leaves its whole group at the defaults. Good definitions become the plan classes'
// stored defaults; good units indexes become both the default and the current units.
Settings ReadSettings(const SettingsStore& store);

void vdWriteTabsAtBottom(SettingsStore& store, bool bAtBottom);
void vdWriteToolBarVisible(SettingsStore& store, bool bVisible);
// Store the plan classes' default definitions and default units indexes; false when the store
// could not keep them.
bool WriteDefinitions(SettingsStore& store);
bool WriteUnits(SettingsStore& store);

} // namespace Brosquin
