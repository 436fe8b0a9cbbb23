#include "core/BinaryOperator.h"
#include "core/Expression.h"
#include "core/Function.h"
#include "core/RealOf.h"
#include "core/UnaryOperator.h"
#include "tests/core/FormulaTestSupport.h"
#include "tests/core/RealTestSupport.h"

#include <gtest/gtest.h>

#include <string>

namespace Brosquin
{
namespace
{

// The value of a formula with x = 2 and y = 3.
Real ValueOf(const char* text)
{
    Expression formula(text);
    const Real x = RealOf(2.0), y = RealOf(3.0);
    formula.vdSetVariable("x", &x);
    formula.vdSetVariable("y", &y);
    return formula.Evaluate();
}

TEST(FormulaParser, ReadsTheLanguage)
{
    const struct
    {
        const char* text;
        double value;
    } cases[] = {
        {"-2^2", 4},
        {"2^3^2", 512},
        {"2 3", 6},
        {"1.5 10^3", 1500},
        {"8/4/2", 1},
        {"2^-1", 0.5},
        {"x-y-1", -2},
        {"2x^2", 8},
        {"2(x+1)", 6},
        {"(x)(y)", 6},
        {"x y", 6},
        {"x Log[e[]]", 2},
        {".5", 0.5},
        {"5.", 5},
        {" \t\r\nx\n", 2},
        {"Beta[x, y]", 1.0 / 12},
        {"pi[]", 3.141592653589793},
        {"--x", 2},
        {"+x", 2},
        {"x^y^0.5", 3.3219970854839125},
        {"Minimum[x,Maximum[y,1]] 10", 20},
        {"x/y/x", 1.0 / 3},
        {"e[] ", 2.718281828459045},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        EXPECT_TRUE(IsNear(ValueOf(c.text), c.value, 1e-15));
    }
    // e3 and pi are variables; the constants are called as functions.
    EXPECT_EQ(MessageOf(ValueOf("1.5e3")), "No value specified for variable: e3");
    EXPECT_EQ(MessageOf(ValueOf("pi")), "No value specified for variable: pi");
}

TEST(FormulaParser, SaysWhatIsWrong)
{
    const struct
    {
        const char* text;
        const char* message;
    } cases[] = {
        {"", "Empty expression"},
        {"   ", "Empty expression"},
        {"1.2.3", "Constant has 2 decimal points"},
        {".", "Decimal point without any surrounding digits"},
        {"2 99999999999999999999999999999999999999999999999999999999999999999999999999999999"
         "99999999999999999999999999999999999999999999999999999999999999999999999999999999",
         "Overflow"},
        {"\"Some message\"", "Some message"},
        {"x + \"inside\"", "inside"},
        {"\"abc", "Begining quote mark with no match"},
        {"log[2]", "Illegal function name: log"},
        {"*3", "Illegal unary operator: *"},
        {"3!", "Illegal binary operator: !"},
        {"a,-b", "Unexpected expression before unary operator: -"},
        {"x*-", "Missing expression after unary operator: -"},
        {"3-", "Missing expression after binary operator: -"},
        {"Log[x", "Matching ] not found for function: Log"},
        {"Log[]", "Too few parameters for function: Log"},
        {"Beta[1]", "Too few parameters for function: Beta"},
        {"pi[1]", "Too many parameters for function: pi"},
        {"Log[1,2]", "Too many parameters for function: Log"},
        {"Beta[1,]", "Missing expression for parameter of function: Beta"},
        {"x{p", "Matching } not found for property of variable: x"},
        {"x{p q}", "Illegal property for variable: x"},
        {"x{}", "Illegal property for variable: x"},
        {"(1", "Open ( without matching closing )"},
        {"()", "No expression inside ()"},
        {"a,b", "Illegal construct"},
        {"Log[0]", "Log of zero"},
        {"2/0", "Divide by zero"},
        {"x/0", "Divide by zero"},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        Expression formula(c.text);
        EXPECT_FALSE(formula.IsValid());
        EXPECT_EQ(MessageOf(formula.Evaluate()), c.message);
        // The text form of an invalid formula is its message in quotes, and reads back as such.
        EXPECT_EQ(Printed(formula), "\"" + std::string(c.message) + "\"");
        EXPECT_EQ(MessageOf(Expression(Printed(formula).c_str()).Evaluate()), c.message);
    }
}

// Refuses the variable q, the property Lot{Size}, Gamma, the prefix minus and "^".
class RestrictedExpression : public Expression
{
public:
    explicit RestrictedExpression(const char* text) { vdParse(text); }

