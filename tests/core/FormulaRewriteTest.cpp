#include "core/Expression.h"
#include "core/RealOf.h"
#include "tests/core/FormulaTestSupport.h"
#include "tests/core/RealTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace Brosquin
{
namespace
{

// Validation folds constants and rewrites a fixed set of forms; the text form has the fewest
// parentheses that read back to the same tree.
TEST(FormulaRewrite, ValidatedTreesPrintInTheirSimplestForm)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Log[2] + pi[] - e[]", "1.11645800569069"},
        {"0*x", "0"},
        {"x*0", "0"},
        {"1^x", "1"},
        {"x^1", "x"},
        {"x-x", "0"},
        {"Lot{Size} - Lot{Size}", "0"},
        {"x-y", "x - y"},
        {"--x", "x"},
        {"-(a+b)", "-a - b"},
        {"-(a b)", "-a b"},
        {"a/b^2", "a b^-2"},
        {"a/b^c", "a / b^c"},
        {"a/b^-2", "a / b^-2"},
        {"0/b^2", "0 / b^2"},
        {"x - 2", "-2 + x"},
        {"x / 4", "0.25 x"},
        {"3 x 2", "6 x"},
        {"a + (b + c)", "a + b + c"},
        {"a - (b - c)", "a - b + c"},
        {"a (b / c)", "a b / c"},
        {"a + -b", "a - b"},
        {"x + -x", "0"},
        {"Log[x+-x]", "\"Log of zero\""},
        {"(2^x)^3", "2^(3 x)"},
        {"a+b-c", "a + b - c"},
        {"a/b/c", "a / b / c"},
        {"a/(b/c)", "a / (b / c)"},
        {"a (b+c)", "a (b + c)"},
        {"(a+b) c", "(a + b) c"},
        {"a^b^c", "a^b^c"},
        {"(a^b)^c", "(a^b)^c"},
        {"a^(b c)", "a^(b c)"},
        {"-(a^b)", "-(a^b)"},
        {"-x^2", "-x^2"},
        {"Log[x]", "Log[x]"},
        {"Minimum[x,3]", "Minimum[x,3]"},
        {"Beta[a, b]", "Beta[a,b]"},
        {"x^(2 10^9)", "x^(2 10^9)"},
        {"(2 10^9)^x", "(2 10^9)^x"},
        {"a (-x)^2", "a (-x^2)"},
        {"a (-2)^x", "a (-2^x)"},
    };
    for (const auto& [text, printed] : cases)
    {
        Expression formula(text);
        EXPECT_EQ(Printed(formula), printed) << text;
    }
}

// The rewrites that would give a value where the formula has none, or another value, are not
// made; those that only hide an error inside an operand are.
TEST(FormulaRewrite, RewritesKeepTheValue)
{
    const struct
    {
        const char* text;
        double x;
        const char* message;
        double value;
    } cases[] = {
        {"(x^2)^0.5", -2, nullptr, 2},
        {"SquareRoot[x]^4", -1, "Square root of negative number", 0},
        {"SquareRoot[x]^4", 3, nullptr, 9},
        {"0/x", 0, "Divide by zero", 0},
        {"0/x", 5, nullptr, 0},
        {"x^0", 0, "Power not defined at specified values", 0},
        {"x^0", 7, nullptr, 1},
        {"(2^x)^3", 1.5, nullptr, 22.627416997969522},
        {"0 Log[x]", -1, nullptr, 0},
        {"x/y^-1", 0, "Power not defined at specified values", 0},
        {"x/y^-1", 3, nullptr, 9},
        {"1/y^-2", 0, "Power not defined at specified values", 0},
        {"1/y^-2", 2, nullptr, 4},
        {"0/x^2", 0, "Divide by zero", 0},
        {"3/x^2", 0, "Power not defined at specified values", 0},
        {"-x^2", 3, nullptr, 9},
    };
    for (const auto& c : cases)
    {
        SCOPED_TRACE(c.text);
        Expression formula(c.text);
        // y takes the value of x.
        const Real x = RealOf(c.x);
        formula.vdSetVariable("x", &x);
        formula.vdSetVariable("y", &x);
        const Real& value = formula.Evaluate();
        if (c.message != nullptr)
            EXPECT_EQ(MessageOf(value), c.message);
        else if (c.value == 0.0)
            EXPECT_TRUE(IsNumber(value, 0.0));
        else
            EXPECT_TRUE(IsNear(value, c.value, 1e-15));
    }
}

