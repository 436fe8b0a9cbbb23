#pragma once

#include "plans/SessionFile.h"

class QMdiArea;
class QMdiSubWindow;

namespace Brosquin
{

// A child window's state, place and size as the session file keeps them. The place is counted
// from the corner of the area's contents, wherever the area is scrolled to.
WindowPlace PlaceOf(const QMdiSubWindow& window);
// Shows the window in the state; the place and size count only for a normal window, which is
// made no larger than the visible part of the area, as far as the least size it takes allows, and
// kept inside it, its title bar always. A
// window placed before its area is shown is placed again from the same place as the area takes
// its size, until the area is first painted.
void vdApplyPlace(QMdiSubWindow& window, const WindowPlace& place);

// Stacks the child windows that are not minimized from the top left-hand corner of the visible
// part of the area, each one title bar lower and further right than the one behind it, so that
// every title bar shows; each keeps its size as far as the area has room for it.
void vdCascade(QMdiArea& area);

} // namespace Brosquin
