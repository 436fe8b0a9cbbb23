#pragma once

#include <QString>

namespace Brosquin
{

// Tells the user that a command of the program does not work yet in this version. The command is
// named as in its menu; access-key marks and a closing "..." are dropped.
void vdShowNotAvailable(const QString& command);

} // namespace Brosquin
