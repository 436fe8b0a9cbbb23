#include "plans/PlanTextFields.h"

#include "core/Real.h"
#include "core/RealOf.h"
#include "core/RecordFields.h"

#include <istream>
#include <limits>
#include <ostream>

namespace Brosquin
{

void vdWriteMethodAndLot(std::ostream& out, std::int8_t method, bool lotSizeGiven,
                         const String& lotSize)
{
    out << ' ' << static_cast<int>(method) << ' ' << (lotSizeGiven ? 1 : 0) << ' ';
    lotSize.vdWriteQuoted(out);
}

bool ReadMethodAndLot(std::istream& in, std::int8_t& method, bool& lotSizeGiven, String& lotSize)
{
    return ReadWhole<std::int8_t>(in, std::numeric_limits<std::int8_t>::min(),
                                  std::numeric_limits<std::int8_t>::max(), method) &&
           ReadFlag(in, lotSizeGiven) && ReadText(in, lotSize);
}

void vdAppendLotAndMethod(String& description, bool lotSizeGiven, const String& lotSize,
                          std::int8_t method, std::int8_t lastMethod,
                          const char* const* methodSuffixes)
{
    if (lotSizeGiven)
    {
        description += ", N=";
        description += lotSize.Text();
    }
    if (method >= 0 && method <= lastMethod)
        description += methodSuffixes[method];
}

String DesignedText(double value)
{
    return String(RealOf(value).Text(0, true));
}

String NormalisedText(const char* text)
{
    String normalised(RealOf(text != nullptr ? text : "").Text(0, true));
    normalised.vdTrim();
    return normalised;
}

} // namespace Brosquin
