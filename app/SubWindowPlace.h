#pragma once

#include "plans/SessionFile.h"

class QMdiSubWindow;

namespace Brosquin
{

// A child window's state, place and size as the session file keeps them. The place is counted
// from the corner of the area's contents, wherever the area is scrolled to.
WindowPlace PlaceOf(const QMdiSubWindow& window);
// Shows the window in the state; the place and size count only for a normal window, which is
// then kept inside the visible part of the area as far as its size allows, its title bar always.
void vdApplyPlace(QMdiSubWindow& window, const WindowPlace& place);

} // namespace Brosquin
