#pragma once

namespace Brosquin
{

// F1 in a dialog does what the dialog's own Help button, the button named "HelpButton", does;
// the main window binds the key itself. Installed once for the whole application; calling it
// again changes nothing.
void vdInstallHelpKey();

} // namespace Brosquin
