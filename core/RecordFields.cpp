#include "core/RecordFields.h"

#include "core/Real.h"

#include <cmath>
#include <istream>
#include <ostream>

namespace Brosquin
{

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

// No writer writes a fraction, or a zero with a minus sign ("-0"), where a whole number is due:
// either marks a damaged file.
bool ReadWhole(std::istream& in, double lowest, double highest, double& value)
{
    const bool minus = Real::PeekNonBlank(in) == '-';
    double number = 0;
    if (!ReadNumber(in, number))
        return false;
    if (std::trunc(number) != number || number < lowest || number > highest ||
        (minus && number == 0))
        return RefuseField();
    value = number;
    return true;
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
