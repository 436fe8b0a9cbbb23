#include "plans/VariablesPlanTerms.h"

#include "core/Expression.h"
#include "stats/InverseSolvers.h"
#include "stats/SpecialFunctions.h"
#include "stats/VariablesUnknownSdTwoSpecs.h"

#include <cmath>

namespace Brosquin
{

Real CapabilityOf(const char* text)
{
    Expression formula(text != nullptr ? text : "");
    return formula.Evaluate();
}

double VariablesV(double n)
{
    return std::sqrt(n / (n - 1));
}

double FormOneConstant(double n, double M, bool sdKnown, bool twoLimits, double cp)
{
    if (!sdKnown)
        return VariablesUnknownSdEquivalentConstant(n, M);
    const double v = VariablesV(n);
    if (!twoLimits)
        return -InverseNormal(0.01 * M) / v;
    const double d = 6 * v * cp;
    return (NearerSpecZFromFraction(0.01 * M, d) + d) / v;
}

double FormTwoPercent(double n, double k, bool sdKnown, bool twoLimits, double cp)
{
    if (!sdKnown)
        return VariablesUnknownSdEquivalentPercent(n, k);
    const double v = VariablesV(n);
    const double beyondOne = NormalTailArea(-k * v, false);
    return 100 * (twoLimits ? beyondOne + NormalTailArea((6 * cp - k) * v, true) : beyondOne);
}

} // namespace Brosquin
