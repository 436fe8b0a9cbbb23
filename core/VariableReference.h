#pragma once

#include "core/ExpressionNode.h"
#include "core/PooledObject.h"
#include "core/ReferenceBinding.h"
#include "core/String.h"

namespace Brosquin
{

// A variable of a formula, bound by name to the value it reads.
class VariableReference : public ExpressionNode, public PooledObject<VariableReference>
{
public:
    explicit VariableReference(const char* name) : name(name) {}

    int Kind() const override { return KindVariable; }
    const char* Name() const override { return name.Text(); }
    void vdPrint(String& output) const override;
    ExpressionNode* Clone() const override;
    void vdRelocateBindings(int realShift, int inputShift) override;
    const char* UndefinedVariable() const override;
    void vdSetVariable(const char* variable, const Real* value) override;
    void vdSetVariableInput(const char* variable, const ExpressionInput* input) override;
    void vdSetVariableExpression(const char* variable, Expression* source) override;
    void vdClearVariable(const char* variable) override;
    ExpressionNode* SubstituteVariable(const char* variable,
                                       const ExpressionNode* replacement) override;
    bool RenameVariable(const char* oldName, const char* newName) override;
    void vdClearVariables() override;
    void vdClearAll() override;
    void vdEvaluate(Real& result) const override;
    void vdEvaluateInterval(Interval& result) const override;
    ExpressionNode* Derivative(const char* variable) const override;

    const ReferenceBinding& Binding() const { return binding; }

private:
    bool Matches(const char* variable) const;

    String name;
    ReferenceBinding binding;
};

} // namespace Brosquin
