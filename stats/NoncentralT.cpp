#include "stats/NoncentralT.h"

#include "stats/ChiRatio.h"
#include "stats/IncompleteGamma.h"
#include "stats/MillsRatio.h"
#include "stats/NormalConstants.h"
#include "stats/Quadrature.h"
#include "stats/RootSearch.h"
#include "stats/SaddlePoint.h"
#include "stats/SpecialFunctions.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>
#include <span>

namespace Brosquin
{

namespace
{

constexpr double notANumber = std::numeric_limits<double>::quiet_NaN();
constexpr double epsilon = std::numeric_limits<double>::epsilon();
// Sums stop when what is left is below this share of them, or below this absolute amount.
constexpr double negligible = epsilon / 4;
constexpr double negligibleAbsolute = 1e-320;
// The series is summed while the Poisson weights spread over fewer terms than this mean;
// beyond it the integral costs less.
constexpr double largestSeriesMean = 1e3;
// Below the logarithm of the least positive double.
constexpr double logSmallest = -745.2;

TailProbabilities Swapped(TailProbabilities tails)
{
    return {tails.dUpper, tails.dLower};
}

// The standard normal tail Q(x) as e^-exponent times factor: for x >= 0 with exponent x^2 / 2,
// so that it never underflows before it meets the density it is weighted with.
struct ScaledTail
{
    double dExponent;
    double dFactor;
};

ScaledTail ScaledNormalTail(double x)
{
    if (x >= 0.0)
        return {0.5 * x * x, NormalMillsRatio(x) * inverseSqrtTwoPi};
    return {0.0, 1.0 - std::exp(-0.5 * x * x) * NormalMillsRatio(-x) * inverseSqrtTwoPi};
}

// phi(x) / Q(x), the hazard of the standard normal: minus the slope of ln Q; the slope of the
// hazard is h (h - x).
double NormalHazard(double x)
{
    if (x >= 0.0)
        return 1.0 / NormalMillsRatio(x);
    return std::exp(-0.5 * x * x) * inverseSqrtTwoPi / ScaledNormalTail(x).dFactor;
}

// One tail of T by its integral over the ratio S = sqrt(V / df) of the sample to the process
// standard deviation: the tail is E[Q(alpha S + beta)], the upper one with (t, -delta) and the
// lower one with (-t, delta). With u = ln S the integrand exp(psi(u)) is smooth and has one
// peak, since S times the density of S times Q(alpha S + beta) is log-concave in S. Every term
// is positive, so the result keeps its relative precision however small it is.
class TailIntegral
{
public:
    TailIntegral(double df, double alpha, double beta)
        : chi(df), df(df), alpha(alpha), beta(beta), start(PeakStart()), startSlope(Slope(start))
    {
    }

    // Laplace's estimate of the tail from where the search for the peak starts, cheap enough to
    // choose a method by: between 0.65 and 1 times the tail at 1 degree of freedom, closer as
    // they grow.
    double dEstimate() const
    {
        const Peak at = PeakAt(start);
        if (!(startSlope.dSlope < 0.0))
            return 1.0;
        return std::exp(at.logDensity - at.tail.dExponent) * at.tail.dFactor *
               std::sqrt(2.0 * std::numbers::pi / -startSlope.dSlope);
    }

