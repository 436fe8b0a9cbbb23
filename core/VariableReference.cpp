#include "core/VariableReference.h"

#include "core/Constant.h"
#include "core/Interval.h"
#include "core/Real.h"
#include "core/RealOf.h"

#include <cstring>

namespace Brosquin
{

namespace
{
constexpr const char* unboundMessage = "No value specified for variable: ";
} // namespace

bool VariableReference::Matches(const char* variable) const
{
    return std::strcmp(name.Text(), variable) == 0;
}

void VariableReference::vdPrint(String& output) const
{
    if (output.Length() >= PrintedTextLimit)
        return;
    if (name.Length() > 0)
        output += name.Text();
    else
        binding.vdPrint(output);
}

ExpressionNode* VariableReference::Clone() const
{
    auto* copy = NewNode<VariableReference>(name.Text());
    copy->binding = binding;
    return copy;
}

void VariableReference::vdRelocateBindings(int realShift, int inputShift)
{
    binding.vdRelocate(realShift, inputShift);
}

const char* VariableReference::UndefinedVariable() const
{
    return binding.Status() == ReferenceBinding::Unbound ? name.Text() : nullptr;
}

void VariableReference::vdSetVariable(const char* variable, const Real* value)
{
    if (Matches(variable))
        binding.vdBind(value);
}

void VariableReference::vdSetVariableInput(const char* variable, const ExpressionInput* input)
{
    if (Matches(variable))
        binding.vdBind(input);
}

void VariableReference::vdSetVariableExpression(const char* variable, Expression* source)
{
    if (Matches(variable))
        binding.vdBind(source);
}

void VariableReference::vdClearVariable(const char* variable)
{
    if (Matches(variable))
        binding.vdClear();
}

ExpressionNode* VariableReference::SubstituteVariable(const char* variable,
                                                      const ExpressionNode* replacement)
{
    if (!Matches(variable))
        return this;
    delete this;
    return replacement->Clone();
}

bool VariableReference::RenameVariable(const char* oldName, const char* newName)
{
    if (!Matches(oldName))
        return false;
    name = newName;
    return true;
}

void VariableReference::vdClearVariables()
{
    binding.vdClear();
}

void VariableReference::vdClearAll()
{
    binding.vdClear();
}

void VariableReference::vdEvaluate(Real& result) const
{
    if (!binding.Read(result))
    {
        result.vdSetMessage(unboundMessage);
        result.vdAppendMessage(name.Text());
    }
}

void VariableReference::vdEvaluateInterval(Interval& result) const
{
    if (!binding.Read(result))
    {
        result.SetMessage(unboundMessage);
        result.AppendMessage(name.Text());
    }
}

ExpressionNode* VariableReference::Derivative(const char* variable) const
{
    return NewNode<Constant>(RealOf(Matches(variable) ? 1.0 : 0.0));
}

} // namespace Brosquin
