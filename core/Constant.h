#pragma once

#include "core/ExpressionNode.h"
#include "core/PooledObject.h"
#include "core/Real.h"

namespace Brosquin
{

// A number in a formula. One made by folding or by a derivative may hold a message until
// Validate turns it into an error node.
class Constant : public ExpressionNode, public PooledObject<Constant>
{
public:
    explicit Constant(const Real& value) : value(value) {}

    int Kind() const override { return KindConstant; }
    // The number's text form with " 10^" before an exponent; it lives until the next text form.
    const char* Name() const override;
    ExpressionNode* Validate() override;
    void vdPrint(String& output) const override;
    ExpressionNode* Clone() const override;
    void vdEvaluate(Real& result) const override;
    void vdEvaluateInterval(Interval& result) const override;
    ExpressionNode* Derivative(const char* variable) const override;

    // The rewrites of the operators change the number in place.
    Real& Value() { return value; }
    const Real& Value() const { return value; }
    // Whether the text form has an exponent part (" 10^"), which reads back as a product.
    bool HasExponentText() const;

private:
    Real value;
};

} // namespace Brosquin
