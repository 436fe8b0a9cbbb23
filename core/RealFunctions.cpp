#include "core/Real.h"

#include "stats/SpecialFunctions.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace Brosquin
{

namespace
{
constexpr double infinity = std::numeric_limits<double>::infinity();
// Beyond this exponent e^x lies far outside the range of a Real.
constexpr double largestExponent = 400.0;
constexpr double trigonometricLimit = 1000.0;

// Phi(z). Beyond the range of a Real the tail is 0 or 1 to every digit, and the tail function is
// not asked about arguments whose square would overflow.
double NormalProbability(double z)
{
    return NormalTailArea(std::clamp(z, -1e154, 1e154), false);
}
} // namespace

Real& Real::StoreWithin(double (*function)(double), double lowest, double highest, int error)
{
    if (message != nullptr)
        return *this;
    if (value < lowest || value > highest)
        vdSetError(error);
    else
        vdStore(function(value));
    return *this;
}

Real& Real::Log()
{
    if (message == nullptr && value == 0.0)
        vdSetError(LogOfZero);
    return StoreWithin([](double x) { return std::log(x); }, 0.0, infinity, LogOfNegativeNumber);
}

Real& Real::Log10()
{
    if (message == nullptr && value == 0.0)
        vdSetError(LogOfZero);
    return StoreWithin([](double x) { return std::log10(x); }, 0.0, infinity, LogOfNegativeNumber);
}

Real& Real::Exponential()
{
    if (message == nullptr)
        AssignPower(value, largestExponent, std::exp(value));
    return *this;
}

Real& Real::SquareRoot()
{
    return StoreWithin([](double x) { return std::sqrt(x); }, 0.0, infinity,
                       SquareRootOfNegativeNumber);
}

Real& Real::Sine()
{
    return StoreWithin([](double x) { return std::sin(x); }, -trigonometricLimit,
                       trigonometricLimit, TrigonometricDomain);
}

Real& Real::Cosine()
{
    return StoreWithin([](double x) { return std::cos(x); }, -trigonometricLimit,
                       trigonometricLimit, TrigonometricDomain);
}

Real& Real::Tangent()
{
    if (message != nullptr)
        return *this;
    if (value < -trigonometricLimit || value > trigonometricLimit)
    {
        vdSetError(TrigonometricDomain);
        return *this;
    }
    // The poles pi/2 + k pi that the computation of x/pi - 1/2 hits as a whole number.
    const double t = value / std::numbers::pi - 0.5;
    if (std::fabs(t - std::trunc(t)) < 1e-16)
        vdSetError(TangentNotDefined);
    else
        vdStore(std::tan(value));
    return *this;
}

Real& Real::ArcSine()
{
    return StoreWithin([](double x) { return std::asin(x); }, -1.0, 1.0, ArcSineNotDefined);
}

Real& Real::ArcCosine()
{
    return StoreWithin([](double x) { return std::acos(x); }, -1.0, 1.0, ArcCosineNotDefined);
}

Real& Real::ArcTangent()
{
    return StoreWithin([](double x) { return std::atan(x); }, -infinity, infinity, Overflow);
}

Real& Real::HyperbolicSine()
{
    StoreWithin([](double x) { return std::sinh(x); }, -largestExponent, largestExponent, Overflow);
    if (std::fabs(value) > 1e154)
        vdSetError(Overflow);
    return *this;
}

Real& Real::HyperbolicCosine()
{
    StoreWithin([](double x) { return std::cosh(x); }, -largestExponent, largestExponent, Overflow);
    if (std::fabs(value) > 1e154)
        vdSetError(Overflow);
    return *this;
}

Real& Real::HyperbolicTangent()
{
    return StoreWithin([](double x) { return std::tanh(x); }, -infinity, infinity, Overflow);
}

Real& Real::LogGamma()
{
    if (message != nullptr)
        return *this;
    if (value <= 0.0)
        vdSetError(GammaOfZeroOrNegative);
    else
        *this = Brosquin::LogGamma(value);
    return *this;
}

Real& Real::Gamma()
{
    // The exponential of ln Gamma would turn the logarithm's absolute error into a relative error
    // of the result (1e-11 near 98), so the gamma function is taken directly wherever it is
    // finite; beyond 171 it overflows either way.
    if (message != nullptr || value <= 0.0 || value > 171.0)
        return LogGamma().Exponential();
    *this = std::tgamma(value);
    return *this;
}

Real& Real::LogBeta(const Real& b)
{
    if (PassesMessageOn(b))
        return *this;
    if (value <= 0.0 || b.value <= 0.0)
        vdSetError(BetaOfZeroOrNegative);
    else
        *this = Brosquin::LogBeta(value, b.value);
    return *this;
}

Real& Real::Beta(const Real& b)
{
    return LogBeta(b).Exponential();
}

Real& Real::AbsoluteValue()
{
    return StoreWithin([](double x) { return std::fabs(x); }, -infinity, infinity, Overflow);
}

Real& Real::Minimum(const Real& other)
{
    if (!PassesMessageOn(other) && other.value < value)
        vdStore(other.value);
    return *this;
}

Real& Real::Maximum(const Real& other)
{
    if (!PassesMessageOn(other) && other.value > value)
        vdStore(other.value);
    return *this;
}

Real& Real::Pi()
{
    vdStore(std::numbers::pi);
    return *this;
}

Real& Real::E()
{
    vdStore(std::numbers::e);
    return *this;
}

Real& Real::NormalDistribution()
{
    if (message == nullptr)
        vdStore(NormalProbability(value));
    return *this;
}

Real& Real::NormalFractionDefective(const Real& s)
{
    if (PassesMessageOn(s))
        return *this;
    if (s.value <= 0.0)
        vdSetError(NormalFractionDefectiveParameter);
    else
        vdStore(NormalProbability((value - 1.0) / (2.0 * s.value)) +
                NormalProbability((-1.0 - value) / (2.0 * s.value)));
    return *this;
}

Real SquareRoot(const Real& a)
{
    Real result(a);
    result.SquareRoot();
    return result;
}

Real AbsoluteValue(const Real& a)
{
    Real result(a);
    result.AbsoluteValue();
    return result;
}

} // namespace Brosquin
