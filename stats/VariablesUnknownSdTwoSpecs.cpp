#include "stats/VariablesUnknownSdTwoSpecs.h"

#include "stats/ChiRatio.h"
#include "stats/InverseSolvers.h"
#include "stats/NoncentralT.h"
#include "stats/Quadrature.h"
#include "stats/SpecialFunctions.h"
#include "stats/SymmetricBetaBoundary.h"
#include "stats/VariablesDesign.h"
#include "stats/VariablesEnds.h"
#include "stats/VariablesUnknownSdOneSpec.h"

#include <array>
#include <cmath>
#include <memory>

namespace Brosquin
{

namespace
{

constexpr double rootHalf = 0.7071067811865475244;
// The integrals leave out the ratios s / sigma where the density of ln(s / sigma) is below
// e^-40 of its peak.
constexpr double negligibleDensity = 40.0;

// The value at the ends of p, or -1 for n below 2; NaN when p is inside.
double EndValue(double p, double n)
{
    return n >= 2.0 ? VariablesEndProbability(p) : -1.0;
}

using Bound = double (*)(double p, double n, double constant);

double BandValue(double centred, double oneSided)
{
    if (centred > 0.5 && oneSided > 0.5)
        return std::fmin(centred, oneSided);
    if (centred < 0.5 && oneSided < 0.5)
        return std::fmax(centred, oneSided);
    return 0.5;
}

// The centred process's Pa given that s / sigma = r is below bound: the sample mean, with
// standard deviation 1 / sqrt n about the centre, lies within zh - k r of it (in sigma) when
// both quality indices reach k, zh being the distance of each limit from the centre. That is
// the integral of 2 Phi(sqrt n (zh - k r)) - 1 over the density of r, for 0 <= bound <= zh / k.
double CentredBelow(const ChiRatio& chi, double n, double zh, double k, double bound)
{
    const double root = std::sqrt(n);
    const double lo = bound <= 1.0 ? 0.0 : chi.Lowest(negligibleDensity);
    const double hi = std::fmin(bound, chi.Highest(negligibleDensity));
    if (!(hi > lo))
        return 0.0;
    std::array<double, 3> breakpoints = {lo, 1.0, hi};
    const bool peakInside = lo < 1.0 && 1.0 < hi;
    if (!peakInside)
        breakpoints[1] = hi;
    return IntegrateAdaptively(
        [&](double r) { return chi.Density(r) * std::erf(root * (zh - k * r) * rootHalf); },
        std::span<const double>(breakpoints.data(), peakInside ? 3 : 2));
}

// zh = -z(p / 2): each limit's distance from the centre of a centred process at fraction p.
double HalfWidth(double p)
{
    return -InverseNormal(p / 2);
}

// Constants of a Form 2 plan (n, M), with a = n/2 - 1 and P = M / 100: the estimate beyond one
// limit is I(x; a, a); xP = I^-1(P) and T = I^-1(P / 2); kM the equivalent Form 1 constant.
struct FormTwo
{
    double n;
    double M;
    double a;
    double P;
    double xP;
    double T;
    double kM;
    std::unique_ptr<SymmetricBetaBoundary> boundary;
};

// The constants of the last few plans met, so that curves and tables of several plans reuse
// them.
const FormTwo& FormTwoConstants(double n, double M)
{
    static std::array<FormTwo, 4> cache;
    static std::size_t next = 0;
    for (const FormTwo& entry : cache)
        if (entry.boundary && entry.n == n && entry.M == M)
            return entry;
    FormTwo& entry = cache[next];
    next = (next + 1) % cache.size();
    entry.n = n;
    entry.M = M;
    entry.a = n / 2 - 1.0;
    entry.P = M / 100;
    entry.xP = InverseIncompleteBeta(entry.P, entry.a, entry.a);
    entry.T = InverseIncompleteBeta(entry.P / 2, entry.a, entry.a);
    entry.kM = (1.0 - 2.0 * entry.xP) * (n - 1.0) / std::sqrt(n);
    entry.boundary = std::make_unique<SymmetricBetaBoundary>(entry.a, entry.P, entry.T);
    return entry;
}

bool IsFormTwo(double n, double M)
{
    return n >= 3.0 && M > 0.0 && M < 100.0;
}

// The centred and one-sided bounds of a form.
struct Bounds
{
    Bound centred;
    Bound oneSided;
};
constexpr Bounds FormOneBounds = {VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm1,
                                  VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm1};
constexpr Bounds FormTwoBounds = {VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm2,
                                  VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm2};

// The point of the band that choose picks from the two bounds; both bounds give the same value
// at the ends of p, which every choice keeps.
double Band(double (*choose)(double, double), Bounds bounds, double p, double n, double constant)
{
    return choose(bounds.centred(p, n, constant), bounds.oneSided(p, n, constant));
}

} // namespace

double VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm1(double p, double n, double k)
{
    const double end = EndValue(p, n);
    if (!std::isnan(end))
        return end;
    const double zh = HalfWidth(p);
    const double root = std::sqrt(n);
    const double df = n - 1.0;
    if (k < 0.0)
    {
        // The two quality indices cannot both fall below a negative k.
        return 1.0 - 2.0 * NoncentralTCumulative(root * k, df, root * zh);
    }
    if (k == 0.0)
        return std::erf(root * zh * rootHalf);
    // Both indices reach k only while s <= (U - L) / (2k); the MSD bounds s further.
    double bound = zh / k;
    if (n > 2.0)
    {
        const double x = 0.5 - 0.5 * k * root / df;
        if (x > 0.0)
            bound = std::fmin(bound, 0.02 * zh *
                                         VariablesUnknownSdMaximumStandardDeviation(
                                             n, VariablesUnknownSdEquivalentPercent(n, k)));
    }
    return CentredBelow(ChiRatio(df), n, zh, k, bound);
}

double VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm1(double p, double n, double k)
{
    const double end = EndValue(p, n);
    return std::isnan(end) ? VariablesUnknownSdOneSidedProbabilityAcceptance(p, n, k) : end;
}

double VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm1(double p, double n, double k)
{
    return Band(BandValue, FormOneBounds, p, n, k);
}

double VariablesUnknownSdTwoSpecsMaximumProbabilityAcceptanceForm1(double p, double n, double k)
{
    return Band(std::fmax, FormOneBounds, p, n, k);
}

double VariablesUnknownSdTwoSpecsMinimumProbabilityAcceptanceForm1(double p, double n, double k)
{
    return Band(std::fmin, FormOneBounds, p, n, k);
}

double VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm2(double p, double n, double M)
{
    const double end = IsFormTwo(n, M) ? EndValue(p, n) : -1.0;
    if (!std::isnan(end))
        return end;
    const FormTwo& form = FormTwoConstants(n, M);
    const double zh = HalfWidth(p);
    const double df = n - 1.0;
    const ChiRatio chi(df);
    // With r = s / sigma, the two points of the estimate are x = y -+ e, where their mean
    // y = 1/2 - K / r is fixed by r and e = Z / (2 df r) follows the sample mean's deviation Z
    // (in its own standard deviations) from the centre. The lot is accepted when
    // I(y - e) + I(y + e) <= P. Where y - e <= 0 at the edge of acceptance, that edge is
    // e = xP - y, and acceptance is the Form 1 event with k = kM; this holds for y up to
    // xP / 2 when a >= 1 and up to T when a < 1 (I then falls with e at first).
    const double K = zh * std::sqrt(n) / (2.0 * df);
    const double closedEnd = form.a < 1.0 ? form.T : form.xP / 2;
    double pa = CentredBelow(chi, n, zh, form.kM, K / (0.5 - closedEnd));
    if (form.a == 1.0)
        return pa;
    // Beyond, the edge follows the boundary I(x) + I(X) = P, traced by w = sqrt(x), x the
    // smaller point: for a > 1 it bounds acceptance from outside, for a < 1 from inside (the
    // outer edge staying at xP - y).
    const SymmetricBetaBoundary& boundary = *form.boundary;
    const auto integrand = [&](double w)
    {
        const double x = w * w;
        const double partner = boundary.Partner(w);
        const double y = (x + partner) / 2;
        const double r = K / (0.5 - y);
        const double c = 2.0 * df * r;
        const double e = (partner - x) / 2;
        const double accepted = form.a > 1.0
                                    ? std::erf(c * e * rootHalf)
                                    : 2.0 * NormalIntervalProbability(c * e, c * (form.xP - y));
        const double jacobian = K * std::fabs(boundary.MeanSlope(w)) / ((0.5 - y) * (0.5 - y));
        return chi.Density(r) * accepted * jacobian;
    };
    // A breakpoint where r = 1, at the peak of its density, when that lies on the boundary.
    const double yAtPeak = 0.5 - K;
    std::array<double, 3> breakpoints = {0.0, 0.0, boundary.SquareRootOfT()};
    std::size_t count = 2;
    breakpoints[1] = breakpoints[2];
    if ((yAtPeak - form.xP / 2) * (yAtPeak - form.T) < 0.0)
    {
        breakpoints[1] =
            std::sqrt(yAtPeak - SymmetricBetaHalfWidth(yAtPeak, form.P, form.a, form.xP));
        count = 3;
    }
    return pa + IntegrateAdaptively(integrand, std::span<const double>(breakpoints.data(), count));
}

double VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm2(double p, double n, double M)
{
    const double end = IsFormTwo(n, M) ? EndValue(p, n) : -1.0;
    if (!std::isnan(end))
        return end;
    return VariablesUnknownSdOneSidedProbabilityAcceptance(p, n, FormTwoConstants(n, M).kM);
}

double VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm2(double p, double n, double M)
{
    return Band(BandValue, FormTwoBounds, p, n, M);
}

double VariablesUnknownSdTwoSpecsMaximumProbabilityAcceptanceForm2(double p, double n, double M)
{
    return Band(std::fmax, FormTwoBounds, p, n, M);
}

double VariablesUnknownSdTwoSpecsMinimumProbabilityAcceptanceForm2(double p, double n, double M)
{
    return Band(std::fmin, FormTwoBounds, p, n, M);
}

void VariablesUnknownSdTwoSpecsDesign(double aql, double ltpd, double paAtAql, double paAtLtpd,
                                      int& n, double& k)
{
    DesignVariablesPlan({VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm1, 2}, aql, ltpd,
                        paAtAql, paAtLtpd, n, k);
}

double VariablesUnknownSdEquivalentPercent(double n, double k)
{
    const double a = n / 2 - 1.0;
    return 100.0 * IncompleteBeta(0.5 - 0.5 * k * std::sqrt(n) / (n - 1.0), a, a);
}

double VariablesUnknownSdEquivalentConstant(double n, double M)
{
    const double a = n / 2 - 1.0;
    return (1.0 - 2.0 * InverseIncompleteBeta(M / 100, a, a)) * (n - 1.0) / std::sqrt(n);
}

double VariablesUnknownSdMaximumStandardDeviation(double n, double M)
{
    const double a = n / 2 - 1.0;
    return 50.0 * std::sqrt(n) / ((n - 1.0) * (1.0 - 2.0 * InverseIncompleteBeta(0.005 * M, a, a)));
}

} // namespace Brosquin
