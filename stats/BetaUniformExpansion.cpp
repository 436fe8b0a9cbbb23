#include "stats/BetaUniformExpansion.h"

#include "stats/NormalConstants.h"
#include "stats/SaddlePoint.h"

#include <array>
#include <cmath>

namespace Brosquin
{

namespace
{

// Below these the terms fall too slowly (or the continued fraction is cheaper anyway).
constexpr double smallestParameter = 500.0;
constexpr double largestExponent = 25.0;
// Enough for a and b at their smallest and |eta| sqrt(s / 2) at its largest: the terms then fall
// by a factor of about 0.1 each.
constexpr int mostTerms = 24;
constexpr double negligible = 0x1p-60;
constexpr double sqrtHalfPi = 1.2533141373155002512;

} // namespace

std::optional<TailProbabilities> BetaTailsForLargeParameters(double a, double b, double exponent,
                                                             bool belowMean)
{
    if (!(a >= smallestParameter && b >= smallestParameter && exponent <= largestExponent))
        return std::nullopt;
    const double s = a + b;
    // With omega = zeta sqrt(s), t - x0 = zeta sigma nu(omega), sigma = sqrt(x0 (1 - x0)) and
    // nu = sum nu_n omega^n, nu_0 = 1. From zeta dzeta = (t - x0) dt / (t (1 - t)):
    //   (n + 2) nu_n = g nu_(n-1) - (1/s) sum_(i+j=n-2) nu_i nu_j - sum_(i+j=n, i,j>0) (1 + j) nu_i
    //   nu_j
    // with g = (1 - 2 x0) / (sigma sqrt(s)). f = 1 / (sigma nu) = (1 / sigma) sum rho_n omega^n.
    const double g = (b - a) / std::sqrt(a * b * s);
    const double h = 1.0 / s;
    std::array<double, mostTerms + 1> nu = {1.0};
    std::array<double, mostTerms + 1> rho = {1.0};
    // The Gaussian integrals over the tail beyond |eta|, in units of omega:
    // tau_n = integral over w > |eta| sqrt(s) of w^n e^(-w^2 / 2) dw.
    const double root = std::sqrt(2.0 * exponent);
    const double e = std::exp(-exponent);
    const double leading = 0.5 * ErfcOfSquareRoot(exponent);
    double tauBefore = 2.0 * sqrtHalfPi * leading; // tau_(n-2)
    double tau = e;                                // tau_(n-1), then tau_n
    double power = e;                              // |eta sqrt(s)|^(n-1) e^(-exponent)
    const double sign = belowMean ? -1.0 : 1.0;
    double signedPower = 1.0;
    double sum = 0.0;
    double lastTerm = 0.0;
    for (int n = 1; n <= mostTerms; ++n)
    {
        double next = g * nu[n - 1];
        for (int i = 0; i + 2 <= n; ++i)
            next -= h * nu[i] * nu[n - 2 - i];
        for (int i = 1; i < n; ++i)
            next -= (1.0 + n - i) * nu[i] * nu[n - i];
        nu[n] = next / (n + 2.0);
        double reciprocal = 0.0;
        for (int k = 1; k <= n; ++k)
            reciprocal -= nu[k] * rho[n - k];
        rho[n] = reciprocal;
        if (n >= 2)
        {
            power *= root;
            const double tauNext = (n - 1) * tauBefore + power;
            tauBefore = tau;
            tau = tauNext;
        }
        signedPower *= sign;
        const double term = signedPower * rho[n] * tau;
        sum += term;
        // Two terms in a row, as every odd one vanishes where a = b.
        if (n >= 2 && std::fabs(term) + std::fabs(lastTerm) <=
                          negligible * (leading + inverseSqrtTwoPi * std::fabs(sum)))
            break;
        lastTerm = term;
    }
    const double ratio = std::exp(StirlingError(s) - StirlingError(a) - StirlingError(b));
    const double smaller = ratio * (leading + inverseSqrtTwoPi * sum);
    return belowMean ? TailProbabilities{smaller, 1.0 - smaller}
                     : TailProbabilities{1.0 - smaller, smaller};
}

} // namespace Brosquin
