#pragma once

#include <cstdint>

namespace Brosquin
{

class Expression;
class ExpressionInput;
class ExpressionNode;
class Interval;
class Real;
class String;

// What a variable or property node reads its value from: nothing, a Real, an input record (its
// value and range) or another formula, evaluated at most once per evaluation. The bound object
// belongs to whoever bound it, who keeps it alive while the binding is used.
class ReferenceBinding
{
public:
    enum State : std::int32_t
    {
        Unbound = 0,
        BoundReal = 1,
        BoundInput = 2,
        BoundExpression = 3,
    };

    void vdBind(const Real* value);
    void vdBind(const ExpressionInput* input);
    void vdBind(Expression* source);
    void vdClear() { state = Unbound; }
    State Status() const { return state; }
    // The bound formula; null unless bound to one.
    Expression* BoundFormula() const { return state == BoundExpression ? expression : nullptr; }
    // Moves a Real binding by twice realShift bytes and a record binding by twice inputShift.
    void vdRelocate(int realShift, int inputShift);

    // The bound value into result; false, with result untouched, when unbound.
    bool Read(Real& result) const;
    bool Read(Interval& result) const;
    // The bound value's text form, in place of a name.
    void vdPrint(String& output) const;

private:
    State state = Unbound;
    union
    {
        const Real* real;
        const ExpressionInput* input;
        Expression* expression = nullptr;
    };
};

// Counts the formulas entered through bindings, in evaluation and in printing, while it lives:
// chains of formulas bound within formulas, or bound to themselves, stay within the stack.
class BindingDepthGuard
{
public:
    BindingDepthGuard() { ++depth; }
    ~BindingDepthGuard() { --depth; }
    BindingDepthGuard(const BindingDepthGuard&) = delete;
    BindingDepthGuard& operator=(const BindingDepthGuard&) = delete;

    // Whether more than FormulaBindingLimit formulas are entered.
    bool Exceeded() const;

private:
    static inline std::uint32_t depth = 0;
};

// The node that prints in place of this one, for the choice of parentheses: a reference without
// a name bound to a formula shows that formula's tree.
const ExpressionNode* PrintedNode(const ExpressionNode* node);

} // namespace Brosquin
