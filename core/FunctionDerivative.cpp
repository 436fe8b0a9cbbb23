#include "core/BinaryOperator.h"
#include "core/Constant.h"
#include "core/ErrorNode.h"
#include "core/Function.h"
#include "core/RealOf.h"
#include "core/UnaryOperator.h"

#include <cmath>

namespace Brosquin
{

namespace
{

ExpressionNode* Number(double value)
{
    return NewNode<Constant>(RealOf(value));
}

ExpressionNode* Plus(ExpressionNode* left, ExpressionNode* right)
{
    return NewNode<BinaryOperator>(BinaryOperator::Plus, left, right);
}

ExpressionNode* Minus(ExpressionNode* left, ExpressionNode* right)
{
    return NewNode<BinaryOperator>(BinaryOperator::Minus, left, right);
}

ExpressionNode* Times(ExpressionNode* left, ExpressionNode* right)
{
    return NewNode<BinaryOperator>(BinaryOperator::Times, left, right);
}

ExpressionNode* Divided(ExpressionNode* left, ExpressionNode* right)
{
    return NewNode<BinaryOperator>(BinaryOperator::Divide, left, right);
}

ExpressionNode* Raised(ExpressionNode* left, ExpressionNode* right)
{
    return NewNode<BinaryOperator>(BinaryOperator::Power, left, right);
}

ExpressionNode* Negated(ExpressionNode* operand)
{
    return NewNode<UnaryOperator>(UnaryOperator::Minus, operand);
}

ExpressionNode* Call(int index, ExpressionNode* parameter)
{
    return NewNode<Function>(index, parameter);
}

} // namespace

// The chain rule, one template per function; u stands for a fresh copy of the parameter in each
// place, du for its derivative, which the result takes over.
ExpressionNode* Function::Derivative(const char* variable) const
{
    if (!Table[index].differentiable)
        return NewNode<ErrorNode>("Not differentiable");
    if (ParameterCount() == 0)
        return Number(0.0);
    ExpressionNode* du = Parameter(1)->Derivative(variable);
    const auto u = [this] { return Parameter(1)->Clone(); };
    // (1 - u^2)^-0.5, the derivative of the arcsine.
    const auto arcSineFactor = [&]
    { return Raised(Minus(Number(1.0), Raised(u(), Number(2.0))), Number(-0.5)); };
    ExpressionNode* derivative = nullptr;
    switch (index)
    {
    case Log:
        derivative = Divided(du, u());
        break;
    case Log10:
        derivative = Times(Number(0.4342944819032518), Divided(du, u()));
        break;
    case Exponential:
        derivative = Times(Call(Exponential, u()), du);
        break;
    case SquareRoot:
        derivative = Times(Divided(Number(0.5), Call(SquareRoot, u())), du);
        break;
    case Sine:
        derivative = Times(Call(Cosine, u()), du);
        break;
    case Cosine:
        derivative = Times(Negated(Call(Sine, u())), du);
        break;
    case Tangent:
        derivative = Times(Divided(Number(1.0), Raised(Call(Cosine, u()), Number(2.0))), du);
        break;
    case ArcSine:
        derivative = Times(arcSineFactor(), du);
        break;
    case ArcCosine:
        derivative = Times(Negated(arcSineFactor()), du);
        break;
    case ArcTangent:
        derivative = Times(Divided(Number(1.0), Plus(Number(1.0), Raised(u(), Number(2.0)))), du);
        break;
    case HyperbolicSine:
        derivative = Times(Call(HyperbolicCosine, u()), du);
        break;
    case HyperbolicCosine:
        derivative = Times(Call(HyperbolicSine, u()), du);
        break;
    case HyperbolicTangent:
        derivative = Times(Raised(Call(HyperbolicCosine, u()), Number(-2.0)), du);
        break;
    default: // NormalDistribution: the density 1/sqrt(2 pi) e^(-u^2/2)
        derivative =
            Times(Number(1.0 / std::sqrt(6.283185307179586)),
                  Times(Call(Exponential, Times(Number(-0.5), Raised(u(), Number(2.0)))), du));
        break;
    }
    return WithinDepthLimit(derivative);
}

} // namespace Brosquin
