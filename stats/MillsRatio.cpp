#include "stats/MillsRatio.h"

#include <array>
#include <cstddef>

namespace Brosquin
{

namespace
{

// Fitted in the relative error with mpmath at 60 digits (tests/stats/mills_ratio_coefficients.py):
// R(x) = P(x) / Q(x) for 0 <= x <= 4, error 5.2e-19, and x R(x) = P(z) / Q(z) with z = 1 / x^2
// for x >= 4, error 1.3e-17; every coefficient is positive, so the sums lose no digits.
constexpr double split = 4.0;
constexpr std::array<double, 9> belowNumerator = {
    1.2533141373155002506,    1.380274251400355186,     0.77103826462265623125,
    0.26496534152250051455,   0.059572749454354415185,  0.0086848848126368731131,
    0.00075924743079244751982, 0.000030794534400541265929, 1.003687019878683399e-11};
constexpr std::array<double, 9> belowDenominator = {
    1.0,                      1.899184075668941384,     1.6305291792295660559,
    0.82875529562756364077,   0.27362852651799376881,   0.060328178334073070758,
    0.0087159650565599973548, 0.00075923171867691286177, 0.00003079510105488998615};
constexpr std::array<double, 7> aboveNumerator = {
    0.99999999999999998736, 53.149927132692092212, 970.0455338004685046, 7421.2659044633241489,
    23135.133834141752263,  23488.516095093200837, 3379.0130375460903038};
constexpr std::array<double, 7> aboveDenominator = {
    1.0, 54.149927132691989268, 1021.1954609332974799, 8295.0115839269204838,
    29073.807962018456665, 38254.475516353537013, 12388.782581011675519};

template <std::size_t n> double Polynomial(const std::array<double, n>& coefficients, double x)
{
    double sum = coefficients[n - 1];
    for (std::size_t i = n - 1; i-- > 0;)
        sum = sum * x + coefficients[i];
    return sum;
}

} // namespace

double NormalMillsRatio(double x)
{
    if (x <= split)
        return Polynomial(belowNumerator, x) / Polynomial(belowDenominator, x);
    const double z = 1.0 / (x * x);
    return Polynomial(aboveNumerator, z) / Polynomial(aboveDenominator, z) / x;
}

} // namespace Brosquin
