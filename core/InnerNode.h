#pragma once

#include "core/ExpressionNode.h"

#include <cstdint>

namespace Brosquin
{

// The part that the operator and function nodes share: they own one or two children and pass
// the tree walks on to them in order, left before right. It keeps the height of its subtree, so
// that the operations that build trees can hold them within FormulaDepthLimit.
class InnerNode : public ExpressionNode
{
public:
    ~InnerNode() override;

    void vdRelocateBindings(int realShift, int inputShift) override;
    const char* UndefinedVariable() const override;
    void vdSetVariable(const char* name, const Real* value) override;
    void vdSetVariableInput(const char* name, const ExpressionInput* input) override;
    void vdSetVariableExpression(const char* name, Expression* source) override;
    void vdClearVariable(const char* name) override;
    ExpressionNode* SubstituteVariable(const char* name,
                                       const ExpressionNode* replacement) override;
    bool RenameVariable(const char* oldName, const char* newName) override;
    void vdUndefinedProperty(const char*& variable, const char*& property) const override;
    void vdSetProperty(const char* variable, const char* property, const Real* value) override;
    void vdSetPropertyInput(const char* variable, const char* property,
                            const ExpressionInput* input) override;
    void vdSetPropertyExpression(const char* variable, const char* property,
                                 Expression* source) override;
    void vdClearProperty(const char* variable, const char* property) override;
    ExpressionNode* SubstituteProperty(const char* variable, const char* property,
                                       const ExpressionNode* replacement) override;
    bool RenameProperty(const char* oldProperty, const char* newProperty) override;
    bool RenamePropertyOf(const char* variable, const char* property,
                          const char* newProperty) override;
    bool RenameVariableProperty(const char* variable, const char* property, const char* newVariable,
                                const char* newProperty) override;
    void vdClearVariables() override;
    void vdClearProperties() override;
    void vdClearAll() override;
    // Whether every child can be differentiated.
    bool IsDifferentiable() const override;

    std::uint32_t Height() const { return height; }
    // Forgets the children without destroying them (the parser's clean-up of a failed parse).
    void vdDropChildren();

protected:
    // childCount is how many children the walks visit (0 to 2); absent ones are skipped.
    InnerNode(int childCount, ExpressionNode* first, ExpressionNode* second);

    // position 1 or 2.
    ExpressionNode* Child(int position) const { return children[position - 1]; }
    // Stores a child without destroying the one it replaces.
    void vdSetChild(int position, ExpressionNode* child);
    // Takes a child out, leaving its place empty.
    ExpressionNode* Detached(int position);
    // Validates the children in order. When one becomes an error node, this node is destroyed
    // and that error node returned; otherwise null.
    ExpressionNode* ValidatedChildrenError();
    // When every child is a constant: this node evaluated into a new constant (validated), this
    // node destroyed; otherwise null.
    ExpressionNode* Folded();
    // Replaces this node (destroyed) by another, detached from it first by the caller.
    ExpressionNode* ReplacedBy(ExpressionNode* replacement);

private:
    // Calls visit on each child the node has, in order.
    template <class Visit> void vdVisitChildren(Visit visit) const;
    // Asks each child in order (all of them) and tells whether any answered true.
    template <class Ask> bool AnyChild(Ask ask) const;

    int childCount;
    ExpressionNode* children[2];
    std::uint32_t height = 1;
};

} // namespace Brosquin
