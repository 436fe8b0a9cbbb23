#pragma once

#include "core/ExpressionNode.h"
#include "core/Interval.h"
#include "core/Real.h"

#include <cstdint>

namespace Brosquin
{

class ListPointers;
class String;

// A formula typed by the user, parsed at once into a tree and validated (constant parts folded).
//
// How the rest of the program uses it:
//   Expression formula(text);          // any text; an empty or null one is invalid
//   formula.vdSetVariable("AQL", &aql); // binds every variable of that name to a Real the
//                                       // caller keeps alive and current
//   then judges, in this order:
//   - !formula.IsValid(): not a formula; Evaluate() returns the parse message;
//   - formula.UndefinedVariable() != null: a variable (by that name) left unbound;
//   - formula.Evaluate() holding a message: no value (for example "Divide by zero").
// The formula language: numbers without sign or exponent (1.5, .5, 5.), variables (letters,
// digits and _, starting with a letter or _), properties Variable{Property}, the functions of the
// function table called with square brackets (Log[x], Beta[a,b], pi[], e[]), parentheses, prefix
// + and - (binding tightest: -2^2 is 4), infix + - * / ^ (^ to the right: 2^3^2 is 512), and a
// product written by juxtaposition (2x, 2 3, 1.5 10^3). Names are case-sensitive.
class Expression
{
public:
    // Invalid: "Empty expression".
    Expression();
    explicit Expression(const char* text);
    // Copies share the bindings of the source.
    Expression(const Expression& other);
    virtual ~Expression();
    Expression& operator=(const Expression& other);

    // Each hook may refuse an item of the language while parsing, by returning a message, or
    // accept it by returning null; here every item is accepted.
    virtual const char* CheckVariable(const char* name);
    virtual const char* CheckProperty(const char* variable, const char* property);
    virtual const char* CheckFunction(int index);
    virtual const char* CheckUnaryOperator(int index);
    virtual const char* CheckBinaryOperator(int index);

    // Replaces the formula by the parse of the text, validated.
    void vdParse(const char* text);
    bool IsValid() const { return root->Kind() != KindError; }
    // The first unbound variable (properties do not count); null when every one is bound.
    const char* UndefinedVariable() const { return root->UndefinedVariable(); }
    // Binds every variable of that exact name; a name that does not occur changes nothing.
    void vdSetVariable(const char* name, const Real* value);
    // The value: a number, or a message (the parse message of an invalid formula, an evaluation
    // error, "No value specified for variable: " with the name, "Circular reference.").
    const Real& Evaluate();
    // An interval holding every value over the ranges of the inputs bound to records.
    const Interval& EvaluateInterval();
    // The text form: the formula with the fewest parentheses, or the message in double quotes.
    void vdPrint(String& output) const { root->vdPrint(output); }

    // For variables bound to this formula while another one is evaluated: evaluated at most once
    // per evaluation generation, "Circular reference." when reached again during its own
    // evaluation.
    const Real& CachedValue();
    const Interval& CachedInterval();
    // Each top-level evaluation starts a generation.
    static void vdNextGeneration();

    // The tree, for the engine's own operations (bindings to records and formulas, renaming,
    // substitution, derivatives).
    ExpressionNode* Root() const { return root; }

    // Shared by every formula; 0 and 1 are never generations (they mark a formula not evaluated
    // and one being evaluated).
    static inline std::uint32_t EvaluationGeneration = 2;

private:
    ExpressionNode* ParseText(const char* text);
    ExpressionNode* NextToken(char*& position, const ExpressionNode* previous);
    ExpressionNode* ParseTokens(const ListPointers& tokens, std::int32_t first, std::int32_t last);
    ExpressionNode* ParseParameters(const ListPointers& tokens, std::int32_t first,
                                    std::int32_t last);
    ExpressionNode* ParseProperty(const ListPointers& tokens, std::int32_t first,
                                  std::int32_t last);
    static void vdSkipBlanks(char*& position);
    // The root evaluated into held, the stamp marking the evaluation.
    template <class Value>
    const Value& Evaluated(Value& held, void (ExpressionNode::*evaluate)(Value&) const);
    // held as it is when evaluated in this generation, else evaluated.
    template <class Value>
    const Value& Cached(Value& held, void (ExpressionNode::*evaluate)(Value&) const);

    Real value;
    Interval interval;
    std::uint32_t stamp = 0; // 0 not evaluated, 1 being evaluated, else the generation
    ExpressionNode* root = nullptr;
    std::uint32_t parseDepth = 0;
};

} // namespace Brosquin
