#include "core/Function.h"

#include "core/ErrorNode.h"
#include "core/Interval.h"
#include "core/Real.h"
#include "core/String.h"

#include <cstring>

namespace Brosquin
{

const Function::Entry Function::Table[FunctionCount] = {
    {"Log", 1, true, &Real::Log, nullptr, &Interval::Log, nullptr},
    {"Log10", 1, true, &Real::Log10, nullptr, &Interval::Log10, nullptr},
    {"Exponential", 1, true, &Real::Exponential, nullptr, &Interval::Exponential, nullptr},
    {"SquareRoot", 1, true, &Real::SquareRoot, nullptr, &Interval::SquareRoot, nullptr},
    {"Sine", 1, true, &Real::Sine, nullptr, &Interval::Sine, nullptr},
    {"Cosine", 1, true, &Real::Cosine, nullptr, &Interval::Cosine, nullptr},
    {"Tangent", 1, true, &Real::Tangent, nullptr, &Interval::Tangent, nullptr},
    {"ArcSine", 1, true, &Real::ArcSine, nullptr, &Interval::ArcSine, nullptr},
    {"ArcCosine", 1, true, &Real::ArcCosine, nullptr, &Interval::ArcCosine, nullptr},
    {"ArcTangent", 1, true, &Real::ArcTangent, nullptr, &Interval::ArcTangent, nullptr},
    {"HyperbolicSine", 1, true, &Real::HyperbolicSine, nullptr, &Interval::HyperbolicSine, nullptr},
    {"HyperbolicCosine", 1, true, &Real::HyperbolicCosine, nullptr, &Interval::HyperbolicCosine,
     nullptr},
    {"HyperbolicTangent", 1, true, &Real::HyperbolicTangent, nullptr, &Interval::HyperbolicTangent,
     nullptr},
    {"Gamma", 1, false, &Real::Gamma, nullptr, &Interval::Gamma, nullptr},
    {"LogGamma", 1, false, &Real::LogGamma, nullptr, &Interval::LogGamma, nullptr},
    {"Beta", 2, false, nullptr, &Real::Beta, nullptr, &Interval::Beta},
    {"LogBeta", 2, false, nullptr, &Real::LogBeta, nullptr, &Interval::LogBeta},
    {"AbsoluteValue", 1, false, &Real::AbsoluteValue, nullptr, &Interval::AbsoluteValue, nullptr},
    {"Minimum", 2, false, nullptr, &Real::Minimum, nullptr, &Interval::Minimum},
    {"Maximum", 2, false, nullptr, &Real::Maximum, nullptr, &Interval::Maximum},
    {"pi", 0, true, &Real::Pi, nullptr, &Interval::Pi, nullptr},
    {"e", 0, true, &Real::E, nullptr, &Interval::E, nullptr},
    {"NormalDistribution", 1, true, &Real::NormalDistribution, nullptr,
     &Interval::NormalDistribution, nullptr},
    {"NormalFractionDefective", 2, false, nullptr, &Real::NormalFractionDefective, nullptr,
     &Interval::NormalFractionDefective},
};

int Function::Find(const char* name)
{
    for (int i = 0; i < FunctionCount; ++i)
        if (std::strcmp(Table[i].name, name) == 0)
            return i;
    return -1;
}

ExpressionNode* Function::Validate()
{
    const int count = ParameterCount();
    if ((Parameter(1) != nullptr && count < 1) || (Parameter(2) != nullptr && count < 2))
        return ReplacedBy(NewNode<ErrorNode>("Too many function parameters"));
    if ((count >= 1 && Parameter(1) == nullptr) || (count == 2 && Parameter(2) == nullptr))
        return ReplacedBy(NewNode<ErrorNode>("Too few function parameters"));
    if (ExpressionNode* error = ValidatedChildrenError())
        return error;
    if (ExpressionNode* folded = Folded())
        return folded;
    return WithinDepthLimit(this);
}

void Function::vdPrint(String& output) const
{
    if (output.Length() >= PrintedTextLimit)
        return;
    output += Name();
    output += '[';
    for (int position = 1; position <= ParameterCount(); ++position)
    {
        if (position == 2)
            output += ',';
        Parameter(position)->vdPrint(output);
        if (output.Length() > PrintedTextLimit)
            return;
    }
    output += ']';
}

ExpressionNode* Function::Clone() const
{
    const int count = ParameterCount();
    return NewNode<Function>(index, count >= 1 ? Parameter(1)->Clone() : nullptr,
                             count == 2 ? Parameter(2)->Clone() : nullptr);
}

void Function::vdEvaluate(Real& result) const
{
    const Entry& entry = Table[index];
    if (entry.parameterCount >= 1)
        Parameter(1)->vdEvaluate(result);
    if (entry.parameterCount < 2)
    {
        (result.*entry.real)();
        return;
    }
    Real second;
    Parameter(2)->vdEvaluate(second);
    (result.*entry.realOfTwo)(second);
}

void Function::vdEvaluateInterval(Interval& result) const
{
    const Entry& entry = Table[index];
    if (entry.parameterCount >= 1)
        Parameter(1)->vdEvaluateInterval(result);
    if (entry.parameterCount < 2)
    {
        (result.*entry.interval)();
        return;
    }
    Interval second;
    Parameter(2)->vdEvaluateInterval(second);
    (result.*entry.intervalOfTwo)(second);
}

bool Function::IsDifferentiable() const
{
    return Table[index].differentiable && InnerNode::IsDifferentiable();
}

} // namespace Brosquin
