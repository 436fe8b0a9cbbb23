#include "core/ExpressionNode.h"

#include "core/Constant.h"
#include "core/ErrorNode.h"
#include "core/InnerNode.h"

namespace Brosquin
{

ExpressionNode* ExpressionNode::Validate()
{
    return this;
}

void ExpressionNode::vdPrint(String&) const {}

ExpressionNode* ExpressionNode::Clone() const
{
    return nullptr;
}

void ExpressionNode::vdRelocateBindings(int, int) {}

const char* ExpressionNode::UndefinedVariable() const
{
    return nullptr;
}

void ExpressionNode::vdSetVariable(const char*, const Real*) {}

void ExpressionNode::vdSetVariableInput(const char*, const ExpressionInput*) {}

void ExpressionNode::vdSetVariableExpression(const char*, Expression*) {}

void ExpressionNode::vdClearVariable(const char*) {}

ExpressionNode* ExpressionNode::SubstituteVariable(const char*, const ExpressionNode*)
{
    return this;
}

bool ExpressionNode::RenameVariable(const char*, const char*)
{
    return false;
}

void ExpressionNode::vdUndefinedProperty(const char*& variable, const char*& property) const
{
    variable = nullptr;
    property = nullptr;
}

void ExpressionNode::vdSetProperty(const char*, const char*, const Real*) {}

void ExpressionNode::vdSetPropertyInput(const char*, const char*, const ExpressionInput*) {}

void ExpressionNode::vdSetPropertyExpression(const char*, const char*, Expression*) {}

void ExpressionNode::vdClearProperty(const char*, const char*) {}

ExpressionNode* ExpressionNode::SubstituteProperty(const char*, const char*, const ExpressionNode*)
{
    return this;
}

bool ExpressionNode::RenameProperty(const char*, const char*)
{
    return false;
}

bool ExpressionNode::RenamePropertyOf(const char*, const char*, const char*)
{
    return false;
}

bool ExpressionNode::RenameVariableProperty(const char*, const char*, const char*, const char*)
{
    return false;
}

void ExpressionNode::vdClearVariables() {}

void ExpressionNode::vdClearProperties() {}

void ExpressionNode::vdClearAll() {}

void ExpressionNode::vdEvaluate(Real&) const {}

void ExpressionNode::vdEvaluateInterval(Interval&) const {}

bool ExpressionNode::IsDifferentiable() const
{
    return true;
}

ExpressionNode* ExpressionNode::Derivative(const char*) const
{
    return nullptr;
}

std::uint32_t TreeHeight(const ExpressionNode* node)
{
    if (node == nullptr)
        return 0;
    const int kind = node->Kind();
    if (kind == KindUnaryOperator || kind == KindBinaryOperator || kind == KindFunction)
        return static_cast<const InnerNode*>(node)->Height();
    return 1;
}

ExpressionNode* WithinDepthLimit(ExpressionNode* tree)
{
    if (TreeHeight(tree) <= FormulaDepthLimit)
        return tree;
    delete tree;
    return NewNode<ErrorNode>(FormulaTooDeepMessage);
}

bool IsConstantOf(const ExpressionNode* node, double value)
{
    return node->Kind() == KindConstant &&
           static_cast<const Constant*>(node)->Value().Message() == nullptr &&
           static_cast<const Constant*>(node)->Value().dValue() == value;
}

} // namespace Brosquin
