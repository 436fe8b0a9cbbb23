#pragma once

#include "core/InnerNode.h"
#include "core/OperatorEntry.h"
#include "core/PooledObject.h"

namespace Brosquin
{

// An infix + - * / ^ . Validate folds constants and applies a fixed set of rewrites; printing
// writes "*" as a blank and puts in only the parentheses that the reading needs.
class BinaryOperator : public InnerNode, public PooledObject<BinaryOperator>
{
public:
    enum Index : int
    {
        Plus = 0,
        Minus = 1,
        Times = 2,
        Divide = 3,
        Power = 4,
    };
    static constexpr int OperatorCount = 5;
    static const OperatorEntry Operators[OperatorCount];

    explicit BinaryOperator(int operatorIndex, ExpressionNode* left = nullptr,
                            ExpressionNode* right = nullptr)
        : InnerNode(2, left, right), operatorIndex(operatorIndex)
    {
    }

    int Kind() const override { return KindBinaryOperator; }
    const char* Name() const override { return Operators[operatorIndex].text; }
    ExpressionNode* Validate() override;
    void vdPrint(String& output) const override;
    ExpressionNode* Clone() const override;
    void vdEvaluate(Real& result) const override;
    void vdEvaluateInterval(Interval& result) const override;
    ExpressionNode* Derivative(const char* variable) const override;

    int OperatorIndex() const { return operatorIndex; }
    void vdSetOperator(int index) { operatorIndex = index; }
    ExpressionNode* Left() const { return Child(1); }
    ExpressionNode* Right() const { return Child(2); }
    // Store a side without destroying the one it replaces.
    void SetLeft(ExpressionNode* left) { vdSetChild(1, left); }
    void SetRight(ExpressionNode* right) { vdSetChild(2, right); }

    // Whether the text of the tree begins with a sign, which after a blank would read as a
    // binary operator.
    static bool PrintsWithSign(const ExpressionNode* node);

private:
    ExpressionNode* ValidatedSum();
    ExpressionNode* ValidatedDifference();
    ExpressionNode* ValidatedProduct();
    ExpressionNode* ValidatedQuotient();
    ExpressionNode* ValidatedPower();
    // a op (b inner c) becomes (a op b) inner c, this node becoming the inner node's left side;
    // returns the inner node validated.
    ExpressionNode* Regrouped();
    void vdSwapSides();
    // The right side is a unary minus: it is taken out and its operand put in its place.
    void vdUnwrapRightMinus();
    bool SideInParentheses(int position) const;

    int operatorIndex;
};

} // namespace Brosquin
