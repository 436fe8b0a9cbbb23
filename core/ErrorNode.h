#pragma once

#include "core/ExpressionNode.h"
#include "core/PooledObject.h"

namespace Brosquin
{

class ReferenceString;

// Stands in a tree for what went wrong: the parser, Validate and Derivative put one in place of
// what they could not build. Its message is shared with its copies and with the values that take
// it.
class ErrorNode : public ExpressionNode, public PooledObject<ErrorNode>
{
public:
    // A message of its own: the text, followed by appended when given.
    explicit ErrorNode(const char* text, const char* appended = nullptr);
    explicit ErrorNode(ReferenceString* shared);
    ~ErrorNode() override;

    int Kind() const override { return KindError; }
    const char* Name() const override;
    // The message in double quotes, whatever the length of the output.
    void vdPrint(String& output) const override;
    ExpressionNode* Clone() const override;
    void vdEvaluate(Real& result) const override;
    void vdEvaluateInterval(Interval& result) const override;
    bool IsDifferentiable() const override { return false; }
    ExpressionNode* Derivative(const char* variable) const override;

    ReferenceString* Message() const { return message; }

private:
    ReferenceString* message; // never null
};

} // namespace Brosquin