    double dValue() const
    {
        const Peak peak = PeakAt(Mode());
        // The step follows the narrower of two widths: that of the peak, and that over which
        // Q(alpha S + beta) changes, which the integrand shows off the real line even where Q is
        // near 1. The right side falls ever faster in u, so the step shrinks as the width grows;
        // beyond the peak's width, the first halving is mostly spared.
        const double curvature = Slope(peak.u).dSlope;
        const double peakWidth = curvature < 0.0 ? 1.0 / std::sqrt(-curvature) : 1.0;
        const double width = std::fmin(peakWidth, 1.0 / std::fabs(alpha * std::exp(peak.u)));
        const double step = 0.7 * width / ((1.0 + width) * (1.0 + 2.0 * width));
        const double scale = std::exp(peak.logDensity - peak.tail.dExponent) * peak.tail.dFactor;
        if (df >= spreadBelowDf)
            return IntegrateFromPeak(
                       [&](double first, double spacing, std::span<double> values)
                       {
                           std::array<double, peakBatch> u;
                           for (std::size_t i = 0; i < values.size(); ++i)
                               u[i] = first + static_cast<double>(i) * spacing;
                           Ratios(u, peak, values);
                       },
                       peak.u, step) *
                   scale;
        // Below the peak the integrand falls only like S^df = e^(df u), over some 38 / df in u.
        // There the nodes spread out doubly exponentially: u = peak + L((1 - k) v + k (1 - e^-v))
        // is u - peak near v = 0 and -L k e^-v far below, where the integrand falls like
        // exp(-df L k e^-v). Along a run of nodes e^-v is a product; it is kept finite for
        // degrees of freedom so small that the walk reaches v < -700.
        constexpr double length = 0.5;
        constexpr double k = 0.3;
        return length *
               IntegrateFromPeak(
                   [&](double first, double spacing, std::span<double> values)
                   {
                       std::array<double, peakBatch> u;
                       std::array<double, peakBatch> slope;
                       const double factor = std::exp(-spacing);
                       double e = std::exp(std::fmin(-first, 700.0));
                       for (std::size_t i = 0; i < values.size(); ++i, e *= factor)
                       {
                           const double v = first + static_cast<double>(i) * spacing;
                           u[i] = peak.u + length * ((1.0 - k) * v + k * (1.0 - e));
                           slope[i] = 1.0 - k + k * e;
                       }
                       Ratios(u, peak, values);
                       for (std::size_t i = 0; i < values.size(); ++i)
                           values[i] *= slope[i];
                   },
                   0.0, step / length) *
               scale;
    }

private:
    // From about these degrees of freedom the density of ln S, exp(-df (e^(2u) - 1 - 2u) / 2),
    // has fallen by e^-38 at u = -1, before its left side turns straight, and the nodes below
    // the peak need not spread out.
    static constexpr double spreadBelowDf = 64.0;

    // psi at u as e^(logDensity - tail.dExponent) tail.dFactor.
    struct Peak
    {
        double u;
        double logDensity;
        ScaledTail tail;
    };

    Peak PeakAt(double u) const
    {
        return {u, chi.LogDensityOfLog(u), ScaledNormalTail(alpha * std::exp(u) + beta)};
    }

    // exp(psi(u) - psi(peak)) at the first values.size() points u, each step taken for all of
    // them before the next, so that their exponentials and Mills' ratios overlap.
    void Ratios(const std::array<double, peakBatch>& u, const Peak& peak,
                std::span<double> values) const
    {
        const std::size_t count = values.size();
        // S and S - 1 from one call: S itself where it is below 1/2, whose digits 1 + (S - 1)
        // would lose.
        std::array<double, peakBatch> s;
        std::array<double, peakBatch> sMinusOne;
        for (std::size_t i = 0; i < count; ++i)
        {
            if (u[i] < -0.7)
            {
                s[i] = std::exp(u[i]);
                sMinusOne[i] = s[i] - 1.0;
            }
            else
            {
                sMinusOne[i] = std::expm1(u[i]);
                s[i] = 1.0 + sMinusOne[i];
            }
        }
        std::array<ScaledTail, peakBatch> tails;
        for (std::size_t i = 0; i < count; ++i)
            tails[i] = ScaledNormalTail(alpha * s[i] + beta);
        const double peakExponent = peak.logDensity - peak.tail.dExponent;
        const double peakFactor = 1.0 / peak.tail.dFactor;
        for (std::size_t i = 0; i < count; ++i)
            values[i] = std::exp(chi.LogDensityOfLog(u[i], sMinusOne[i]) - tails[i].dExponent -
                                 peakExponent) *
                        tails[i].dFactor * peakFactor;
    }