    const char* CheckVariable(const char* name) override
    {
        return std::string(name) == "q" ? "No such quantity: " : nullptr;
    }
    const char* CheckProperty(const char* variable, const char* property) override
    {
        return std::string(variable) + property == "LotSize" ? "Not a property: " : nullptr;
    }
    const char* CheckFunction(int index) override
    {
        return index == Function::Gamma ? "Not allowed: " : nullptr;
    }
    const char* CheckUnaryOperator(int index) override
    {
        return index == UnaryOperator::Minus ? "No sign: " : nullptr;
    }
    const char* CheckBinaryOperator(int index) override
    {
        return index == BinaryOperator::Power ? "No power: " : nullptr;
    }
};

TEST(FormulaParser, HooksRefuseWithTheirMessage)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1 + q", "No such quantity: q"},
        {"Lot{Size}", "Not a property: Lot{Size}"},
        {"Gamma[2]", "Not allowed: Gamma"},
        {"-x", "No sign: -"},
        {"x^2", "No power: ^"},
    };
    for (const auto& [text, message] : cases)
    {
        RestrictedExpression formula(text);
        EXPECT_EQ(MessageOf(formula.Evaluate()), message) << text;
    }
    EXPECT_TRUE(RestrictedExpression("Lot{Count} + p * LogGamma[2] - 1").IsValid());
}

// Whatever the text, the result is a tree or an error node: no crash, hang or leak (the
// sanitizers watch), and no walk deeper than the stack allows.
TEST(FormulaParser, BadTextGivesAnErrorNode)
{
    const std::string tooLong = FormulaTooLongMessage;
    const std::string tooDeep = FormulaTooDeepMessage;
    std::string sum = "1";
    while (sum.size() < 1000000)
        sum += "+1";
    std::string calls;
    for (int i = 0; i < 100000; ++i)
        calls += "Sine[";
    calls += "x" + std::string(100000, ']');
    const std::pair<std::string, std::string> cases[] = {
        {std::string(100000, '(') + "x" + std::string(100000, ')'), tooLong},
        {std::string(100000, '-') + "x", tooLong},
        {sum, tooLong},
        {calls, tooLong},
        {calls.substr(500000 - 5000, 5001) + std::string(1000, ']'), tooDeep},
        {std::string(FormulaTextLimit + 1, ' '), tooLong},
        {std::string(2000, '(') + "x" + std::string(2000, ')'), tooDeep},
        {std::string(4000, '-') + "x", tooDeep},
        {sum.substr(0, 1001), tooDeep},
    };
    for (const auto& [text, message] : cases)
    {
        Expression formula(text.c_str());
        EXPECT_EQ(MessageOf(formula.Evaluate()), message) << text.substr(0, 40);
    }
    // A sum of 501 terms is 501 levels deep, and the message says so.
    EXPECT_EQ(
        tooDeep,
        "Formula nested more than 500 levels deep (each term of a sum or product counts as one)");
    // Just within the limits: 400 levels of parentheses and a sum of 500 terms.
    const Real x = RealOf(2.0);
    Expression nested((std::string(400, '(') + "x" + std::string(400, ')')).c_str());
    nested.vdSetVariable("x", &x);
    EXPECT_TRUE(IsNumber(nested.Evaluate(), 2.0));
    Expression terms(sum.substr(0, 999).c_str());
    EXPECT_TRUE(IsNumber(terms.Evaluate(), 500.0));

    // Every byte outside the language: an error node, never a crash.
    for (int byte = 1; byte < 256; ++byte)
    {
        const char text[] = {'x', static_cast<char>(byte), '2', '\0'};
        const char alone[] = {static_cast<char>(byte), '\0'};
        Expression formula(text);
        Expression single(alone);
        formula.Evaluate();
        single.Evaluate();
    }
    EXPECT_EQ(MessageOf(Expression("x\x01"
                                   "2")
                            .Evaluate()),
              "Illegal binary operator: \x01");
    EXPECT_EQ(MessageOf(Expression("\xe9").Evaluate()), "Illegal unary operator: \xe9");
    EXPECT_EQ(MessageOf(Expression("Unknown[x]").Evaluate()), "Illegal function name: Unknown");
    EXPECT_EQ(MessageOf(Expression(nullptr).Evaluate()), "Empty expression");
}

} // namespace
} // namespace Brosquin
