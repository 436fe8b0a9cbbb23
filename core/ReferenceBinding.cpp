#include "core/ReferenceBinding.h"

#include "core/Expression.h"
#include "core/ExpressionInput.h"
#include "core/Property.h"
#include "core/String.h"
#include "core/VariableReference.h"

namespace Brosquin
{

namespace
{

template <class Pointer> Pointer Moved(Pointer pointer, int shift)
{
    return reinterpret_cast<Pointer>(
        reinterpret_cast<std::uintptr_t>(pointer) +
        static_cast<std::uintptr_t>(2 * static_cast<std::intptr_t>(shift)));
}

} // namespace

void ReferenceBinding::vdBind(const Real* value)
{
    state = BoundReal;
    real = value;
}

void ReferenceBinding::vdBind(const ExpressionInput* record)
{
    state = BoundInput;
    input = record;
}

void ReferenceBinding::vdBind(Expression* source)
{
    state = BoundExpression;
    expression = source;
}

void ReferenceBinding::vdRelocate(int realShift, int inputShift)
{
    if (state == BoundReal)
        real = Moved(real, realShift);
    else if (state == BoundInput)
        input = Moved(input, inputShift);
}

bool ReferenceBinding::Read(Real& result) const
{
    switch (state)
    {
    case BoundReal:
        result = *real;
        return true;
    case BoundInput:
        result = input->value;
        return true;
    case BoundExpression:
        result = expression->CachedValue();
        return true;
    default:
        return false;
    }
}

bool ReferenceBinding::Read(Interval& result) const
{
    switch (state)
    {
    case BoundReal:
        result = *real;
        return true;
    case BoundInput:
        result = input->range;
        return true;
    case BoundExpression:
        result = expression->CachedInterval();
        return true;
    default:
        return false;
    }
}

void ReferenceBinding::vdPrint(String& output) const
{
    if (state == BoundReal)
        output += real->Text();
    else if (state == BoundInput)
        output += input->value.Text();
    else if (state == BoundExpression)
    {
        const BindingDepthGuard guard;
        if (!guard.Exceeded())
            expression->Root()->vdPrint(output);
    }
}

bool BindingDepthGuard::Exceeded() const
{
    return depth > FormulaBindingLimit;
}

const ExpressionNode* PrintedNode(const ExpressionNode* node)
{
    // Bounded, so that a formula whose nameless reference is bound to itself still prints.
    for (std::uint32_t step = 0; step < FormulaBindingLimit; ++step)
    {
        const ReferenceBinding* binding = nullptr;
        if (node->Kind() == KindVariable && *node->Name() == '\0')
            binding = &static_cast<const VariableReference*>(node)->Binding();
        else if (node->Kind() == KindProperty && *node->Name() == '\0')
            binding = &static_cast<const Property*>(node)->Binding();
        if (binding == nullptr || binding->BoundFormula() == nullptr)
            break;
        node = binding->BoundFormula()->Root();
    }
    return node;
}

} // namespace Brosquin
