#include "core/Interval.h"
#include "core/RealOf.h"

#include <boost/math/special_functions/beta.hpp>
#include <boost/math/special_functions/erf.hpp>
#include <boost/math/special_functions/gamma.hpp>
#include <boost/multiprecision/cpp_bin_float.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <sstream>
#include <string>
#include <vector>

// Every interval operation against 50-digit values: for random intervals of every kind and
// random points in them (ends included), the true value at the point lies in the result wherever
// the Real operation is defined at the point.

namespace Brosquin
{
namespace
{

using Big = boost::multiprecision::cpp_bin_float_50;

Big Phi(const Big& z)
{
    return boost::math::erfc(-z / sqrt(Big(2))) / 2;
}

bool PieceHolds(const Interval& piece, const Big& value)
{
    return (!piece.HasLowerEnd() || Big(piece.Lower()) <= value) &&
           (!piece.HasUpperEnd() || value <= Big(piece.Upper()));
}

bool Holds(const Interval& result, const Big& value)
{
    if (result.Kind() == IntervalMessage)
        return false;
    if (result.Kind() != IntervalUnion)
        return PieceHolds(result, value);
    for (std::uint32_t i = 1; i <= result.PieceCount(); ++i)
        if (PieceHolds(*result.Piece(i), value))
            return true;
    return false;
}

std::string Show(const Interval& interval)
{
    std::ostringstream out;
    out.precision(17);
    if (interval.Kind() == IntervalMessage)
        return std::string("msg:") + interval.MessageText();
    out << "[" << interval.Lower() << ", " << interval.Upper() << "] kind " << interval.Kind()
        << " pieces " << interval.PieceCount();
    return out.str();
}

// Random intervals of every kind within a scale, and points in them.
class Sampler
{
public:
    explicit Sampler(unsigned seed) : random(seed) {}

    double Number(double scale)
    {
        switch (Pick(8))
        {
        case 0:
            return 0.0;
        case 1:
            return static_cast<double>(Pick(7)) - 3.0;
        case 2:
            return (Pick(2) == 0 ? 1 : -1) * scale * Uniform();
        default:
            return (Pick(2) == 0 ? 1 : -1) * std::min(scale, std::exp(Uniform() * 60 - 40));
        }
    }

    // Bounded mostly; half-lines, the whole line and unions of two pieces too.
    Interval Any(double scale)
    {
        Interval interval;
        const double a = Number(scale), b = Number(scale);
        switch (Pick(10))
        {
        case 0:
            interval.SetEnds(-IntervalInfinityValue, b);
            break;
        case 1:
            interval.SetEnds(a, IntervalInfinityValue);
            break;
        case 2:
            interval.SetEnds(-IntervalInfinityValue, IntervalInfinityValue);
            break;
        case 3:
            // The reciprocal of an interval around 0, moved by a number.
            interval.SetEnds(-std::fabs(a) - 0.1, std::fabs(b) + 0.1);
            interval.Reciprocal();
            interval += Ends(a / 2);
            break;
        default:
            interval.SetEnds(std::min(a, b), std::max(a, b));
            break;
        }
        return interval;
    }

    // A point of the interval, often one of its ends.
    double PointIn(const Interval& interval, double scale)
    {
        const Interval& piece =
            interval.Kind() == IntervalUnion
                ? *interval.Piece(1 + Pick(static_cast<int>(interval.PieceCount())))
                : interval;
        const bool lower = piece.HasLowerEnd(), upper = piece.HasUpperEnd();
        if (lower && upper)
        {
            const int choice = Pick(4);
            return choice == 0   ? piece.Lower()
                   : choice == 1 ? piece.Upper()
                                 : piece.Lower() + (piece.Upper() - piece.Lower()) * Uniform();
        }
        const double step = Pick(3) == 0 ? 0.0 : std::min(scale, std::exp(Uniform() * 20 - 10));
        if (lower)
            return piece.Lower() + step;
        if (upper)
            return piece.Upper() - step;
        return Number(scale);
    }

private:
    static Interval Ends(double value)
    {
        Interval interval;
        interval = value;
        return interval;
    }
    int Pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(random); }
    double Uniform() { return std::uniform_real_distribution<double>(0, 1)(random); }

