#pragma once

#include <cstdint>
#include <new>
#include <utility>

namespace Brosquin
{

class Expression;
class ExpressionInput;
class Interval;
class Real;
class String;

// What a node is: the punctuation kinds live only in the parser's token list.
enum ExpressionNodeKind : int
{
    KindComma = 0,
    KindOpenParenthesis = 1,
    KindCloseParenthesis = 2,
    KindOpenBracket = 3,
    KindCloseBracket = 4,
    KindOpenBrace = 5,
    KindCloseBrace = 6,
    KindConstant = 7,
    KindVariable = 8,
    KindBinaryOperator = 9,
    KindUnaryOperator = 10,
    KindFunction = 11,
    KindProperty = 12,
    KindError = 13,
};

// Printing appends nothing once the text holds this many characters.
inline constexpr std::uint32_t PrintedTextLimit = 20000;
// A longer formula text is refused with FormulaTooLongMessage.
inline constexpr std::uint32_t FormulaTextLimit = 10000;
// No tree the engine builds (parse, rewrite, derivative, substitution) is more levels deep than
// this, nor does the parser nest deeper: every walk of a tree is recursive and has to stay within
// the stack. A deeper one becomes an error node with FormulaTooDeepMessage.
inline constexpr std::uint32_t FormulaDepthLimit = 500;
// Formulas reached through the variables of formulas (bound to one another) are evaluated and
// printed within one another; beyond this many the walk stops with FormulaBindingMessage.
inline constexpr std::uint32_t FormulaBindingLimit = 8;
inline constexpr const char* FormulaTooLongMessage = "Formula longer than 10000 characters";
inline constexpr const char* FormulaTooDeepMessage =
    "Formula nested more than 500 levels deep (each term of a sum or product counts as one)";
inline constexpr const char* FormulaBindingMessage =
    "Formulas bound within formulas more than 8 deep";

// A node of a formula tree. A node owns its children. The rewriting operations (Validate and the
// substitutions) take over the node they are called on and return the node that takes its place,
// which the caller stores instead; Clone and Derivative build new trees. The default of each
// operation is what a node without names or children answers.
class ExpressionNode
{
public:
    ExpressionNode() = default;
    ExpressionNode(const ExpressionNode&) = delete;
    ExpressionNode& operator=(const ExpressionNode&) = delete;
    virtual ~ExpressionNode() = default;

    virtual int Kind() const = 0;
    // The number text, message, operator or function name, or variable name.
    virtual const char* Name() const = 0;
    // Checks and simplifies the subtree; an error node in its place on failure.
    virtual ExpressionNode* Validate();
    // Appends the text form, stopping soon after the output has reached PrintedTextLimit.
    virtual void vdPrint(String& output) const;
    // A deep copy, bindings included.
    virtual ExpressionNode* Clone() const;
    // Moves the Real bindings by twice realShift bytes and the record bindings by twice
    // inputShift bytes.
    virtual void vdRelocateBindings(int realShift, int inputShift);

    // The name of the first unbound variable, children in order; null when there is none.
    virtual const char* UndefinedVariable() const;
    virtual void vdSetVariable(const char* name, const Real* value);
    virtual void vdSetVariableInput(const char* name, const ExpressionInput* input);
    virtual void vdSetVariableExpression(const char* name, Expression* source);
    // Also unbinds the properties of that variable.
    virtual void vdClearVariable(const char* name);
    // Puts a copy of the replacement in place of each variable of that name.
    virtual ExpressionNode* SubstituteVariable(const char* name, const ExpressionNode* replacement);
    // Renames variables and the variable part of properties; true when any was renamed.
    virtual bool RenameVariable(const char* oldName, const char* newName);

    // The names of the first unbound property; both null when there is none.
    virtual void vdUndefinedProperty(const char*& variable, const char*& property) const;
    virtual void vdSetProperty(const char* variable, const char* property, const Real* value);
    virtual void vdSetPropertyInput(const char* variable, const char* property,
                                    const ExpressionInput* input);
    virtual void vdSetPropertyExpression(const char* variable, const char* property,
                                         Expression* source);
    virtual void vdClearProperty(const char* variable, const char* property);
    virtual ExpressionNode* SubstituteProperty(const char* variable, const char* property,
                                               const ExpressionNode* replacement);
    virtual bool RenameProperty(const char* oldProperty, const char* newProperty);
    virtual bool RenamePropertyOf(const char* variable, const char* property,
                                  const char* newProperty);
    virtual bool RenameVariableProperty(const char* variable, const char* property,
                                        const char* newVariable, const char* newProperty);
    virtual void vdClearVariables();
    virtual void vdClearProperties();
    virtual void vdClearAll();

    // The value of the subtree, a message on failure.
    virtual void vdEvaluate(Real& result) const;
    // An interval that holds every value of the subtree over the ranges of its inputs.
    virtual void vdEvaluateInterval(Interval& result) const;
    virtual bool IsDifferentiable() const;
    // A new tree, not yet validated: the derivative with respect to the variable.
    virtual ExpressionNode* Derivative(const char* variable) const;
};

// Nodes come from pools whose allocation gives null when memory is exhausted; this makes that an
// exception like any other failed allocation.
template <class Node, class... Arguments> Node* NewNode(Arguments&&... arguments)
{
    Node* node = new Node(std::forward<Arguments>(arguments)...);
    if (node == nullptr)
        throw std::bad_alloc();
    return node;
}

// Levels of a tree: 1 for a leaf, 0 for none.
std::uint32_t TreeHeight(const ExpressionNode* node);
// The tree, or in its place (destroyed) an error node when it is deeper than FormulaDepthLimit.
ExpressionNode* WithinDepthLimit(ExpressionNode* tree);
// Whether a node is the constant of that exact value.
bool IsConstantOf(const ExpressionNode* node, double value);

} // namespace Brosquin