    // psi' as value, psi'' as slope.
    ValueSlope Slope(double u) const
    {
        const double s = std::exp(u);
        const double x = alpha * s + beta;
        const double hazard = NormalHazard(x);
        return {chi.LogDensityOfLogSlope(u) - alpha * s * hazard,
                chi.LogDensityOfLogCurvature(u) - alpha * s * hazard +
                    alpha * alpha * s * s * hazard * (x - hazard)};
    }

    double PeakStart() const
    {
        // From Q(x) ~ phi(x) / x, where the peak solves df (1 - s^2) = alpha s (alpha s + beta):
        // with b = sign(alpha) beta and d = sqrt(b^2 + 4 df (1 + df / alpha^2)),
        // s = 2 df / (|alpha| (b + d)), written without cancellation and without squaring alpha,
        // which may be near the largest double.
        const double a = std::fabs(alpha);
        const double b = std::copysign(beta, alpha);
        const double d = std::sqrt(b * b + 4.0 * df * (1.0 + df / a / a));
        const double s = b >= 0.0 ? 2.0 * df / a / (b + d) : (d - b) / (2.0 * (a + df / a));
        return s > 0.0 ? std::log(s) : 0.0;
    }

    double Mode() const
    {
        // psi' falls from df > 0 to minus infinity, so its sign at the start tells on which side
        // of it to look; the search goes on from the Newton step at the start.
        const double direction = startSlope.dValue > 0.0 ? 1.0 : -1.0;
        double reach = 0.5;
        while (Slope(start + direction * reach).dValue * direction > 0.0 && reach < 2e3)
            reach *= 2;
        const double end = start + direction * reach;
        return BracketedNewtonRoot([&](double u) { return Slope(u); }, std::fmin(start, end),
                                   std::fmax(start, end),
                                   start - startSlope.dValue / startSlope.dSlope, 1e-8, false);
    }

    ChiRatio chi;
    double df;
    double alpha;
    double beta;
    double start;
    ValueSlope startSlope;
};

// The standard normal score of t under the normal approximation of T:
// (t (1 - 1 / (4 df)) - delta) / sqrt(1 + t^2 / (2 df)).
double ApproximateScore(double t, double df, double delta)
{
    return (t * (1.0 - 0.25 / df) - delta) / std::sqrt(1.0 + t * t / (2.0 * df));
}

// Both tails for t > 0 from integrals of each, tail(upper): the smaller one, guessed from the
// normal approximation and checked, is integrated; the other is one minus it.
template <class Tail>
TailProbabilities SmallerTailFirst(double t, double df, double delta, Tail tail)
{
    bool upper = ApproximateScore(t, df, delta) >= 0.0;
    double value = tail(upper);
    if (value > 0.5)
    {
        upper = !upper;
        value = tail(upper);
    }
    return upper ? TailProbabilities{1.0 - value, value} : TailProbabilities{value, 1.0 - value};
}

// Both tails for t > 0 by the integral over S.
TailProbabilities TailsByIntegral(double t, double df, double delta)
{
    return SmallerTailFirst(
        t, df, delta,
        [&](bool upper)
        { return TailIntegral(df, upper ? t : -t, upper ? -delta : delta).dValue(); });
}

// One tail of T for t > 0 and delta > 0 by its integral over Z: with the tails G(s) = P(S >= s)
// and F(s) = P(S < s) of S, the incomplete gamma functions Q and P of df / 2 at df s^2 / 2,
// P(T <= t) = E[G((Z + delta) / t)] and P(T > t) = E[F((Z + delta) / t)], with G = 1 and F = 0
// where Z + delta <= 0. Where delta lies far beyond the spread of S and t is at least
// sqrt(2 df), Q(t S - delta) steps within 1 / delta in ln S, far more narrowly than the density
// of S is wide, and the integral over S would need as many more nodes; over Z the tail of S
// changes no faster than the normal density, so that the integrand exp(psi(z)) is one smooth
// peak about as wide as it (log-concave for df >= 1, psi'' <= -1), and a few dozen nodes give it.
class NormalMixtureTail
{
public:
    NormalMixtureTail(double t, double df, double delta, bool upper)
        : t(t), a(df / 2), delta(delta), gap(t - delta), upper(upper)
    {
    }

