#include "core/RecordFields.h"

#include "core/Real.h"

#include <cmath>
#include <istream>
#include <ostream>

namespace Brosquin
{

namespace
{

// The number's whole part within the range; wholeOnly refuses a fraction. A zero with a minus
// sign ("-0") is no count, index or code that is ever written: it marks a damaged file.
bool ReadInteger(std::istream& in, double lowest, double highest, bool wholeOnly, double& value)
{
    const bool minus = Real::PeekNonBlank(in) == '-';
    double number = 0;
    if (!ReadNumber(in, number))
        return false;
    const double whole = std::trunc(number);
    if ((wholeOnly && whole != number) || whole < lowest || whole > highest ||
        (minus && number == 0))
        return RefuseField();
    value = whole;
    return true;
}

} // namespace

bool RefuseField()
{
    SetReadError();
    return false;
}

bool ReadNumber(std::istream& in, double& value)
{
    Real number;
    number.vdRead(in);
    if (ReadErrorOccurred() || number.Message() != nullptr)
        return RefuseField();
    value = number.dValue();
    return true;
}

bool ReadTruncated(std::istream& in, double lowest, double highest, double& value)
{
    return ReadInteger(in, lowest, highest, false, value);
}

bool ReadWhole(std::istream& in, double lowest, double highest, double& value)
{
    return ReadInteger(in, lowest, highest, true, value);
}

bool ReadFlag(std::istream& in, bool& value)
{
    double number = 0;
    if (!ReadNumber(in, number))
        return false;
    value = number != 0;
    return true;
}

bool ReadText(std::istream& in, String& text)
{
    text.vdReadQuoted(in);
    return !ReadErrorOccurred();
}

std::ostream& EndLine(std::ostream& out)
{
    return out.put('\n').flush();
}

} // namespace Brosquin
