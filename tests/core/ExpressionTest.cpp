#include "core/Expression.h"
#include "core/Constant.h"
#include "core/ErrorNode.h"
#include "core/ExpressionInput.h"
#include "core/Function.h"
#include "core/OptimizationInput.h"
#include "core/ReferenceString.h"
#include "core/VariableReference.h"
#include "tests/core/FormulaTestSupport.h"
#include "tests/core/IntervalTestSupport.h"
#include "tests/core/RealTestSupport.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace Brosquin
{
namespace
{

TEST(Expression, JudgedAsTheSessionJudgesIt)
{
    Expression empty;
    EXPECT_FALSE(empty.IsValid());
    EXPECT_EQ(MessageOf(empty.Evaluate()), "Empty expression");

    Expression formula("x+1");
    EXPECT_TRUE(formula.IsValid());
    EXPECT_STREQ(formula.UndefinedVariable(), "x");
    EXPECT_EQ(MessageOf(formula.Evaluate()), "No value specified for variable: x");

    // Bound to the caller's Real: a change of it shows at the next evaluation, without rebinding.
    Real x = RealOf(2.0);
    formula.vdSetVariable("x", &x);
    formula.vdSetVariable("unused", &x);
    EXPECT_EQ(formula.UndefinedVariable(), nullptr);
    EXPECT_TRUE(IsNumber(formula.Evaluate(), 3.0));
    x = RealOf(5.0);
    EXPECT_TRUE(IsNumber(formula.Evaluate(), 6.0));
    x = MessageValue("Not entered");
    EXPECT_EQ(MessageOf(formula.Evaluate()), "Not entered");

    // Names are exact: X is another variable; a property does not count as unbound variable.
    Expression other("X + Lot{Size}");
    other.vdSetVariable("x", &x);
    EXPECT_STREQ(other.UndefinedVariable(), "X");
    Expression property("Lot{Size} + 1");
    EXPECT_EQ(property.UndefinedVariable(), nullptr);
    const char* variable = nullptr;
    const char* name = nullptr;
    property.Root()->vdUndefinedProperty(variable, name);
    EXPECT_STREQ(variable, "Lot");
    EXPECT_STREQ(name, "Size");
    EXPECT_EQ(MessageOf(property.Evaluate()), "No value specified for property: Lot{Size}");
}

TEST(Expression, CopiesAreIndependentTreesSharingBindings)
{
    Real x = RealOf(2.0);
    Expression source("x^2");
    source.vdSetVariable("x", &x);
    source.Evaluate();
    {
        Expression copy(source);
        Expression assigned;
        assigned = copy;
        assigned = assigned;
        EXPECT_TRUE(IsNumber(copy.Evaluate(), 4.0));
        EXPECT_TRUE(IsNumber(assigned.Evaluate(), 4.0));
        Real other = RealOf(3.0);
        assigned.vdSetVariable("x", &other);
        EXPECT_TRUE(IsNumber(assigned.Evaluate(), 9.0));
        EXPECT_TRUE(IsNumber(copy.Evaluate(), 4.0));
    }
    // The copies destroyed their own trees.
    EXPECT_TRUE(IsNumber(source.Evaluate(), 4.0));
    EXPECT_EQ(Printed(source), "x^2");
}

// Stands for a variable and counts its evaluations.
class CountedLeaf : public ExpressionNode
{
public:
    explicit CountedLeaf(int& count) : count(count) {}
    int Kind() const override { return KindVariable; }
    const char* Name() const override { return "counted"; }
    ExpressionNode* Clone() const override { return new CountedLeaf(count); }
    void vdEvaluate(Real& result) const override
    {
        ++count;
        result = RealOf(4.0);
    }

private:
    int& count;
};

// A formula whose variable is bound to another formula, through the node interface.
TEST(Expression, FormulasBoundToFormulas)
{
    int evaluations = 0;
    const CountedLeaf counted(evaluations);
    Expression b("x*2");
    b.Root()->SubstituteVariable("x", &counted);
    Expression a("y+y");
    a.Root()->vdSetVariableExpression("y", &b);
    EXPECT_TRUE(IsNumber(a.Evaluate(), 16.0));
    EXPECT_EQ(evaluations, 1);
    EXPECT_TRUE(IsNumber(a.Evaluate(), 16.0));
    EXPECT_EQ(evaluations, 2);
    // A top-level evaluation always evaluates.
    b.Evaluate();
    b.Evaluate();
    EXPECT_EQ(evaluations, 4);

    // A chain back to a formula being evaluated, and a formula bound to itself.
    Expression first("y+1");
    Expression second("x*2");
    first.Root()->vdSetVariableExpression("y", &second);
    second.Root()->vdSetVariableExpression("x", &first);
    EXPECT_EQ(MessageOf(first.Evaluate()), "Circular reference.");
    EXPECT_EQ(Describe(first.EvaluateInterval()), "msg:Circular reference.");
    Expression self("w + 1");
    self.Root()->vdSetVariableExpression("w", &self);
    EXPECT_EQ(MessageOf(self.Evaluate()), "Circular reference.");
}

TEST(Expression, GenerationsWrapPastZeroAndOne)
{
    Expression::EvaluationGeneration = 0xFFFFFFFEu;
    Expression::vdNextGeneration();
    EXPECT_EQ(Expression::EvaluationGeneration, 0xFFFFFFFFu);
    Expression::vdNextGeneration();
    EXPECT_EQ(Expression::EvaluationGeneration, 2u);
    Real x = RealOf(1.0);
    Expression b("x + 1");
    b.vdSetVariable("x", &x);
    Expression a("y");
    a.Root()->vdSetVariableExpression("y", &b);
    Expression::EvaluationGeneration = 0xFFFFFFFFu;
    EXPECT_TRUE(IsNumber(a.Evaluate(), 2.0));
    x = RealOf(2.0);
    EXPECT_TRUE(IsNumber(a.Evaluate(), 3.0));
}

// Chains of formulas bound within formulas, or a nameless reference printing the formula it
// belongs to, stop after a fixed number of formulas.
TEST(Expression, BindingChainsStayWithinTheStack)
{
    std::string deep(400, '(');
    deep += "v" + std::string(400, ')') + " + 1";
    Expression chain[20];
    for (Expression& formula : chain)
        formula.vdParse(deep.c_str());
    Real one = RealOf(1.0);
    chain[19].vdSetVariable("v", &one);
    for (int i = 0; i < 19; ++i)
        chain[i].Root()->vdSetVariableExpression("v", &chain[i + 1]);
    EXPECT_EQ(MessageOf(chain[0].Evaluate()), FormulaBindingMessage);
    EXPECT_TRUE(IsNumber(chain[19 - FormulaBindingLimit].Evaluate(), FormulaBindingLimit + 2.0));

    Expression looped("n + 1");
    looped.Root()->RenameVariable("n", "");
    looped.Root()->vdSetVariableExpression("", &looped);
    const std::string text = Printed(looped);
    EXPECT_EQ(text.substr(0, 14), "1 + (1 + (1 + ");
    EXPECT_LT(text.size(), 100u);
}

TEST(Expression, ReferencesReadRecordsAndRenamesAndSubstitutions)
{
    ExpressionInput input;
    input.value = RealOf(3.0);
    input.range = Ends(1.0, 2.0);
    OptimizationInput variable;
    variable.value = RealOf(10.0);
    variable.range = Ends(-1.0, 1.0);
    Expression formula("x + Lot{Size} + x");
    ExpressionNode* root = formula.Root();
    root->vdSetVariableInput("x", &input);
    root->vdSetPropertyInput("Lot", "Size", &variable);
    EXPECT_TRUE(IsNumber(formula.Evaluate(), 16.0));
    EXPECT_EQ(Describe(formula.EvaluateInterval()), "[1, 5]");

    // Clearing a variable clears its properties; clearing variables leaves properties bound.
    root->vdClearVariables();
    EXPECT_STREQ(formula.UndefinedVariable(), "x");
    root->vdSetVariableInput("x", &input);
    EXPECT_TRUE(IsNumber(formula.Evaluate(), 16.0));
    root->vdClearVariable("Lot");
    EXPECT_EQ(MessageOf(formula.Evaluate()), "No value specified for property: Lot{Size}");

    EXPECT_TRUE(root->RenamePropertyOf("Lot", "Size", "Count"));
    EXPECT_TRUE(root->RenameVariable("x", "w"));
    EXPECT_FALSE(root->RenameVariable("x", "w"));
    EXPECT_TRUE(root->RenameVariableProperty("Lot", "Count", "Batch", "Items"));
    EXPECT_FALSE(root->RenameProperty("Size", "Other"));
    EXPECT_EQ(Printed(formula), "w + Batch{Items} + w");
    EXPECT_FALSE(Function(Function::Pi).RenameVariable("x", "w"));

    // A substitution of a variable at the root gives a new root.
    const Expression replacement("2 q");
    ExpressionNode* substituted =
        NewNode<VariableReference>("y")->SubstituteVariable("y", replacement.Root());
    EXPECT_EQ(Printed(substituted), "2 q");
    delete substituted;
    formula.Root()->vdClearAll();

    // A clone shares the binding of its source; rebinding the clone leaves the source.
    Real first = RealOf(1.0), second = RealOf(2.0);
    VariableReference reference("v");
    reference.vdSetVariable("v", &first);
    ExpressionNode* clone = reference.Clone();
    Real value;
    clone->vdEvaluate(value);
    EXPECT_TRUE(IsNumber(value, 1.0));
    clone->vdSetVariable("v", &second);
    reference.vdEvaluate(value);
    EXPECT_TRUE(IsNumber(value, 1.0));
    delete clone;

    // Relocation moves a Real binding by twice the distance given in bytes.
    Real reals[2] = {RealOf(7.0), RealOf(8.0)};
    reference.vdSetVariable("v", &reals[0]);
    reference.vdRelocateBindings(static_cast<int>(sizeof(Real)) / 2, 0);
    reference.vdEvaluate(value);
    EXPECT_TRUE(IsNumber(value, 8.0));
}

TEST(Expression, ErrorNodesShareTheirMessage)
{
    ErrorNode error("Some message");
    ExpressionNode* clone = error.Clone();
    EXPECT_EQ(error.Message()->ReferenceCount(), 2u);
    EXPECT_EQ(static_cast<ErrorNode*>(clone)->Message(), error.Message());
    delete clone;
    EXPECT_EQ(error.Message()->ReferenceCount(), 1u);
    // A long message prints whole, whatever the length of the text before it.
    const std::string longText(25000, 'm');
    ErrorNode longError(longText.c_str());
    String output(std::string(21000, 'a').c_str());
    longError.vdPrint(output);
    EXPECT_EQ(output.Length(), 21000u + 25002u);
    const char* variable = "set";
    const char* property = "set";
    Constant(RealOf(1.0)).vdUndefinedProperty(variable, property);
    EXPECT_EQ(variable, nullptr);
    EXPECT_EQ(property, nullptr);
}

} // namespace
} // namespace Brosquin
