#include "core/Expression.h"
#include "core/Function.h"
#include "core/Property.h"
#include "core/RealOf.h"
#include "tests/core/FormulaTestSupport.h"
#include "tests/core/RealTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

namespace Brosquin
{
namespace
{

struct DeleteTree
{
    void operator()(ExpressionNode* tree) const { delete tree; }
};
using Tree = std::unique_ptr<ExpressionNode, DeleteTree>;

// The derivative of a formula with respect to x, validated.
Tree ValidatedDerivative(const Expression& formula)
{
    return Tree(formula.Root()->Derivative("x")->Validate());
}

double ValueAt(const ExpressionNode& tree, double x, double y)
{
    Tree copy(tree.Clone());
    const Real xValue = RealOf(x), yValue = RealOf(y);
    copy->vdSetVariable("x", &xValue);
    copy->vdSetVariable("y", &yValue);
    Real value;
    copy->vdEvaluate(value);
    return IsNumber(value) ? value.dValue() : std::nan("");
}

// Whether the derivative agrees with a central difference of the formula at (x, y); points
// where the differences of two step sizes disagree (near a singularity or a kink of the
// function's domain) tell nothing and count as agreeing.
::testing::AssertionResult AgreesWithDifferences(const ExpressionNode& function,
                                                 const ExpressionNode& derivative, double x,
                                                 double y)
{
    const auto difference = [&](double h)
    { return (ValueAt(function, x + h, y) - ValueAt(function, x - h, y)) / (2 * h); };
    const double h = 1e-5 * std::max(1.0, std::fabs(x));
    const double coarse = difference(h), fine = difference(h / 2);
    const double exact = ValueAt(derivative, x, y);
    // The differences carry the rounding of the function's values, magnified by 1 / h.
    const double tolerance =
        1e-6 * (1 + std::fabs(fine)) + 1e-13 * std::fabs(ValueAt(function, x, y)) / h;
    if (!std::isfinite(coarse) || !std::isfinite(fine) || std::fabs(coarse - fine) > tolerance)
        return ::testing::AssertionSuccess();
    if (std::fabs(exact - fine) <= tolerance)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "derivative " << exact << ", differences " << fine
                                         << " at x = " << x << ", y = " << y;
}

TEST(FormulaDerivative, TreesBeforeValidation)
{
    const std::pair<const char*, const char*> cases[] = {
        {"Log[x]", "1 / x"},  {"Sine[y]", "Cosine[y] 0"},
        {"x y", "y 1 + x 0"}, {"AbsoluteValue[x]", "\"Not differentiable\""},
        {"Lot{Size}", "0"},   {"3", "0"},
    };
    for (const auto& [text, derivative] : cases)
    {
        Expression formula(text);
        EXPECT_EQ(Printed(Tree(formula.Root()->Derivative("x")).get()), derivative) << text;
    }
    // The functions without parameters, before validation folds them.
    EXPECT_EQ(Printed(Tree(Function(Function::Pi).Derivative("x")).get()), "0");
    EXPECT_EQ(Printed(Tree(Function(Function::E).Derivative("x")).get()), "0");

    EXPECT_FALSE(Expression("Sine[AbsoluteValue[x]]").Root()->IsDifferentiable());
    EXPECT_TRUE(Expression("Sine[x] x^y").Root()->IsDifferentiable());
    EXPECT_EQ(Printed(ValidatedDerivative(Expression("Sine[AbsoluteValue[x]]")).get()),
              "\"Not differentiable\"");

    // By name alone, even for a variable bound to a formula that holds x; a property's
    // derivative is 0 whatever it is bound to.
    Expression inner("x^2");
    Expression outer("v + x + Lot{Size}");
    outer.Root()->vdSetVariableExpression("v", &inner);
    outer.Root()->vdSetPropertyExpression("Lot", "Size", &inner);
    EXPECT_EQ(Printed(ValidatedDerivative(outer).get()), "1");
}

// A power whose exponent does not depend on the variable takes no logarithm of its base, which
// may be a constant of no logarithm; one whose exponent does has no derivative at such a base.
TEST(FormulaDerivative, PowersOfConstantBasesDependOnTheirExponent)
{
    const std::pair<const char*, const char*> inX[] = {
        {"x (-2)^y", "-2^y"},
        {"x 0^y", "0^y"},
        {"(-2)^x", "\"Log of negative number\""},
    };
    for (const auto& [text, derivative] : inX)
        EXPECT_EQ(Printed(ValidatedDerivative(Expression(text)).get()), derivative) << text;
    EXPECT_EQ(Printed(Tree(Expression("x (-2)^y").Root()->Derivative("y")->Validate()).get()),
              "\"Log of negative number\"");
}

TEST(FormulaDerivative, EveryFunctionAgreesWithDifferences)
{
    const char* const functions[] = {
        "Log[x]",
        "Log10[x]",
        "Exponential[x]",
        "SquareRoot[x]",
        "Sine[x]",
        "Cosine[x]",
        "Tangent[x]",
        "ArcSine[x / 2]",
        "ArcCosine[x / 2]",
        "ArcTangent[x]",
        "HyperbolicSine[x]",
        "HyperbolicCosine[x]",
        "HyperbolicTangent[x]",
        "NormalDistribution[x]",
        "x^y",
        "y^x",
        "x / (y + x^2)",
        "pi[] e[] x",
    };
    for (const char* text : functions)
        for (double x = 0.15; x < 1.9; x += 0.25)
        {
            Expression formula(text);
            EXPECT_TRUE(
                AgreesWithDifferences(*formula.Root(), *ValidatedDerivative(formula), x, 1.7))
                << text;
        }
}

TEST(FormulaDerivative, GeneratedFormulasAgreeWithDifferences)
{
    FormulaGenerator generator(77);
    int checked = 0;
    for (int i = 0; i < 800; ++i)
    {
        Expression formula(generator.Next(4).c_str());
        if (!formula.IsValid())
            continue;
        const Tree derivative = ValidatedDerivative(formula);
        const double x = generator.Point(), y = generator.Point();
        // A constant negative base: the logarithm of the power's derivative fails when folded,
        // where the power itself has no value either (away from whole exponents).
        if (derivative->Kind() == KindError)
        {
            EXPECT_TRUE(std::isnan(ValueAt(*formula.Root(), x, y))) << Printed(formula);
            continue;
        }
        EXPECT_TRUE(AgreesWithDifferences(*formula.Root(), *derivative, x, y)) << Printed(formula);
        ++checked;
    }
    EXPECT_GT(checked, 700);
}

// Every step of a derivative or a substitution that would build a tree deeper than the limit
// gives an error node instead.
TEST(FormulaDerivative, DeepTreesStayWithinTheLimit)
{
    // Each factor of a product adds two levels to its derivative: x x ... x of 400 factors has
    // none within the limit.
    std::string product = "x";
    for (int i = 1; i < 400; ++i)
        product += " x";
    Expression factors(product.c_str());
    ASSERT_TRUE(factors.IsValid());
    const std::string tooDeep = "\"" + std::string(FormulaTooDeepMessage) + "\"";
    EXPECT_EQ(Printed(ValidatedDerivative(factors).get()), tooDeep);

    std::string calls;
    for (int i = 0; i < 300; ++i)
        calls += "Sine[";
    calls += "x" + std::string(300, ']');
    Expression nested(calls.c_str());
    ASSERT_TRUE(nested.IsValid());
    Tree substituted(nested.Root()->Clone()->SubstituteVariable("x", nested.Root())->Validate());
    EXPECT_EQ(Printed(substituted.get()), tooDeep);
}

} // namespace
} // namespace Brosquin
