#include "stats/VariablesUnknownSdOneSpec.h"

#include "stats/InverseSolvers.h"
#include "stats/NoncentralT.h"
#include "stats/VariablesDesign.h"

#include <cmath>

namespace Brosquin
{

double VariablesUnknownSdOneSidedProbabilityAcceptance(double p, double n, double k)
{
    if (!(p >= 0.0 && p <= 1.0))
        return -1.0;
    if (p == 1.0)
        return 0.0;
    if (p == 0.0)
        return 1.0;
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
