#include "core/Expression.h"
#include "core/ExpressionInput.h"
#include "core/RealOf.h"
#include "core/String.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

// The formula engine on any text: parse and validate, print and read the text back, evaluate on
// Reals and on intervals, differentiate. Crashes, undefined behaviour, leaks and hangs are what
// the sanitizers and the fuzzer look for; a printed valid formula that does not read back is
// reported as a crash.

namespace
{

using namespace Brosquin;

struct Inputs
{
    Inputs()
    {
        range.value = RealOf(0.5);
        range.range.SetEnds(-2.0, 3.0);
    }

    void vdBind(Expression& formula)
    {
        formula.vdSetVariable("x", &x);
        formula.vdSetVariable("y", &y);
        formula.Root()->vdSetVariableInput("z", &range);
    }

    Real x = RealOf(0.7);
    Real y = RealOf(-1.3);
    ExpressionInput range;
};

void vdUse(const ExpressionNode& tree)
{
    Real value;
    tree.vdEvaluate(value);
    Interval range;
    tree.vdEvaluateInterval(range);
    String text;
    tree.vdPrint(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string text(reinterpret_cast<const char*>(data), size);
    Inputs inputs;
    Expression formula(text.c_str());
    inputs.vdBind(formula);
    formula.Evaluate();
    formula.EvaluateInterval();

    String printed;
    formula.vdPrint(printed);
    Expression readBack(printed.Text());
    inputs.vdBind(readBack);
    readBack.Evaluate();
    readBack.EvaluateInterval();
    if (formula.IsValid() && printed.Length() <= FormulaTextLimit && !readBack.IsValid() &&
        std::strcmp(readBack.Root()->Name(), FormulaTooDeepMessage) != 0)
        std::abort();

    const Expression copy(formula);
    ExpressionNode* derivative = copy.Root()->Derivative("x")->Validate();
    vdUse(*derivative);
    delete derivative;
    return 0;
}
