#pragma once

#include "core/ExpressionNode.h"
#include "core/PooledObject.h"
#include "core/ReferenceBinding.h"
#include "core/String.h"

namespace Brosquin
{

// A property of a variable, Variable{Property}, bound by both names to the value it reads. Its
// Name is the variable's name.
class Property : public ExpressionNode, public PooledObject<Property>
{
public:
    explicit Property(const char* variableName, const char* propertyName = nullptr)
        : variableName(variableName), propertyName(propertyName)
    {
    }

    int Kind() const override { return KindProperty; }
    const char* Name() const override { return variableName.Text(); }
    void vdPrint(String& output) const override;
    ExpressionNode* Clone() const override;
    void vdRelocateBindings(int realShift, int inputShift) override;
    void vdClearVariable(const char* variable) override;
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
    void vdClearProperties() override;
    void vdClearAll() override;
    void vdEvaluate(Real& result) const override;
    void vdEvaluateInterval(Interval& result) const override;
    ExpressionNode* Derivative(const char* variable) const override;

    const char* PropertyName() const { return propertyName.Text(); }
    void vdSetPropertyName(const char* name) { propertyName = name; }
    const ReferenceBinding& Binding() const { return binding; }
    // Whether both names are those of the other property.
    bool IsSame(const Property& other) const;

private:
    bool Matches(const char* variable, const char* property) const;
    // "No value specified for property: Variable{Property}".
    void vdUnboundMessage(String& message) const;

    String variableName;
    String propertyName;
    ReferenceBinding binding;
};

} // namespace Brosquin
