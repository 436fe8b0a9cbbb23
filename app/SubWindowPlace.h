#pragma once

#include "plans/SessionFile.h"

class QMdiSubWindow;

namespace Brosquin
{

// A child window's state, place and size as the session file keeps them.
WindowPlace PlaceOf(const QMdiSubWindow& window);
// Shows the window in the state; the place and size count only for a normal window.
void vdApplyPlace(QMdiSubWindow& window, const WindowPlace& place);

} // namespace Brosquin
