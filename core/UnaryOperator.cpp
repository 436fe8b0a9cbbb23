#include "core/UnaryOperator.h"

#include "core/BinaryOperator.h"
#include "core/Constant.h"
#include "core/ErrorNode.h"
#include "core/Interval.h"
#include "core/ReferenceBinding.h"
#include "core/String.h"

namespace Brosquin
{

const OperatorEntry UnaryOperator::Operators[OperatorCount] = {
    {"+", true, 1},
    {"-", true, 1},
};

ExpressionNode* UnaryOperator::Validate()
{
    if (Operand() == nullptr)
        return ReplacedBy(NewNode<ErrorNode>("Missing operand"));
    if (ExpressionNode* error = ValidatedChildrenError())
        return error;
    ExpressionNode* operand = Operand();
    if (operatorIndex == Plus)
        return ReplacedBy(Detached(1));
    switch (operand->Kind())
    {
    case KindConstant:
        static_cast<Constant*>(operand)->Value().Negate();
        return ReplacedBy(Detached(1));
    case KindUnaryOperator:
        // A validated inner operator is a minus: the two cancel.
        return ReplacedBy(static_cast<UnaryOperator*>(operand)->Detached(1));
    case KindBinaryOperator:
    {
        // The minus moves onto the left side: -(a + b) is (-a) - b, -(a b) is (-a) b.
        auto* binary = static_cast<BinaryOperator*>(operand);
        const int inner = binary->OperatorIndex();
        if (inner == BinaryOperator::Power)
            break;
        Detached(1);
        delete this;
        if (inner == BinaryOperator::Plus || inner == BinaryOperator::Minus)
            binary->vdSetOperator(inner == BinaryOperator::Plus ? BinaryOperator::Minus
                                                                : BinaryOperator::Plus);
        binary->SetLeft(NewNode<UnaryOperator>(Minus, binary->Left()));
        return binary->Validate();
    }
    default:
        break;
    }
    return WithinDepthLimit(this);
}

void UnaryOperator::vdPrint(String& output) const
{
    if (output.Length() >= PrintedTextLimit)
        return;
    output += Name();
    const bool parentheses = PrintedNode(Operand())->Kind() == KindBinaryOperator;
    if (parentheses)
        output += '(';
    Operand()->vdPrint(output);
    if (parentheses && output.Length() <= PrintedTextLimit)
        output += ')';
}

ExpressionNode* UnaryOperator::Clone() const
{
    return NewNode<UnaryOperator>(operatorIndex, Operand()->Clone());
}

void UnaryOperator::vdEvaluate(Real& result) const
{
    Operand()->vdEvaluate(result);
    if (operatorIndex == Minus)
        result.Negate();
}

void UnaryOperator::vdEvaluateInterval(Interval& result) const
{
    Operand()->vdEvaluateInterval(result);
    if (operatorIndex == Minus)
        result.Negate();
}

ExpressionNode* UnaryOperator::Derivative(const char* variable) const
{
    ExpressionNode* derivative = Operand()->Derivative(variable);
    if (operatorIndex == Plus)
        return derivative;
    return WithinDepthLimit(NewNode<UnaryOperator>(Minus, derivative));
}

} // namespace Brosquin
