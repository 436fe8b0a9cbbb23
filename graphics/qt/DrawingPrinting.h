#pragma once

namespace Brosquin
{

class Drawing;

// Prints the Drawing as one job of one page on the application's printer with its current
// settings, fitted into the page less the margin (in printer pixels) on every side, on white.
// False when the printer could not start or finish the job.
bool PrintDrawing(const Drawing& drawing, double margin);

} // namespace Brosquin
