#include "core/Constant.h"

#include "core/ErrorNode.h"
#include "core/Interval.h"
#include "core/RealOf.h"
#include "core/String.h"

#include <cstring>

namespace Brosquin
{

const char* Constant::Name() const
{
    return value.Text();
}

ExpressionNode* Constant::Validate()
{
    if (value.Message() == nullptr)
        return this;
    ExpressionNode* error = NewNode<ErrorNode>(value.Message()->Text());
    delete this;
    return error;
}

void Constant::vdPrint(String& output) const
{
    if (output.Length() < PrintedTextLimit)
        output += Name();
}

ExpressionNode* Constant::Clone() const
{
    return NewNode<Constant>(value);
}

void Constant::vdEvaluate(Real& result) const
{
    result = value;
}

void Constant::vdEvaluateInterval(Interval& result) const
{
    result = value;
}

ExpressionNode* Constant::Derivative(const char*) const
{
    return NewNode<Constant>(value.Message() != nullptr ? value : RealOf(0.0));
}

bool Constant::HasExponentText() const
{
    return std::strstr(Name(), " 10^") != nullptr;
}

} // namespace Brosquin
