#include "core/BinaryOperator.h"

#include "core/Constant.h"
#include "core/ErrorNode.h"
#include "core/Function.h"
#include "core/Interval.h"
#include "core/Property.h"
#include "core/RealOf.h"
#include "core/ReferenceBinding.h"
#include "core/String.h"
#include "core/UnaryOperator.h"
#include "core/VariableReference.h"

#include <cstring>

namespace Brosquin
{

const OperatorEntry BinaryOperator::Operators[OperatorCount] = {
    {"+", false, 4}, {"-", false, 4}, {"*", false, 3}, {"/", false, 3}, {"^", true, 2},
};

namespace
{

Real& (Real::*const realOperations[BinaryOperator::OperatorCount])(const Real&) = {
    &Real::operator+=, &Real::operator-=, &Real::operator*=, &Real::operator/=, &Real::Power,
};

Interval& (Interval::*const intervalOperations[BinaryOperator::OperatorCount])(const Interval&) = {
    &Interval::operator+=, &Interval::operator-=, &Interval::operator*=,
    &Interval::operator/=, &Interval::Power,
};

// The text between the sides: "*" is written as a blank, which reads back as a product.
const char* const joiners[BinaryOperator::OperatorCount] = {" + ", " - ", " ", " / ", "^"};

bool IsOperator(const ExpressionNode* node, int index)
{
    return node->Kind() == KindBinaryOperator &&
           static_cast<const BinaryOperator*>(node)->OperatorIndex() == index;
}

Constant* AsConstant(ExpressionNode* node)
{
    return node->Kind() == KindConstant ? static_cast<Constant*>(node) : nullptr;
}

bool IsPositiveConstant(const ExpressionNode* node)
{
    return node->Kind() == KindConstant && IsNumber(static_cast<const Constant*>(node)->Value()) &&
           static_cast<const Constant*>(node)->Value().dValue() > 0.0;
}

ExpressionNode* Operation(int index, ExpressionNode* left, ExpressionNode* right)
{
    return NewNode<BinaryOperator>(index, left, right);
}

ExpressionNode* Number(double value)
{
    return NewNode<Constant>(RealOf(value));
}

// Two references to the same input: the same variable, or the same property of one.
bool SameReference(const ExpressionNode* a, const ExpressionNode* b)
{
    if (a->Kind() != b->Kind())
        return false;
    if (a->Kind() == KindVariable)
        return std::strcmp(a->Name(), b->Name()) == 0;
    return a->Kind() == KindProperty &&
           static_cast<const Property*>(a)->IsSame(*static_cast<const Property*>(b));
}

} // namespace

void BinaryOperator::vdSwapSides()
{
    ExpressionNode* left = Detached(1);
    SetLeft(Detached(2));
    SetRight(left);
}

void BinaryOperator::vdUnwrapRightMinus()
{
    auto* minus = static_cast<UnaryOperator*>(Detached(2));
    SetRight(minus->Operand());
    minus->SetOperand(nullptr);
    delete minus;
}

ExpressionNode* BinaryOperator::Regrouped()
{
    auto* inner = static_cast<BinaryOperator*>(Detached(2));
    SetRight(inner->Detached(1));
    inner->SetLeft(this);
    return inner->Validate();
}

ExpressionNode* BinaryOperator::Validate()
{
    if (Left() == nullptr || Right() == nullptr)
        return ReplacedBy(NewNode<ErrorNode>("Undefined operand"));
    if (ExpressionNode* error = ValidatedChildrenError())
        return error;
    if (ExpressionNode* folded = Folded())
        return folded;
    switch (operatorIndex)
    {
    case Plus:
        return ValidatedSum();
    case Minus:
        return ValidatedDifference();
    case Times:
        return ValidatedProduct();
    case Divide:
        return ValidatedQuotient();
    default:
        return ValidatedPower();
    }
}

ExpressionNode* BinaryOperator::ValidatedSum()
{
    if (Right()->Kind() == KindConstant)
        vdSwapSides();
    if (IsConstantOf(Left(), 0.0))
        return ReplacedBy(Detached(2));
    if (Right()->Kind() == KindUnaryOperator)
    {
        // a + (-b) is a - b, which the rules of a difference may simplify further (x + -x is
        // 0), as they do when its text is read back.
        vdUnwrapRightMinus();
        operatorIndex = Minus;
        return Validate();
    }
    if (IsOperator(Right(), Plus) || IsOperator(Right(), Minus))
        return Regrouped();
    return WithinDepthLimit(this);
}

ExpressionNode* BinaryOperator::ValidatedDifference()
{
    if (Constant* constant = AsConstant(Right()))
    {
        // a - c is (-c) + a.
        constant->Value().Negate();
        operatorIndex = Plus;
        vdSwapSides();
        return Validate();
    }
    if (IsConstantOf(Left(), 0.0))
        return ReplacedBy(NewNode<UnaryOperator>(UnaryOperator::Minus, Detached(2)))->Validate();
    if (Right()->Kind() == KindUnaryOperator)
    {
        vdUnwrapRightMinus();
        operatorIndex = Plus;
        return Validate();
    }
    if (IsOperator(Right(), Plus) || IsOperator(Right(), Minus))
    {
        // a - (b + c) is (a - b) - c, and a - (b - c) is (a - b) + c.
        auto* inner = static_cast<BinaryOperator*>(Right());
        inner->operatorIndex = inner->operatorIndex == Plus ? Minus : Plus;
        return Regrouped();
    }
    if (SameReference(Left(), Right()))
        return ReplacedBy(Number(0.0));
    return WithinDepthLimit(this);
}

ExpressionNode* BinaryOperator::ValidatedProduct()
{
    if (Right()->Kind() == KindConstant)
        vdSwapSides();
    // 0 x is 0 even where x has no value; derivatives rely on it.
    if (IsConstantOf(Left(), 0.0))
        return ReplacedBy(Detached(1));
    if (IsConstantOf(Left(), 1.0))
        return ReplacedBy(Detached(2));
    if (IsConstantOf(Left(), -1.0))
        return ReplacedBy(NewNode<UnaryOperator>(UnaryOperator::Minus, Detached(2)))->Validate();
    if (IsOperator(Right(), Times) || IsOperator(Right(), Divide))
        return Regrouped();
    if (Right()->Kind() == KindUnaryOperator)
    {
        // a (-b) is (-a) b.
        vdUnwrapRightMinus();
        SetLeft(NewNode<UnaryOperator>(UnaryOperator::Minus, Detached(1)));
        return Validate();
    }
    return WithinDepthLimit(this);
}

ExpressionNode* BinaryOperator::ValidatedQuotient()
{
    // 0 / x is left alone, also as 0 / x^e: at x = 0 it has no value.
    if (IsConstantOf(Left(), 0.0))
        return WithinDepthLimit(this);
    if (Constant* constant = AsConstant(Right()))
    {
        // a / c is (1 / c) a; c = 0 leaves the constant holding the division's message.
        Real reciprocal = RealOf(1.0);
        reciprocal /= constant->Value();
        constant->Value() = reciprocal;
        operatorIndex = Times;
        vdSwapSides();
        return Validate();
    }
    if (IsOperator(Right(), Power) &&
        IsPositiveConstant(static_cast<BinaryOperator*>(Right())->Right()))
    {
        // a / b^e is a b^(-e) for e > 0: where b = 0 both have no value. For another e the
        // product would have one (x / y^-1 at y = 0 would become x y, which is 0).
        auto* power = static_cast<BinaryOperator*>(Right());
        power->SetRight(NewNode<UnaryOperator>(UnaryOperator::Minus, power->Detached(2)));
        operatorIndex = Times;
        return Validate();
    }
    return WithinDepthLimit(this);
}

// x^0 and SquareRoot[x]^c are left alone, and (a^b)^c becomes a^(b c) only for a positive
// constant a: each of those rewrites would give a value where the formula has none, or another
// one ((x^2)^0.5 at x = -2).
ExpressionNode* BinaryOperator::ValidatedPower()
{
    if (IsConstantOf(Left(), 1.0))
        return ReplacedBy(Detached(1));
    if (IsConstantOf(Right(), 1.0))
        return ReplacedBy(Detached(1));
    if (IsOperator(Left(), Power))
    {
        auto* inner = static_cast<BinaryOperator*>(Left());
        const Constant* base = AsConstant(inner->Left());
        if (base != nullptr && base->Value().dValue() > 0.0)
        {
            // This node becomes the product b c, the exponent of the inner node.
            Detached(1);
            SetLeft(inner->Detached(2));
            operatorIndex = Times;
            inner->SetRight(this);
            return inner->Validate();
        }
    }
    return WithinDepthLimit(this);
}

bool BinaryOperator::SideInParentheses(int position) const
{
    const ExpressionNode* side = PrintedNode(Child(position));
    if (side->Kind() == KindBinaryOperator)
    {
        const OperatorEntry& inner =
            Operators[static_cast<const BinaryOperator*>(side)->operatorIndex];
        const OperatorEntry& outer = Operators[operatorIndex];
        // On the side an operator groups towards, an equal precedence needs no parentheses.
        const bool groupsThisWay = position == 1 ? !outer.rightAssociative : outer.rightAssociative;
        if (inner.precedence > outer.precedence ||
            (inner.precedence == outer.precedence && !groupsThisWay))
            return true;
    }
    // A number written with " 10^" reads back as a product; after the blank of a product, a sign
    // would read as a binary operator.
    if (operatorIndex == Power && side->Kind() == KindConstant)
        return static_cast<const Constant*>(side)->HasExponentText();
    return operatorIndex == Times && position == 2 && PrintsWithSign(side);
}

bool BinaryOperator::PrintsWithSign(const ExpressionNode* node)
{
    // Down the left sides that print without parentheses, to the first thing printed; bounded,
    // so that a formula bound within itself cannot hold it.
    for (std::uint32_t step = 0; step <= FormulaDepthLimit * FormulaBindingLimit; ++step)
    {
        node = PrintedNode(node);
        if (node->Kind() == KindUnaryOperator)
            return true;
        if (node->Kind() == KindConstant)
            return static_cast<const Constant*>(node)->Name()[0] == '-';
        if (node->Kind() != KindBinaryOperator)
            return false;
        const auto* binary = static_cast<const BinaryOperator*>(node);
        if (binary->SideInParentheses(1))
            return false;
        node = binary->Left();
    }
    return false;
}

void BinaryOperator::vdPrint(String& output) const
{
    if (output.Length() >= PrintedTextLimit)
        return;
    for (int position = 1; position <= 2; ++position)
    {
        const bool parentheses = SideInParentheses(position);
        if (parentheses)
            output += '(';
        Child(position)->vdPrint(output);
        if (output.Length() > PrintedTextLimit)
            return;
        if (parentheses)
            output += ')';
        if (position == 1)
            output += joiners[operatorIndex];
    }
}

ExpressionNode* BinaryOperator::Clone() const
{
    return Operation(operatorIndex, Left()->Clone(), Right()->Clone());
}

void BinaryOperator::vdEvaluate(Real& result) const
{
    Left()->vdEvaluate(result);
    Real right;
    Right()->vdEvaluate(right);
    (result.*realOperations[operatorIndex])(right);
}

void BinaryOperator::vdEvaluateInterval(Interval& result) const
{
    Left()->vdEvaluateInterval(result);
    Interval right;
    Right()->vdEvaluateInterval(right);
    (result.*intervalOperations[operatorIndex])(right);
}

ExpressionNode* BinaryOperator::Derivative(const char* variable) const
{
    ExpressionNode* du = Left()->Derivative(variable);
    ExpressionNode* dv = Right()->Derivative(variable);
    const auto u = [this] { return Left()->Clone(); };
    const auto v = [this] { return Right()->Clone(); };
    ExpressionNode* derivative = nullptr;
    switch (operatorIndex)
    {
    case Plus:
    case Minus:
        derivative = Operation(operatorIndex, du, dv);
        break;
    case Times:
        derivative = Operation(Plus, Operation(Times, v(), du), Operation(Times, u(), dv));
        break;
    case Divide:
        derivative = Operation(
            Minus, Operation(Divide, du, v()),
            Operation(Times, Operation(Times, u(), dv), Operation(Power, v(), Number(-2.0))));
        break;
    default:
    {
        // u^(v - 1) (v u' + u Log[u] v'). The Log term only where the exponent depends on the
        // variable: Log[u] of a constant u <= 0 folds to an error that its factor 0 could no
        // longer remove, where u^v has the derivative v u^(v - 1) u'.
        dv = dv->Validate();
        ExpressionNode* factor = Operation(Times, v(), du);
        if (IsConstantOf(dv, 0.0))
            delete dv;
        else
            factor = Operation(
                Plus, factor,
                Operation(Times, u(), Operation(Times, NewNode<Function>(Function::Log, u()), dv)));
        derivative =
            Operation(Times, Operation(Power, u(), Operation(Minus, v(), Number(1.0))), factor);
        break;
    }
    }
    return WithinDepthLimit(derivative);
}

} // namespace Brosquin