    std::mt19937_64 random;
};

struct OneArgument
{
    const char* name;
    Interval& (Interval::*interval)();
    Real& (Real::*real)();
    std::function<Big(const Big&)> reference;
    double scale;
};

struct TwoArguments
{
    const char* name;
    Interval& (Interval::*interval)(const Interval&);
    Real& (Real::*real)(const Real&);
    std::function<Big(const Big&, const Big&)> reference;
    double scale;
};

// Whether the Real operation gives a number at the point, and the number is not far beyond the
// range where the 50-digit value is meaningful.
template <class Apply> bool DefinedAt(Apply apply)
{
    Real value;
    apply(value);
    return value.Message() == nullptr;
}

const std::vector<OneArgument>& OneArgumentOperations()
{
    static const std::vector<OneArgument> operations = {
        {"Log", &Interval::Log, &Real::Log, [](const Big& x) { return log(x); }, 1e10},
        {"Log10", &Interval::Log10, &Real::Log10, [](const Big& x) { return log10(x); }, 1e10},
        {"Exponential", &Interval::Exponential, &Real::Exponential,
         [](const Big& x) { return exp(x); }, 500},
        {"SquareRoot", &Interval::SquareRoot, &Real::SquareRoot,
         [](const Big& x) { return sqrt(x); }, 1e100},
        {"Sine", &Interval::Sine, &Real::Sine, [](const Big& x) { return sin(x); }, 20},
        {"Sine", &Interval::Sine, &Real::Sine, [](const Big& x) { return sin(x); }, 1000},
        {"Cosine", &Interval::Cosine, &Real::Cosine, [](const Big& x) { return cos(x); }, 20},
        {"Cosine", &Interval::Cosine, &Real::Cosine, [](const Big& x) { return cos(x); }, 1000},
        {"Tangent", &Interval::Tangent, &Real::Tangent, [](const Big& x) { return tan(x); }, 5},
        {"Tangent", &Interval::Tangent, &Real::Tangent, [](const Big& x) { return tan(x); }, 1000},
        {"ArcSine", &Interval::ArcSine, &Real::ArcSine, [](const Big& x) { return asin(x); }, 1.5},
        {"ArcCosine", &Interval::ArcCosine, &Real::ArcCosine, [](const Big& x) { return acos(x); },
         1.5},
        {"ArcTangent", &Interval::ArcTangent, &Real::ArcTangent,
         [](const Big& x) { return atan(x); }, 1e20},
        {"HyperbolicSine", &Interval::HyperbolicSine, &Real::HyperbolicSine,
         [](const Big& x) { return sinh(x); }, 500},
        {"HyperbolicCosine", &Interval::HyperbolicCosine, &Real::HyperbolicCosine,
         [](const Big& x) { return cosh(x); }, 500},
        {"HyperbolicTangent", &Interval::HyperbolicTangent, &Real::HyperbolicTangent,
         [](const Big& x) { return tanh(x); }, 30},
        {"Gamma", &Interval::Gamma, &Real::Gamma,
         [](const Big& x) { return boost::math::tgamma(x); }, 200},
        {"LogGamma", &Interval::LogGamma, &Real::LogGamma,
         [](const Big& x) { return boost::math::lgamma(x); }, 1e6},
        {"LogGamma", &Interval::LogGamma, &Real::LogGamma,
         [](const Big& x) { return boost::math::lgamma(x); }, 3},
        {"AbsoluteValue", &Interval::AbsoluteValue, &Real::AbsoluteValue,
         [](const Big& x) { return abs(x); }, 1e100},
        {"NormalDistribution", &Interval::NormalDistribution, &Real::NormalDistribution, Phi, 40},
        {"Negate", nullptr, &Real::Negate, [](const Big& x) { return -x; }, 1e100},
    };
    return operations;
}

class IntervalEnclosureOfOne : public ::testing::TestWithParam<std::size_t>
{
};

TEST_P(IntervalEnclosureOfOne, HoldsTheValueAtEveryPoint)
{
    const OneArgument& operation = OneArgumentOperations()[GetParam()];
    Sampler sampler(static_cast<unsigned>(GetParam()));
    for (int trial = 0; trial < 150; ++trial)
    {
        const Interval argument = sampler.Any(operation.scale);
        Interval result = argument;
        if (operation.interval != nullptr)
            (result.*operation.interval)();
        else
            result.Negate();
        for (int i = 0; i < 4; ++i)
        {
            const double x = sampler.PointIn(argument, operation.scale);
            if (!DefinedAt([&](Real& value) { ((value = RealOf(x)).*operation.real)(); }))
                continue;
            ASSERT_TRUE(Holds(result, operation.reference(Big(x))))
                << operation.name << " of " << Show(argument) << " at " << x << " gives "
                << Show(result);
        }
    }
}

const std::vector<TwoArguments>& TwoArgumentOperations()
{
    const auto power = [](const Big& x, const Big& y)
    {
        if (x >= 0)
            return Big(pow(x, y));
        const Big magnitude = pow(-x, y);
        return fmod(y, Big(2)) == 0 ? magnitude : Big(-magnitude);
    };
    const auto fraction = [](const Big& x, const Big& s)
    { return Phi((x - 1) / (2 * s)) + Phi((-1 - x) / (2 * s)); };
    static const std::vector<TwoArguments> operations = {
        {"Sum", &Interval::operator+=, &Real::operator+=,
         [](const Big& x, const Big& y) { return x + y; }, 1e150},
        {"Difference", &Interval::operator-=, &Real::operator-=,
         [](const Big& x, const Big& y) { return x - y; }, 1e150},
        {"Product", &Interval::operator*=, &Real::operator*=,
         [](const Big& x, const Big& y) { return x * y; }, 1e75},
        {"Quotient", &Interval::operator/=, &Real::operator/=,
         [](const Big& x, const Big& y) { return x / y; }, 1e75},
        {"Power", &Interval::Power, &Real::Power, power, 4},
        {"Power", &Interval::Power, &Real::Power, power, 100},
        {"Beta", &Interval::Beta, &Real::Beta,
         [](const Big& x, const Big& y) { return boost::math::beta(x, y); }, 50},
        {"LogBeta", &Interval::LogBeta, &Real::LogBeta,
         [](const Big& x, const Big& y) { return log(boost::math::beta(x, y)); }, 1e4},
        {"Minimum", &Interval::Minimum, &Real::Minimum,
         [](const Big& x, const Big& y) { return x < y ? x : y; }, 1e100},
        {"Maximum", &Interval::Maximum, &Real::Maximum,
         [](const Big& x, const Big& y) { return x < y ? y : x; }, 1e100},
        {"NormalFractionDefective", &Interval::NormalFractionDefective,
         &Real::NormalFractionDefective, fraction, 4},
    };
    return operations;
}

class IntervalEnclosureOfTwo : public ::testing::TestWithParam<std::size_t>
{
};

TEST_P(IntervalEnclosureOfTwo, HoldsTheValueAtEveryPairOfPoints)
{
    const TwoArguments& operation = TwoArgumentOperations()[GetParam()];
    Sampler sampler(static_cast<unsigned>(100 + GetParam()));
    for (int trial = 0; trial < 150; ++trial)
    {
        const Interval x = sampler.Any(operation.scale), y = sampler.Any(operation.scale);
        Interval result = x;
        (result.*operation.interval)(y);
        for (int i = 0; i < 4; ++i)
        {
            const double a = sampler.PointIn(x, operation.scale);
            const double b = sampler.PointIn(y, operation.scale);
            if (!DefinedAt([&](Real& value) { ((value = RealOf(a)).*operation.real)(RealOf(b)); }))
                continue;
            ASSERT_TRUE(Holds(result, operation.reference(Big(a), Big(b))))
                << Show(x) << " " << operation.name << " " << Show(y) << " at " << a << ", " << b
                << " gives " << Show(result);
        }
    }
}

// One test per operation and scale, named after them.
template <class Table> std::string OperationName(const Table& table, std::size_t index)
{
    return std::string(table[index].name) + "_" + std::to_string(index);
}

INSTANTIATE_TEST_SUITE_P(IntervalEnclosure, IntervalEnclosureOfOne,
                         ::testing::Range<std::size_t>(0, OneArgumentOperations().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info)
                         { return OperationName(OneArgumentOperations(), info.param); });

INSTANTIATE_TEST_SUITE_P(IntervalEnclosure, IntervalEnclosureOfTwo,
                         ::testing::Range<std::size_t>(0, TwoArgumentOperations().size()),
                         [](const ::testing::TestParamInfo<std::size_t>& info)
                         { return OperationName(TwoArgumentOperations(), info.param); });

} // namespace
} // namespace Brosquin
