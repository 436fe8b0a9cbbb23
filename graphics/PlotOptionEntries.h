#pragma once

#include "core/Real.h"
#include "graphics/Canvas.h"

#include <cstdint>

namespace Brosquin
{

class LineInfo;

// How the plot options show a Plot's settings and read the user's entries back. A reading refuses
// whatever the Plot cannot take, so nothing is narrowed out of range.

// The first colour choice of that value; -1 when none has it.
int ColorChoiceIndex(Colour colour);

// The item of the thickness list standing for a thickness, item k for k tenths: the thickness
// times 10, truncated; -1 for one no item stands for (below 0, above 0.6, not a number).
int ThicknessItem(double thickness);
double ThicknessOfItem(int item);

// Whether a line is drawn with points, so that its point settings apply: it holds points, or its
// step value is a number other than 0.
bool ShowsPoints(const LineInfo& line);

// A number: true with the value when the text reads as one, not as a message.
bool ReadNumber(const char* text, Real& value);

// A count: true with the count when the text reads as a whole number within the 32-bit range
// that is at least `least`.
bool ReadCount(const char* text, std::int32_t least, std::int32_t& count);

} // namespace Brosquin
