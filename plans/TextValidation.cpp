#include "plans/TextValidation.h"
#include "core/RealOf.h"

#include <cmath>

namespace Brosquin
{

TextValidation& TextValidation::Parse(const char* text, Real& value, int field, const char* failure)
{
    value = text != nullptr ? text : "";
    return Require(IsNumber(value), field, failure);
}

TextValidation& TextValidation::Require(bool condition, int field, const char* failure)
{
    if (result == 0 && !condition)
    {
        result = field;
        message = failure;
    }
    return *this;
}

bool TextValidation::IsWhole(const Real& value)
{
    return IsNumber(value) && std::floor(value.dValue()) == value.dValue();
}

bool TextValidation::IsCountSize(const Real& value)
{
    return IsNumber(value) && value.dValue() <= MaximumCount;
}

std::int32_t TextValidation::CountOf(const char* text)
{
    const double count = std::trunc(dNumberOf(text));
    return std::fabs(count) <= MaximumCount ? static_cast<std::int32_t>(count) : 0;
}

double TextValidation::dNumberOf(const char* text)
{
    Real value;
    value = text;
    return value.dValue();
}

} // namespace Brosquin
