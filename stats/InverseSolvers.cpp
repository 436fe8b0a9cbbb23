#include "stats/InverseSolvers.h"

#include "stats/NormalConstants.h"
#include "stats/RootSearch.h"
#include "stats/SpecialFunctions.h"
#include "stats/SymmetricBetaBoundary.h"

#include <array>
#include <cmath>
#include <limits>

namespace Brosquin
{

namespace
{

constexpr double infinity = std::numeric_limits<double>::infinity();
constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double rootTolerance = 4e-16;

// The rational approximations of PPND16 (Wichura 1988, algorithm AS 241), numerator and
// denominator coefficients from the constant term up.
constexpr std::array<double, 8> centralNumerator = {
    3.3871328727963666080e0,  1.3314166789178437745e+2, 1.9715909503065514427e+3,
    1.3731693765509461125e+4, 4.5921953931549871457e+4, 6.7265770927008700853e+4,
    3.3430575583588128105e+4, 2.5090809287301226727e+3};
constexpr std::array<double, 8> centralDenominator = {1.0,
                                                      4.2313330701600911252e+1,
                                                      6.8718700749205790830e+2,
                                                      5.3941960214247511077e+3,
                                                      2.1213794301586595867e+4,
                                                      3.9307895800092710610e+4,
                                                      2.8729085735721942674e+4,
                                                      5.2264952788528545610e+3};
constexpr std::array<double, 8> intermediateNumerator = {
    1.42343711074968357734e0,  4.63033784615654529590e0, 5.76949722146069140550e0,
    3.64784832476320460504e0,  1.27045825245236838258e0, 2.41780725177450611770e-1,
    2.27238449892691845833e-2, 7.74545014278341407640e-4};
constexpr std::array<double, 8> intermediateDenominator = {1.0,
                                                           2.05319162663775882187e0,
                                                           1.67638483018380384940e0,
                                                           6.89767334985100004550e-1,
                                                           1.48103976427480074590e-1,
                                                           1.51986665636164571966e-2,
                                                           5.47593808499534494600e-4,
                                                           1.05075007164441684324e-9};
constexpr std::array<double, 8> tailNumerator = {
    6.65790464350110377720e0,  5.46378491116411436990e0,  1.78482653991729133580e0,
    2.96560571828504891230e-1, 2.65321895265761230930e-2, 1.24266094738807843860e-3,
    2.71155556874348757815e-5, 2.01033439929228813265e-7};
constexpr std::array<double, 8> tailDenominator = {1.0,
                                                   5.99832206555887937690e-1,
                                                   1.36929880922735805310e-1,
                                                   1.48753612908506148525e-2,
                                                   7.86869131145613259100e-4,
                                                   1.84631831751005468180e-5,
                                                   1.42151175831644588870e-7,
                                                   2.04426310338993978564e-15};

double Ratio(const std::array<double, 8>& numerator, const std::array<double, 8>& denominator,
             double r)
{
    double top = 0.0;
    double bottom = 0.0;
    for (std::size_t i = numerator.size(); i-- > 0;)
    {
        top = top * r + numerator[i];
        bottom = bottom * r + denominator[i];
    }
    return top / bottom;
}

double NormalDensity(double z)
{
    return inverseSqrtTwoPi * std::exp(-0.5 * z * z);
}

} // namespace

double InverseNormal(double p)
{
    if (std::isnan(p))
        return notANumber;
    if (p <= 0.0)
        return -infinity;
    if (p >= 1.0)
        return infinity;
    const double q = p - 0.5;
    if (std::fabs(q) <= 0.425)
        return q * Ratio(centralNumerator, centralDenominator, 0.180625 - q * q);
    double r = std::sqrt(-std::log(q < 0.0 ? p : 1.0 - p));
    const double z = r <= 5.0 ? Ratio(intermediateNumerator, intermediateDenominator, r - 1.6)
                              : Ratio(tailNumerator, tailDenominator, r - 5.0);
    return q < 0.0 ? -z : z;
}

double NearerSpecZFromFraction(double p, double d)
{
    const double middle = -d / 2;
    if (!(p >= 2.0 * NormalTailArea(middle, false)))
        return 0.0;
    if (p >= 1.0)
        return -infinity;
    // f(z) = Phi(z) + 1 - Phi(z + d) falls from 1 to the centred fraction as z rises to the
    // middle. Where the nearer tail alone holds p, f exceeds p: the root lies above.
    const double start = -InverseNormal(p) - d;
    if (!(start < middle))
        return middle;
    const auto f = [&](double z) -> ValueSlope
    {
        return {NormalTailArea(z, false) + NormalTailArea(z + d, true) - p,
                NormalDensity(z) - NormalDensity(z + d)};
    };
    return BracketedNewtonRoot(f, start, middle, start, rootTolerance, false);
}

double InverseIncompleteBeta(double P, double a, double b)
{
    if (std::isnan(P) || std::isnan(a) || std::isnan(b))
        return notANumber;
    if (P <= 0.0)
        return 0.0;
    if (P >= 1.0)
        return 1.0;
    // The smaller tail is solved for, so that its value keeps its relative precision.
    if (P > 0.5)
        return 1.0 - InverseIncompleteBeta(1.0 - P, b, a);
    // Newton on ln I against ln x, nearly straight where x is small (I ~ x^a there). Below the
    // smallest double the root is taken as 0.
    const double logP = std::log(P);
    const double lowest = std::log(std::numeric_limits<double>::denorm_min());
    const auto f = [&](double u) -> ValueSlope
    {
        const double x = std::exp(u);
        const double lower = IncompleteBetaTails(x, a, b).dLower;
        if (!(lower > 0.0))
            return {-infinity, infinity};
        const double smaller = x < 0.5 ? x : 1.0 - x;
        return {std::log(lower) - logP, BetaPowerTerm(smaller, a, b) / ((1.0 - x) * lower)};
    };
    if (f(lowest).dValue >= 0.0)
        return 0.0;
    // Start from the leading term of the series, I ~ x^a / (a B(a, b)).
    const double start = std::fmin((logP + std::log(a) + LogBeta(a, b)) / a, -1e-3);
    return std::exp(BracketedNewtonRoot(f, lowest, 0.0, start, rootTolerance, true));
}

double BetaAcceptanceHalfWidth(double y, double P, double a)
{
    if (std::isnan(y) || std::isnan(P) || !(a > 0.0))
        return notANumber;
    if (P >= 1.0)
        return std::fmax(y, 1.0 - y);
    if (y >= 0.5 || P < 2.0 * IncompleteBeta(y, a, a))
        return 0.0;
    // Where the lower end has left the distribution, the upper one holds all of P.
    const double xP = InverseIncompleteBeta(P, a, a);
    if (y <= xP / 2)
        return xP - y;
    return SymmetricBetaHalfWidth(y, P, a, xP);
}

} // namespace Brosquin
