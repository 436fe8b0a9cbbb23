#pragma once

#include "core/InnerNode.h"
#include "core/OperatorEntry.h"
#include "core/PooledObject.h"

namespace Brosquin
{

// A prefix + or - . It binds tighter than every binary operator: -x^2 is (-x)^2.
class UnaryOperator : public InnerNode, public PooledObject<UnaryOperator>
{
public:
    enum Index : int
    {
        Plus = 0,
        Minus = 1,
    };
    static constexpr int OperatorCount = 2;
    static const OperatorEntry Operators[OperatorCount];

    explicit UnaryOperator(int operatorIndex, ExpressionNode* operand = nullptr)
        : InnerNode(1, operand, nullptr), operatorIndex(operatorIndex)
    {
    }

    int Kind() const override { return KindUnaryOperator; }
    const char* Name() const override { return Operators[operatorIndex].text; }
    ExpressionNode* Validate() override;
    void vdPrint(String& output) const override;
    ExpressionNode* Clone() const override;
    void vdEvaluate(Real& result) const override;
    void vdEvaluateInterval(Interval& result) const override;
    ExpressionNode* Derivative(const char* variable) const override;

    int OperatorIndex() const { return operatorIndex; }
    ExpressionNode* Operand() const { return Child(1); }
    // Stores the operand without destroying the one it replaces.
    void SetOperand(ExpressionNode* operand) { vdSetChild(1, operand); }

private:
    int operatorIndex;
};

} // namespace Brosquin
