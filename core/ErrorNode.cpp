#include "core/ErrorNode.h"

#include "core/Interval.h"
#include "core/Real.h"
#include "core/ReferenceString.h"

namespace Brosquin
{

ErrorNode::ErrorNode(const char* text, const char* appended) : message(NewMessage(text))
{
    // Not onto the shared message that stands in when memory is exhausted.
    if (appended != nullptr && message->ReferenceCount() == 1)
        *message += appended;
}

ErrorNode::ErrorNode(ReferenceString* shared) : message(shared)
{
    message->vdAddReference();
}

ErrorNode::~ErrorNode()
{
    message->vdRelease();
}

const char* ErrorNode::Name() const
{
    return message->Text();
}

void ErrorNode::vdPrint(String& output) const
{
    output += '"';
    output += message->Text();
    output += '"';
}

ExpressionNode* ErrorNode::Clone() const
{
    return NewNode<ErrorNode>(message);
}

void ErrorNode::vdEvaluate(Real& result) const
{
    result.vdShareMessage(message);
}

void ErrorNode::vdEvaluateInterval(Interval& result) const
{
    result.SetMessage(message);
}

ExpressionNode* ErrorNode::Derivative(const char*) const
{
    return Clone();
}

} // namespace Brosquin
