#include "core/InnerNode.h"

#include "core/Constant.h"
#include "core/Real.h"

#include <algorithm>

namespace Brosquin
{

InnerNode::InnerNode(int childCount, ExpressionNode* first, ExpressionNode* second)
    : childCount(childCount), children{first, second}
{
    height = 1 + std::max(TreeHeight(first), TreeHeight(second));
}

InnerNode::~InnerNode()
{
    delete children[0];
    delete children[1];
}

void InnerNode::vdSetChild(int position, ExpressionNode* child)
{
    children[position - 1] = child;
    height = 1 + std::max(TreeHeight(children[0]), TreeHeight(children[1]));
}

ExpressionNode* InnerNode::Detached(int position)
{
    ExpressionNode* child = children[position - 1];
    vdSetChild(position, nullptr);
    return child;
}

void InnerNode::vdDropChildren()
{
    vdSetChild(1, nullptr);
    vdSetChild(2, nullptr);
}

ExpressionNode* InnerNode::ReplacedBy(ExpressionNode* replacement)
{
    delete this;
    return replacement;
}

ExpressionNode* InnerNode::ValidatedChildrenError()
{
    for (int i = 1; i <= childCount; ++i)
    {
        vdSetChild(i, Child(i)->Validate());
        if (Child(i)->Kind() == KindError)
            return ReplacedBy(Detached(i));
    }
    return nullptr;
}

ExpressionNode* InnerNode::Folded()
{
    for (int i = 1; i <= childCount; ++i)
        if (Child(i)->Kind() != KindConstant)
            return nullptr;
    Real value;
    vdEvaluate(value);
    return ReplacedBy(NewNode<Constant>(value))->Validate();
}

template <class Visit> void InnerNode::vdVisitChildren(Visit visit) const
{
    for (int i = 1; i <= childCount; ++i)
        if (Child(i) != nullptr)
            visit(*Child(i));
}

template <class Ask> bool InnerNode::AnyChild(Ask ask) const
{
    bool any = false;
    vdVisitChildren([&](ExpressionNode& child) { any = ask(child) || any; });
    return any;
}

void InnerNode::vdRelocateBindings(int realShift, int inputShift)
{
    vdVisitChildren([&](ExpressionNode& child)
                    { child.vdRelocateBindings(realShift, inputShift); });
}

const char* InnerNode::UndefinedVariable() const
{
    const char* name = nullptr;
    vdVisitChildren(
        [&](ExpressionNode& child)
        {
            if (name == nullptr)
                name = child.UndefinedVariable();
        });
    return name;
}

void InnerNode::vdSetVariable(const char* name, const Real* value)
{
    vdVisitChildren([&](ExpressionNode& child) { child.vdSetVariable(name, value); });
}

void InnerNode::vdSetVariableInput(const char* name, const ExpressionInput* input)
{
    vdVisitChildren([&](ExpressionNode& child) { child.vdSetVariableInput(name, input); });
}

void InnerNode::vdSetVariableExpression(const char* name, Expression* source)
{
    vdVisitChildren([&](ExpressionNode& child) { child.vdSetVariableExpression(name, source); });
}

void InnerNode::vdClearVariable(const char* name)
{
    vdVisitChildren([&](ExpressionNode& child) { child.vdClearVariable(name); });
}

ExpressionNode* InnerNode::SubstituteVariable(const char* name, const ExpressionNode* replacement)
{
    for (int i = 1; i <= childCount; ++i)
        if (Child(i) != nullptr)
            vdSetChild(i, Child(i)->SubstituteVariable(name, replacement));
    return WithinDepthLimit(this);
}

bool InnerNode::RenameVariable(const char* oldName, const char* newName)
{
    return AnyChild([&](ExpressionNode& child) { return child.RenameVariable(oldName, newName); });
}

void InnerNode::vdUndefinedProperty(const char*& variable, const char*& property) const
{
    variable = nullptr;
    property = nullptr;
    vdVisitChildren(
        [&](ExpressionNode& child)
        {
            if (variable == nullptr)
                child.vdUndefinedProperty(variable, property);
        });
}

void InnerNode::vdSetProperty(const char* variable, const char* property, const Real* value)
{
    vdVisitChildren([&](ExpressionNode& child) { child.vdSetProperty(variable, property, value); });
}

void InnerNode::vdSetPropertyInput(const char* variable, const char* property,
                                   const ExpressionInput* input)
{
    vdVisitChildren([&](ExpressionNode& child)
                    { child.vdSetPropertyInput(variable, property, input); });
}

void InnerNode::vdSetPropertyExpression(const char* variable, const char* property,
                                        Expression* source)
{
    vdVisitChildren([&](ExpressionNode& child)
                    { child.vdSetPropertyExpression(variable, property, source); });
}

void InnerNode::vdClearProperty(const char* variable, const char* property)
{
    vdVisitChildren([&](ExpressionNode& child) { child.vdClearProperty(variable, property); });
}

ExpressionNode* InnerNode::SubstituteProperty(const char* variable, const char* property,
                                              const ExpressionNode* replacement)
{
    for (int i = 1; i <= childCount; ++i)
        if (Child(i) != nullptr)
            vdSetChild(i, Child(i)->SubstituteProperty(variable, property, replacement));
    return WithinDepthLimit(this);
}

bool InnerNode::RenameProperty(const char* oldProperty, const char* newProperty)
{
    return AnyChild([&](ExpressionNode& child)
                    { return child.RenameProperty(oldProperty, newProperty); });
}

bool InnerNode::RenamePropertyOf(const char* variable, const char* property,
                                 const char* newProperty)
{
    return AnyChild([&](ExpressionNode& child)
                    { return child.RenamePropertyOf(variable, property, newProperty); });
}

bool InnerNode::RenameVariableProperty(const char* variable, const char* property,
                                       const char* newVariable, const char* newProperty)
{
    return AnyChild(
        [&](ExpressionNode& child)
        { return child.RenameVariableProperty(variable, property, newVariable, newProperty); });
}

void InnerNode::vdClearVariables()
{
    vdVisitChildren([](ExpressionNode& child) { child.vdClearVariables(); });
}

void InnerNode::vdClearProperties()
{
    vdVisitChildren([](ExpressionNode& child) { child.vdClearProperties(); });
}

void InnerNode::vdClearAll()
{
    vdVisitChildren([](ExpressionNode& child) { child.vdClearAll(); });
}

bool InnerNode::IsDifferentiable() const
{
    bool all = true;
    vdVisitChildren(
        [&](ExpressionNode& child)
        {
            if (all)
                all = child.IsDifferentiable();
        });
    return all;
}

} // namespace Brosquin
