#include "stats/VariablesKnownSd.h"

#include "stats/InverseSolvers.h"
#include "stats/SpecialFunctions.h"
#include "stats/VariablesDesign.h"
#include "stats/VariablesEnds.h"

#include <cmath>

namespace Brosquin
{

namespace
{

double OneSpecPa(double p, double n, double k)
{
    const double end = VariablesEndProbability(p);
    return std::isnan(end) ? NormalTailArea((InverseNormal(p) + k) * std::sqrt(n), true) : end;
}

// The fraction outside the limits of a centred process, the smallest a process can have.
double SmallestFraction(double Cp)
{
    return 2.0 * NormalTailArea(-3.0 * Cp, false);
}

bool IsAttainable(double p, double Cp)
{
    return p > 0.0 && p <= 1.0 && p >= SmallestFraction(Cp);
}

double TwoSpecsPa(double p, double n, double k, double Cp)
{
    if (p == 1.0)
        return 0.0;
    if (!IsAttainable(p, Cp))
        return -1.0;
    // The limits lie at z and z + d from the mean, the sample mean within k of each is
    // accepted; it has standard deviation 1 / sqrt n.
    const double d = 6.0 * Cp;
    const double z = NearerSpecZFromFraction(p, d);
    const double root = std::sqrt(n);
    return NormalIntervalProbability(root * (z + k), root * (d + z - k));
}

double CentredPa(double n, double k, double Cp)
{
    const double half = std::sqrt(n) * (3.0 * Cp - k);
    return NormalIntervalProbability(-half, half);
}

} // namespace

double VariablesKnownSdOneSpecProbabilityAcceptance(double p, int n, double k)
{
    return OneSpecPa(p, n, k);
}

double VariablesKnownSdOneSpecQualityLevel(double Pa, int n, double k)
{
    return NormalTailArea(-InverseNormal(Pa) / std::sqrt(static_cast<double>(n)) - k, false);
}

void VariablesKnownSdOneSpecDesign(double aql, double ltpd, double paAtAql, double paAtLtpd, int& n,
                                   double& k)
{
    DesignVariablesPlan({OneSpecPa, 1}, aql, ltpd, paAtAql, paAtLtpd, n, k);
}

double VariablesKnownSdTwoSpecsProbabilityAcceptance(double p, int n, double k, double Cp)
{
    return TwoSpecsPa(p, n, k, Cp);
}

double VariablesKnownSdTwoSpecsCentredProbabilityAcceptance(int n, double k, double Cp)
{
    return CentredPa(n, k, Cp);
}

double VariablesKnownSdTwoSpecsQualityLevel(double Pa, int n, double k, double Cp)
{
    if (!(Pa > 0.0 && Pa < 1.0) || Pa > CentredPa(n, k, Cp))
        return -1.0;
    // The sample mean is accepted inside an interval w wide (in its own standard deviations):
    // where 1 - Pa of it falls outside, the interval's far end is at y from the mean.
    const double root = std::sqrt(static_cast<double>(n));
    const double w = root * (6.0 * Cp - 2.0 * k);
    const double far = NearerSpecZFromFraction(1.0 - Pa, w);
    const double y = far == 0.0 ? -w / 2 : far;
    const double z = y / root - k;
    return NormalTailArea(z, false) + NormalTailArea(z + 6.0 * Cp, true);
}

double VariablesKnownSdTwoSpecsAverageSampleNumber(double p, int n, double, double Cp)
{
    return IsAttainable(p, Cp) ? n : -1.0;
}

double VariablesKnownSdTwoSpecsExpectedStages(double p, int, double, double Cp)
{
    return IsAttainable(p, Cp) ? 1.0 : -1.0;
}

void VariablesKnownSdTwoSpecsDesign(double aql, double ltpd, double paAtAql, double paAtLtpd,
                                    double Cp, int& n, double& k)
{
    n = 0;
    k = 0.0;
    if (!IsAttainable(aql, Cp))
        return;
    DesignVariablesPlan({[Cp](double p, double size, double constant)
                         { return TwoSpecsPa(p, size, constant, Cp); },
                         1},
                        aql, ltpd, paAtAql, paAtLtpd, n, k);
}

} // namespace Brosquin
