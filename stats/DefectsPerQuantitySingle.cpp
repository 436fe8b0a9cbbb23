#include "stats/DefectsPerQuantitySingle.h"

#include "stats/PoissonSingle.h"

#include "stats/DiscreteDistributions.h"
#include "stats/IntegerSearch.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <cmath>

namespace Brosquin
{

double DefectsPerQuantitySingleProbabilityAcceptance(double lambda, double s, int c)
{
    return PoissonSingleProbabilityAcceptance(lambda, s, c);
}

double DefectsPerQuantitySingleProbabilityAcceptanceFiniteLot(std::int64_t T, double s, int c,
                                                              double L)
{
    return PoissonSingleProbabilityAcceptanceFiniteLot(T, s, c, L);
}

double DefectsPerQuantitySingleAverageSampleNumber(double lambda, double s, int c,
                                                   std::uint8_t method)
{
    return PoissonSingleAverageSampleNumber(lambda, s, c, method);
}

double DefectsPerQuantitySingleAverageSampleNumberFiniteLot(std::int64_t T, double s, int c,
                                                            double L, std::uint8_t method)
{
    return PoissonSingleAverageSampleNumberFiniteLot(T, s, c, L, method);
}

namespace
{

// The nearest number of 15 significant digits, or the nearest not below it with `upward`: what
// the text of a plan holds.
double TextDigits(double value, bool upward)
{
    char text[32];
    const auto written =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific, 14);
    double digits = value;
    if (written.ec != std::errc() || std::from_chars(text, written.ptr, digits).ec != std::errc() ||
        !upward || digits >= value)
        return digits;
    // One more in the last of the 15 digits.
    const char* exponent = std::find(text, written.ptr, 'e') + 1;
    if (exponent < written.ptr && *exponent == '+')
        ++exponent;
    int power = 0;
    std::from_chars(exponent, written.ptr, power);
    return TextDigits(digits + std::pow(10.0, power - 14), false);
}

// The smallest mean m at which P(at most c; m) <= target, to the last binary digit: P falls as
// m grows, and the bit patterns of positive doubles run in their order.
double SmallestMean(std::int64_t c, double target)
{
    double meeting = static_cast<double>(c) + 1.0;
    while (!(PoissonCumulative(c, meeting) <= target))
    {
        meeting *= 2.0;
        if (!std::isfinite(meeting))
            return meeting;
    }
    auto failing = std::uint64_t{0};
    auto meets = std::bit_cast<std::uint64_t>(meeting);
    while (meets - failing > 1)
    {
        const std::uint64_t middle = failing + (meets - failing) / 2;
        (PoissonCumulative(c, std::bit_cast<double>(middle)) <= target ? meets : failing) = middle;
    }
    return std::bit_cast<double>(meets);
}

} // namespace

std::optional<QuantityPlan> QuantitySinglePlan(double AQL, std::optional<double> maximumAQL,
                                               double LTPD, double PaAQL, double PaLTPD)
{
    const auto probability = [](double value) { return value > 0.0 && value < 1.0; };
    if (!(AQL >= 0.0 && AQL < LTPD && std::isfinite(LTPD) && probability(PaAQL) &&
          probability(PaLTPD) &&
          (!maximumAQL || (AQL < *maximumAQL && std::isfinite(*maximumAQL)))))
        return std::nullopt;
    // The smallest amount sits where Pa at an upper level falls to its target; it is taken where
    // Pa falls a little further, beyond the last digits the cumulative is good for, so that the
    // plan meets its targets in exact arithmetic too.
    constexpr double safety = 1.0 - 1e-12;
    const double ltpdTarget = PaLTPD * safety;
    const double maximumTarget = PaAQL * safety;
    // The mean number of defects at the LTPD of the smallest sample for c: where Pa at the LTPD
    // reaches its target, or further where Pa at the maximum AQL has not yet.
    const auto defects = [&](std::int64_t c)
    {
        const double atLtpd = SmallestMean(c, ltpdTarget);
        return maximumAQL ? std::fmax(atLtpd, SmallestMean(c, maximumTarget) / *maximumAQL * LTPD)
                          : atLtpd;
    };
    // Each of these plans is the most powerful test of its amount, and the amount grows with c, so
    // Pa at the AQL rises with c: the smallest c meeting the AQL requirement is bisected.
    const auto meets = [&](std::int64_t c)
    { return PoissonCumulative(c, AQL / LTPD * defects(c)) >= PaAQL; };
    constexpr std::int64_t largest = 2147483647;
    for (std::int64_t c = FirstHolding(0, largest + 1, meets); c <= largest; ++c)
    {
        const double mean = defects(c);
        // The amount of the text, up to where Pa as the evaluation forms it meets the upper
        // targets.
        double amount = TextDigits(mean / LTPD, true);
        // The mean only grows with c: past the largest double here, it stays past it.
        if (!std::isfinite(amount))
            return std::nullopt;
        for (int step = 0;
             step < 16 && std::isfinite(amount) &&
             (PoissonCumulative(c, amount * LTPD) > ltpdTarget ||
              (maximumAQL && PoissonCumulative(c, amount * *maximumAQL) > maximumTarget));
             ++step)
            amount = TextDigits(std::nextafter(amount, INFINITY), true);
        // The digits of the text may push Pa at the AQL below its target; then c + 1.
        if (std::isfinite(amount) && PoissonCumulative(c, amount * LTPD) <= ltpdTarget &&
            PoissonCumulative(c, amount * AQL) >= PaAQL)
            return QuantityPlan{amount, static_cast<int>(c), mean};
    }
    return std::nullopt;
}

double QuantityCells::Amount(std::int64_t cells) const
{
    return TextDigits(static_cast<double>(cells) / dLtpd * dDefects, false);
}

QuantityCells CellsOfPlan(const QuantityPlan& single, double LTPD)
{
    const double digits = std::floor(std::log10(single.dDefects));
    return {LTPD, std::pow(10.0, digits - 3.0)};
}

void DefectsPerQuantitySingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                             double& s, int& c)
{
    const std::optional<QuantityPlan> plan =
        QuantitySinglePlan(AQL, std::nullopt, LTPD, PaAQL, PaLTPD);
    s = plan ? plan->dAmount : 0.0;
    c = plan ? plan->c : 0;
}

void DefectsPerQuantitySingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD,
                                               double PaAQL, double PaLTPD, double& s, int& c)
{
    const std::optional<QuantityPlan> plan =
        QuantitySinglePlan(AQL, maximumAQL, LTPD, PaAQL, PaLTPD);
    s = plan ? plan->dAmount : 0.0;
    c = plan ? plan->c : 0;
}

} // namespace Brosquin
