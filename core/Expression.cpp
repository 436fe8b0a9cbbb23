#include "core/Expression.h"

#include "core/ErrorNode.h"
#include "core/ReferenceBinding.h"

namespace Brosquin
{

namespace
{

constexpr const char* circularMessage = "Circular reference.";

void vdSetMessageOf(Real& held, const char* text)
{
    held.vdSetMessage(text);
}

void vdSetMessageOf(Interval& held, const char* text)
{
    held.SetMessage(text);
}

} // namespace

Expression::Expression() : root(NewNode<ErrorNode>("Empty expression")) {}

Expression::Expression(const char* text)
{
    vdParse(text);
}

Expression::Expression(const Expression& other)
    : value(other.value), interval(other.interval), stamp(other.stamp), root(other.root->Clone())
{
}

Expression::~Expression()
{
    delete root;
}

Expression& Expression::operator=(const Expression& other)
{
    if (this == &other)
        return *this;
    ExpressionNode* copy = other.root->Clone();
    delete root;
    root = copy;
    value = other.value;
    interval = other.interval;
    stamp = other.stamp;
    return *this;
}

const char* Expression::CheckVariable(const char*)
{
    return nullptr;
}

const char* Expression::CheckProperty(const char*, const char*)
{
    return nullptr;
}

const char* Expression::CheckFunction(int)
{
    return nullptr;
}

const char* Expression::CheckUnaryOperator(int)
{
    return nullptr;
}

const char* Expression::CheckBinaryOperator(int)
{
    return nullptr;
}

void Expression::vdParse(const char* text)
{
    stamp = 0;
    delete root;
    root = nullptr;
    root = ParseText(text != nullptr ? text : "")->Validate();
}

void Expression::vdSetVariable(const char* name, const Real* bound)
{
    if (name != nullptr)
        root->vdSetVariable(name, bound);
}

void Expression::vdNextGeneration()
{
    if (++EvaluationGeneration < 2)
        EvaluationGeneration = 2;
}

template <class Value>
const Value& Expression::Evaluated(Value& held, void (ExpressionNode::*evaluate)(Value&) const)
{
    stamp = 1;
    (root->*evaluate)(held);
    stamp = EvaluationGeneration;
    return held;
}

template <class Value>
const Value& Expression::Cached(Value& held, void (ExpressionNode::*evaluate)(Value&) const)
{
    if (stamp == 1)
        vdSetMessageOf(held, circularMessage);
    else if (stamp != EvaluationGeneration)
    {
        const BindingDepthGuard guard;
        if (guard.Exceeded())
            vdSetMessageOf(held, FormulaBindingMessage);
        else
            Evaluated(held, evaluate);
    }
    return held;
}

const Real& Expression::Evaluate()
{
    vdNextGeneration();
    return Evaluated(value, &ExpressionNode::vdEvaluate);
}

const Interval& Expression::EvaluateInterval()
{
    vdNextGeneration();
    return Evaluated(interval, &ExpressionNode::vdEvaluateInterval);
}

const Real& Expression::CachedValue()
{
    return Cached(value, &ExpressionNode::vdEvaluate);
}

const Interval& Expression::CachedInterval()
{
    return Cached(interval, &ExpressionNode::vdEvaluateInterval);
}

} // namespace Brosquin