    double dValue() const
    {
        const double mode = Mode();
        const Point peak = At(mode);
        // The integral of the ratios is at most sqrt(2 pi) where psi'' <= -1: a peak beyond the
        // doubles leaves nothing.
        const double scale = std::exp(peak.dLogTail - 0.5 * mode * mode - logSqrtTwoPi);
        if (!(scale > 0.0))
            return 0.0;
        const double step = 0.7 / std::sqrt(std::fmax(-peak.dCurvature, 1.0));
        return scale * IntegrateFromPeak(
                           [&](double first, double spacing, std::span<double> values)
                           {
                               for (std::size_t i = 0; i < values.size(); ++i)
                               {
                                   const double z = first + static_cast<double>(i) * spacing;
                                   values[i] = std::exp(At(z).dLogTail - peak.dLogTail -
                                                        0.5 * (z - mode) * (z + mode));
                               }
                           },
                           mode, step);
    }

private:
    static constexpr double infinity = std::numeric_limits<double>::infinity();

    // The log of the tail of S at s = (z + delta) / t, and psi' and psi'' at z.
    struct Point
    {
        double dLogTail;
        double dSlope;
        double dCurvature;
    };

    Point At(double z) const
    {
        const double s = (z + delta) / t;
        if (!(s > 0.0))
            return upper ? Point{-infinity, infinity, -1.0} : Point{0.0, -z, -1.0};
        // s - 1 as exactly as t - delta allows, and a - a s^2 = -a (s - 1)(s + 1) from it.
        const double sMinusOne = (z - gap) / t;
        const GammaLogTails tails =
            IncompleteGammaLogTails(a, a * s * s, -a * sMinusOne * (s + 1.0));
        const double logTail = upper ? tails.dLower : tails.dUpper;
        if (logTail == -infinity)
            return {logTail, upper ? infinity : -infinity, -1.0};
        // The density of S is f(s) = 2 x^a e^-x / (Gamma(a) s) at x = a s^2, with
        // f'(s) / f(s) = (2a - 1) / s - 2 a s; hazard is f over the tail, whose logarithm has
        // the slope -hazard (G) or hazard (F) in s.
        const double hazard = 2.0 * std::exp(tails.dLogTerm - logTail) / s;
        const double densitySlope = (2.0 * a - 1.0) / s - 2.0 * a * s;
        const double sign = upper ? 1.0 : -1.0;
        return {logTail, -z + sign * hazard / t,
                -1.0 + sign * hazard * (densitySlope - sign * hazard) / (t * t)};
    }

    double Mode() const
    {
        // psi' falls, so its sign at 0 tells on which side of it the peak lies; G = 1 below
        // z = -delta, where psi' = -z, and F's hazard falls, so the doubling ends.
        const Point start = At(0.0);
        const double direction = start.dSlope > 0.0 ? 1.0 : -1.0;
        double reach = 1.0;
        while (At(direction * reach).dSlope * direction > 0.0)
            reach *= 2;
        const double end = direction * reach;
        return BracketedNewtonRoot(
            [&](double z)
            {
                const Point at = At(z);
                return ValueSlope{at.dSlope, at.dCurvature};
            },
            std::fmin(0.0, end), std::fmax(0.0, end), -start.dSlope / start.dCurvature, 1e-10,
            false);
    }