// A balanced tree of quotients (which no rewrite regroups) whose text would run to about 25000
// characters.
std::string QuotientTree(int levels)
{
    return levels == 0 ? "x/3"
                       : "(" + QuotientTree(levels - 1) + ")/(" + QuotientTree(levels - 1) + ")";
}

TEST(FormulaRewrite, PrintingStopsAtANodeBoundaryPast20000Characters)
{
    Expression formula(QuotientTree(10).c_str());
    ASSERT_TRUE(formula.IsValid());
    const std::string text = Printed(formula);
    EXPECT_GT(text.size(), PrintedTextLimit);
    EXPECT_LT(text.size(), PrintedTextLimit + 30);
    // The last thing written is a whole number or name: no operator, blank or parenthesis after.
    EXPECT_TRUE(text.ends_with("0.333333333333333") || text.ends_with(" x")) << text.substr(19950);
}

// Printing a formula and reading the text back gives the same value, up to the rounding of the
// 15 digits of its numbers.
TEST(FormulaRewrite, PrintedTextReadsBackToTheSameValue)
{
    FormulaGenerator generator(20240611);
    int compared = 0;
    for (int i = 0; i < 2000; ++i)
    {
        const std::string text = generator.Next(5);
        Expression formula(text.c_str());
        // Constant parts may fold to an error (Exponential[1.5 10^3]).
        if (!formula.IsValid())
            continue;
        const std::string printed = Printed(formula);
        Expression readBack(printed.c_str());
        ASSERT_TRUE(readBack.IsValid()) << text << " printed as " << printed;
        for (int point = 0; point < 3; ++point)
        {
            const Real x = RealOf(generator.Point()), y = RealOf(generator.Point());
            for (Expression* each : {&formula, &readBack})
            {
                each->vdSetVariable("x", &x);
                each->vdSetVariable("y", &y);
            }
            const Real value = formula.Evaluate();
            const Real again = readBack.Evaluate();
            if (!IsNumber(value) || std::fabs(value.dValue()) > 1e100)
                continue;
            ++compared;
            EXPECT_TRUE(IsNear(again, value.dValue(), 1e-8) ||
                        std::fabs(again.dValue() - value.dValue()) < 1e-12)
                << text << " printed as " << printed;
        }
    }
    EXPECT_GT(compared, 2000);
}

// Every formula that is accepted prints as a text that reads back to the same formula, one that
// prints alike (and so has its values, which the test above compares): a grid of small formulas
// where signs, zeros and negative exponents meet every operator, alone, under a minus and inside
// a function.
TEST(FormulaRewrite, EveryAcceptedFormulaReadsBackFromItsText)
{
    const std::string operands[] = {"x", "y", "0", "-x", "x^-1"};
    const std::string joins[] = {" + ", " - ", " / ", "^", " "};
    int accepted = 0;
    for (const std::string& a : operands)
        for (const std::string& b : operands)
            for (const std::string& c : operands)
                for (const std::string& first : joins)
                    for (const std::string& second : joins)
                        for (const std::string& inner : {"(" + a + first + b + ")" + second + c,
                                                         a + first + "(" + b + second + c + ")"})
                            for (const std::string& text :
                                 {inner, "-(" + inner + ")", "Log[" + inner + "]"})
                            {
                                Expression formula(text.c_str());
                                if (!formula.IsValid())
                                    continue;
                                ++accepted;
                                const std::string printed = Printed(formula);
                                ASSERT_EQ(Printed(Expression(printed.c_str())), printed) << text;
                            }
    EXPECT_GT(accepted, 10000);
}

} // namespace
} // namespace Brosquin
