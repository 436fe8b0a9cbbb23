#include "graphics/PlotOptionEntries.h"

#include "core/RealOf.h"
#include "graphics/Plot.h"

#include <cmath>
#include <limits>

namespace Brosquin
{

int ColorChoiceIndex(Colour colour)
{
    for (int index = 0; index < Plot::ColorCount; ++index)
        if (Plot::ColorValues[index] == colour)
            return index;
    return -1;
}

int ThicknessItem(double thickness)
{
    if (!(thickness >= 0 && thickness <= 0.6))
        return -1;
    return static_cast<int>(thickness * 10);
}

double ThicknessOfItem(int item)
{
    return item / 10.0;
}

bool ShowsPoints(const LineInfo& line)
{
    return line.PointCount() != 0 || (IsNumber(line.stepValue) && line.stepValue.dValue() != 0);
}

bool ReadNumber(const char* text, Real& value)
{
    value = RealOf(text);
    return IsNumber(value);
}

bool ReadCount(const char* text, std::int32_t least, std::int32_t& count)
{
    Real value;
    if (!ReadNumber(text, value))
        return false;
    const double number = value.dValue();
    // Checked on the double first: a value beyond the 32-bit range has no count.
    if (!(number >= std::numeric_limits<std::int32_t>::min() &&
          number <= std::numeric_limits<std::int32_t>::max()) ||
        std::trunc(number) != number)
        return false;
    count = static_cast<std::int32_t>(number);
    return count >= least;
}

} // namespace Brosquin
