#include "core/Expression.h"
#include "core/ExpressionInput.h"
#include "core/RealOf.h"

#include <benchmark/benchmark.h>

namespace Brosquin
{
namespace
{

// 20 nodes once validated: 5 variables, 1 number, 12 operators, 2 function calls.
constexpr const char* formulaText = "a x^2 + b x - Log[x + c] / Exponential[-k x]";

struct BoundFormula
{
    BoundFormula() : formula(formulaText)
    {
        formula.vdSetVariable("a", &a);
        formula.vdSetVariable("b", &b);
        formula.vdSetVariable("c", &c);
        formula.vdSetVariable("k", &k);
        x.value = RealOf(0.75);
        x.range.SetEnds(0.5, 1.0);
        formula.Root()->vdSetVariableInput("x", &x);
    }

    Real a = RealOf(1.5), b = RealOf(-2.0), c = RealOf(3.0), k = RealOf(0.25);
    ExpressionInput x;
    Expression formula;
};

void BM_FormulaEvaluate(benchmark::State& state)
{
    BoundFormula bound;
    for (auto _ : state)
        benchmark::DoNotOptimize(bound.formula.Evaluate().dValue());
}
BENCHMARK(BM_FormulaEvaluate);

void BM_FormulaEvaluateInterval(benchmark::State& state)
{
    BoundFormula bound;
    for (auto _ : state)
        benchmark::DoNotOptimize(bound.formula.EvaluateInterval().Lower());
}
BENCHMARK(BM_FormulaEvaluateInterval);

void BM_FormulaParse(benchmark::State& state)
{
    for (auto _ : state)
    {
        Expression formula(formulaText);
        benchmark::DoNotOptimize(formula.IsValid());
    }
}
BENCHMARK(BM_FormulaParse);

} // namespace
} // namespace Brosquin
