#include "stats/VariablesUnknownSdOneSpec.h"

#include "stats/InverseSolvers.h"
#include "stats/NoncentralT.h"
#include "stats/VariablesDesign.h"
#include "stats/VariablesEnds.h"

#include <cmath>

namespace Brosquin
{

double VariablesUnknownSdOneSidedProbabilityAcceptance(double p, double n, double k)
{
    const double end = VariablesEndProbability(p);
    if (!std::isnan(end))
        return end;
    const double root = std::sqrt(n);
    // The upper tail itself, so that a small Pa keeps its digits.
    return NoncentralTCumulativeSeries(k * root, n - 1.0, -InverseNormal(p) * root).dUpper;
}

double VariablesUnknownSdOneSpecProbabilityAcceptance(double p, int n, double k)
{
    return VariablesUnknownSdOneSidedProbabilityAcceptance(p, n, k);
}

void VariablesUnknownSdOneSpecDesign(double aql, double ltpd, double paAtAql, double paAtLtpd,
                                     int& n, double& k)
{
    DesignVariablesPlan({VariablesUnknownSdOneSidedProbabilityAcceptance, 2}, aql, ltpd, paAtAql,
                        paAtLtpd, n, k);
}

} // namespace Brosquin
