#pragma once

#include <QRect>

namespace Brosquin
{

// The frame of a window fitted into an area: the wanted frame made no larger than the area, yet
// never smaller than least, then moved inside as far as its size allows. A frame that cannot fit
// keeps its top left-hand corner, and so its title bar, inside the area.
QRect FittedFrame(const QRect& wanted, const QSize& least, const QRect& area);

// From now on every window and dialog of the application, frame included, is fitted into the
// available area of its screen each time it shows, and again when it grows by itself while shown:
// a dialog whose place Qt chooses keeps that choice at the fitted size, a window with no place of
// its own is centred in the area. Installed once for the whole application; calling it again
// changes nothing.
void vdFitWindowsToScreen();

} // namespace Brosquin
