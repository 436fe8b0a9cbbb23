#include "core/Property.h"

#include "core/Constant.h"
#include "core/Interval.h"
#include "core/Real.h"
#include "core/RealOf.h"

#include <cstring>

namespace Brosquin
{

bool Property::Matches(const char* variable, const char* property) const
{
    return std::strcmp(variableName.Text(), variable) == 0 &&
           std::strcmp(propertyName.Text(), property) == 0;
}

bool Property::IsSame(const Property& other) const
{
    return Matches(other.variableName.Text(), other.propertyName.Text());
}

void Property::vdUnboundMessage(String& message) const
{
    message = "No value specified for property: ";
    message += variableName.Text();
    message += '{';
    message += propertyName.Text();
    message += '}';
}

void Property::vdPrint(String& output) const
{
    if (output.Length() >= PrintedTextLimit)
        return;
    if (variableName.Length() == 0 && propertyName.Length() == 0)
    {
        binding.vdPrint(output);
        return;
    }
    output += variableName.Text();
    output += '{';
    output += propertyName.Text();
    output += '}';
}

ExpressionNode* Property::Clone() const
{
    auto* copy = NewNode<Property>(variableName.Text(), propertyName.Text());
    copy->binding = binding;
    return copy;
}

void Property::vdRelocateBindings(int realShift, int inputShift)
{
    binding.vdRelocate(realShift, inputShift);
}

void Property::vdClearVariable(const char* variable)
{
    if (std::strcmp(variableName.Text(), variable) == 0)
        binding.vdClear();
}

bool Property::RenameVariable(const char* oldName, const char* newName)
{
    if (std::strcmp(variableName.Text(), oldName) != 0)
        return false;
    variableName = newName;
    return true;
}

void Property::vdUndefinedProperty(const char*& variable, const char*& property) const
{
    const bool unbound = binding.Status() == ReferenceBinding::Unbound;
    variable = unbound ? variableName.Text() : nullptr;
    property = unbound ? propertyName.Text() : nullptr;
}

void Property::vdSetProperty(const char* variable, const char* property, const Real* value)
{
    if (Matches(variable, property))
        binding.vdBind(value);
}

void Property::vdSetPropertyInput(const char* variable, const char* property,
                                  const ExpressionInput* input)
{
    if (Matches(variable, property))
        binding.vdBind(input);
}

void Property::vdSetPropertyExpression(const char* variable, const char* property,
                                       Expression* source)
{
    if (Matches(variable, property))
        binding.vdBind(source);
}

void Property::vdClearProperty(const char* variable, const char* property)
{
    if (Matches(variable, property))
        binding.vdClear();
}

ExpressionNode* Property::SubstituteProperty(const char* variable, const char* property,
                                             const ExpressionNode* replacement)
{
    if (!Matches(variable, property))
        return this;
    delete this;
    return replacement->Clone();
}

bool Property::RenameProperty(const char* oldProperty, const char* newProperty)
{
    if (std::strcmp(propertyName.Text(), oldProperty) != 0)
        return false;
    propertyName = newProperty;
    return true;
}

bool Property::RenamePropertyOf(const char* variable, const char* property, const char* newProperty)
{
    if (!Matches(variable, property))
        return false;
    propertyName = newProperty;
    return true;
}

bool Property::RenameVariableProperty(const char* variable, const char* property,
                                      const char* newVariable, const char* newProperty)
{
    if (!Matches(variable, property))
        return false;
    variableName = newVariable;
    propertyName = newProperty;
    return true;
}

void Property::vdClearProperties()
{
    binding.vdClear();
}

void Property::vdClearAll()
{
    binding.vdClear();
}

void Property::vdEvaluate(Real& result) const
{
    if (!binding.Read(result))
    {
        String message;
        vdUnboundMessage(message);
        result.vdSetMessage(message.Text());
    }
}

void Property::vdEvaluateInterval(Interval& result) const
{
    if (!binding.Read(result))
    {
        String message;
        vdUnboundMessage(message);
        result.SetMessage(message.Text());
    }
}

ExpressionNode* Property::Derivative(const char*) const
{
    return NewNode<Constant>(RealOf(0.0));
}

} // namespace Brosquin