    double t;
    double a;
    double delta;
    double gap;
    bool upper;
};

// Both tails for t > 0 and delta > 0 by the integral over Z.
TailProbabilities TailsOverNormal(double t, double df, double delta)
{
    return SmallerTailFirst(
        t, df, delta, [&](bool upper) { return NormalMixtureTail(t, df, delta, upper).dValue(); });
}

// Sequences of the series: with x = df / (df + t^2) and y = t^2 / (df + t^2),
// I_x(df/2, j + shift) for j = 0, 1, ... (shift 1/2 or 1), its complement I_y(j + shift, df/2),
// and the step to the next term, x^(df/2) y^b / (b B(df/2, b)) with b = j + shift.
struct BetaSequence
{
    double dUpper;
    double dLower;
    double dStep;
};

BetaSequence StartSequence(double x, double y, double m, double b)
{
    if (x <= y)
    {
        const TailProbabilities tails = IncompleteBetaTails(x, m, b);
        return {tails.dLower, tails.dUpper, BetaPowerTerm(x, m, b) / b};
    }
    const TailProbabilities tails = IncompleteBetaTails(y, b, m);
    return {tails.dUpper, tails.dLower, BetaPowerTerm(y, b, m) / b};
}

// Moves a sequence from b to b + 1 and back.
void Forward(BetaSequence& sequence, double y, double m, double b)
{
    sequence.dUpper += sequence.dStep;
    sequence.dLower = std::fmax(sequence.dLower - sequence.dStep, 0.0);
    sequence.dStep *= y * (m + b) / (b + 1.0);
}

void Backward(BetaSequence& sequence, double y, double m, double b)
{
    sequence.dStep *= b / (y * (m + b - 1.0));
    sequence.dUpper = std::fmax(sequence.dUpper - sequence.dStep, 0.0);
    sequence.dLower += sequence.dStep;
}

// Below this, a start value may have lost digits to underflow, and with it the terms that grow
// from it.
constexpr double smallestStart = 1e-280;
// The least upper tail formed as 1 - P(T <= t) for delta < 0: it keeps 12 digits.
constexpr double smallestDifference = 1e-3;
// The normal score whose upper tail is that.
constexpr double clearlySmall = 3.09;

// Both tails for t > 0 from the Poisson mixture of beta probabilities
//   P(T > t) = 1/2 sum_j (p_j I_x(m, j + 1/2) + q_j I_x(m, j + 1)),
//   P(T <= t) = Q(delta) + 1/2 sum_j (p_j I_y(j + 1/2, m) + q_j I_y(j + 1, m)),
// with m = df / 2, p_j = e^-L L^j / j! and q_j = sign(delta) e^-L L^(j + 1/2) / Gamma(j + 3/2),
// L = delta^2 / 2. Both sums start at the largest Poisson weight and run both ways; each sequence
// rises in one direction and is added to there, and where it falls it is formed by subtraction,
// which costs digits only in terms that weigh little against the start's. For delta >= 0 all
// terms are positive. For delta < 0 the q terms are negative, and only P(T <= t), at least
// Q(delta) > 1/2, is sure of its digits: the sums of |p_j| and of |q_j| are at most 1 each, so
// its error is a few units in the last place. The upper tail is 1 minus it down to
// smallestDifference, below which the integral gives it.
TailProbabilities TailsBySeries(double t, double df, double delta)
{
    const double m = df / 2;
    const double lambda = delta * delta / 2;
    const double r = df / t;
    const double x = r / (t + r);
    const double y = t / (t + r);
    const double centre = std::floor(lambda);
    BetaSequence half = StartSequence(x, y, m, centre + 0.5);
    BetaSequence whole = StartSequence(x, y, m, centre + 1.0);
    const double pCentre = PoissonTerm(centre, lambda);
    const double qCentre = std::copysign(PoissonTerm(centre + 0.5, lambda), delta);
    const bool upperStartSmall = half.dUpper < smallestStart || whole.dUpper < smallestStart;
    const bool lowerStartSmall = half.dLower < smallestStart || whole.dLower < smallestStart;

    double upper = pCentre * half.dUpper + qCentre * whole.dUpper;
    double lower = pCentre * half.dLower + qCentre * whole.dLower;
    {
        BetaSequence h = half;
        BetaSequence w = whole;
        double p = pCentre;
        double q = qCentre;
        for (double j = centre + 1.0;; j += 1.0)
        {
            Forward(h, y, m, j - 0.5);
            Forward(w, y, m, j);
            p *= lambda / j;
            q *= lambda / (j + 0.5);
            upper += p * h.dUpper + q * w.dUpper;
            lower += p * h.dLower + q * w.dLower;
            // Past the Poisson mode the weights fall at least geometrically by ratio; the
            // upper sequences are at most 1 and the lower ones fall.
            const double ratio = lambda / (j + 1.0);
            if (ratio < 1.0)
            {
                const double factor = ratio / (1.0 - ratio);
                const double weights = p + std::fabs(q);
                const double lowerBound = p * h.dLower + std::fabs(q) * w.dLower;
                if (weights * factor <= negligible * std::fabs(upper) + negligibleAbsolute &&
                    lowerBound * factor <= negligible * std::fabs(lower) + negligibleAbsolute)
                    break;
            }
        }
    }
    {
        BetaSequence h = half;
        BetaSequence w = whole;
        double p = pCentre;
        double q = qCentre;
        for (double j = centre - 1.0; j >= 0.0; j -= 1.0)
        {
            Backward(h, y, m, j + 1.5);
            Backward(w, y, m, j + 2.0);
            p *= (j + 1.0) / lambda;
            q *= (j + 1.5) / lambda;
            upper += p * h.dUpper + q * w.dUpper;
            lower += p * h.dLower + q * w.dLower;
            // Below the mode the weights fall at least by j / lambda a term; the lower
            // sequences are at most 1 and the upper ones fall.
            const double ratio = j / lambda;
            const double factor = ratio / (1.0 - ratio);
            const double weights = p + std::fabs(q);
            const double upperBound = p * h.dUpper + std::fabs(q) * w.dUpper;
            if (weights * factor <= negligible * std::fabs(lower) + negligibleAbsolute &&
                upperBound * factor <= negligible * std::fabs(upper) + negligibleAbsolute)
                break;
        }
    }
    upper /= 2;
    lower = NormalTailArea(delta, true) + lower / 2;
    if (delta < 0.0)
        return 1.0 - lower >= smallestDifference ? TailProbabilities{lower, 1.0 - lower}
                                                 : TailsByIntegral(t, df, delta);
    if (upper <= lower && upperStartSmall)
        upper = TailsByIntegral(t, df, delta).dUpper;
    else if (lower < upper && lowerStartSmall)
        lower = TailsByIntegral(t, df, delta).dLower;
    return upper <= lower ? TailProbabilities{1.0 - upper, upper}
                          : TailProbabilities{lower, 1.0 - lower};
}

// The upper tail for t > 0 and delta = -a <= 0 at two degrees of freedom, where S^2 is
// exponential, P(S > s) = e^(-s^2), and the integral is elementary:
//   P(Z > a + t S) = Q(a) - t int_0^inf phi(a + t s) e^(-s^2) ds = phi(a) (R(a) - c R(c a)),
// c = t / sqrt(t^2 + 2), R Mills' ratio. Each R is good to 6 units in the last place, so the
// difference D keeps 4e-13 while it is at least 1/256 of R(a). Closer to it (large t), D is the
// integral of e^(-a w - w^2 / 2) (1 - e^(-w^2 / t^2)) over w > 0, the sum over k >= 1 of
// (-1)^(k+1) I_2k(a) / (k! t^2k) with I_n(a) = int_0^inf w^n e^(-a w - w^2 / 2) dw, which
// I_(n+1) = n I_(n-1) - a I_n gives from I_0 = R(a), I_1 = 1 - a R(a) to 2e-15 up to n = 31
// for a <= 1/2; from t = 6 its terms fall by 1/18 at least, and 15 of them suffice. NaN
// where neither applies.
double TwoDegreesUpperTail(double t, double a)
{
    const double millsRatio = NormalMillsRatio(a);
    const double c = t / std::sqrt(t * t + 2.0);
    double difference = millsRatio - c * NormalMillsRatio(c * a);
    if (!(256.0 * difference >= millsRatio))
    {
        if (a > 0.5 || t < 6.0)
            return notANumber;
        const double inverseSquare = 1.0 / (t * t);
        double previous = millsRatio;          // I_(2k-2)
        double current = 1.0 - a * millsRatio; // I_(2k-1)
        double weight = 1.0;                   // t^-2k / k!
        difference = 0.0;
        for (int k = 1; k <= 15; ++k)
        {
            const double even = (2 * k - 1) * previous - a * current;
            current = 2 * k * current - a * even;
            previous = even;
            weight *= inverseSquare / k;
            difference += k % 2 == 1 ? weight * even : -weight * even;
        }
    }
    return NormalTailArea(a, true) * (difference / millsRatio);
}

// Both tails for t >= 0.
TailProbabilities NonnegativeT(double t, double df, double delta)
{
    if (std::fabs(delta) == std::numeric_limits<double>::infinity())
        return delta > 0.0 ? TailProbabilities{0.0, 1.0} : TailProbabilities{1.0, 0.0};
    // T > t >= 0 needs Z > -delta: where that is beyond the doubles, so is the upper tail. T <= t
    // needs Z <= -delta / 2 or t S >= delta / 2: where both are, so is the lower tail.
    if (NormalTailArea(-delta, true) == 0.0)
        return {1.0, 0.0};
    if (NormalTailArea(delta / 2, true) == 0.0)
    {
        const double a = df / 2;
        const double s = delta / (2.0 * t);
        if (IncompleteGammaLogTails(a, a * s * s, a * (1.0 - s) * (1.0 + s)).dUpper < logSmallest)
            return {0.0, 1.0};
    }
    if (delta > 0.0 && delta * delta / 2 > largestSeriesMean && t * t >= 2.0 * df)
        return TailsOverNormal(t, df, delta);
    // t^2 / df beyond the doubles: there the upper tail is E[F((Z + delta) / t)], F(s) = P(S < s)
    // of df s^2 / 2 to the power df / 2 but for a factor 1 + O(df ((|delta| + 40) / t)^2), and
    // falls exactly like t^-df from where the series still reaches (below it for df >= 2).
    if (df / t / t == 0.0)
    {
        constexpr double reached = 1e12;
        const double upper =
            df / reached / reached > 0.0
                ? NonnegativeT(reached, df, delta).dUpper * std::pow(reached / t, df)
                : 0.0;
        return {1.0 - upper, upper};
    }
    // t so small that t^2 / df vanishes beside 1: T <= t is Z + delta <= 0.
    if (t / (t + df / t) == 0.0)
        return {NormalTailArea(delta, true), NormalTailArea(delta, false)};
    if (delta < 0.0 && df == 2.0)
    {
        const double upper = TwoDegreesUpperTail(t, -delta);
        if (!std::isnan(upper))
            return {1.0 - upper, upper};
    }
    if (delta * delta / 2 > largestSeriesMean)
        return TailsByIntegral(t, df, delta);
    // For delta < 0 the series gives the upper tail down to smallestDifference only; where
    // Laplace's estimate puts it below that, it is integrated at once. Below one degree of
    // freedom, where the estimate is no guide, the normal approximation decides.
    if (delta < 0.0 && df >= 1.0)
    {
        const TailIntegral upperTail(df, t, -delta);
        if (upperTail.dEstimate() < smallestDifference)
        {
            const double upper = upperTail.dValue();
            return {1.0 - upper, upper};
        }
    }
    if (delta < 0.0 && df < 1.0 && ApproximateScore(t, df, delta) > clearlySmall)
        return TailsByIntegral(t, df, delta);
    return TailsBySeries(t, df, delta);
}

} // namespace

TailProbabilities NoncentralTCumulativeSeries(double t, double df, double delta)
{
    if (std::isnan(t) || std::isnan(delta) || !(df > 0.0))
        return {notANumber, notANumber};
    return t < 0.0 ? Swapped(NonnegativeT(-t, df, -delta)) : NonnegativeT(t, df, delta);
}

double NoncentralTCumulative(double t, double df, double delta)
{
    return NoncentralTCumulativeSeries(t, df, delta).dLower;
}

} // namespace Brosquin
