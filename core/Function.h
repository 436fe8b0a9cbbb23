#pragma once

#include "core/InnerNode.h"
#include "core/PooledObject.h"

namespace Brosquin
{

class Interval;
class Real;

// A call of one of the formula language's 24 built-in functions, Name[parameters].
class Function : public InnerNode, public PooledObject<Function>
{
public:
    enum Index : int
    {
        Log,
        Log10,
        Exponential,
        SquareRoot,
        Sine,
        Cosine,
        Tangent,
        ArcSine,
        ArcCosine,
        ArcTangent,
        HyperbolicSine,
        HyperbolicCosine,
        HyperbolicTangent,
        Gamma,
        LogGamma,
        Beta,
        LogBeta,
        AbsoluteValue,
        Minimum,
        Maximum,
        Pi,
        E,
        NormalDistribution,
        NormalFractionDefective,
    };
    static constexpr int FunctionCount = 24;

    // A row of the function table: the Real and Interval operations change the value of the
    // first parameter in place (of none for pi and e) and take the second as argument.
    struct Entry
    {
        const char* name;
        int parameterCount;
        bool differentiable;
        Real& (Real::*real)();
        Real& (Real::*realOfTwo)(const Real&);
        Interval& (Interval::*interval)();
        Interval& (Interval::*intervalOfTwo)(const Interval&);
    };
    static const Entry Table[FunctionCount];

    // The index of the function of exactly that name; -1 when there is none.
    static int Find(const char* name);

    explicit Function(int index, ExpressionNode* first = nullptr, ExpressionNode* second = nullptr)
        : InnerNode(Table[index].parameterCount, first, second), index(index)
    {
    }

    int Kind() const override { return KindFunction; }
    const char* Name() const override { return Table[index].name; }
    ExpressionNode* Validate() override;
    void vdPrint(String& output) const override;
    ExpressionNode* Clone() const override;
    void vdEvaluate(Real& result) const override;
    void vdEvaluateInterval(Interval& result) const override;
    bool IsDifferentiable() const override;
    ExpressionNode* Derivative(const char* variable) const override;

    int FunctionIndex() const { return index; }
    int ParameterCount() const { return Table[index].parameterCount; }
    // position 1 or 2.
    ExpressionNode* Parameter(int position) const { return Child(position); }
    // Stores a parameter without destroying the one it replaces.
    void vdSetParameter(int position, ExpressionNode* parameter)
    {
        vdSetChild(position, parameter);
    }

private:
    int index;
};

} // namespace Brosquin
