#include "stats/NoncentralT.h"
#include "tests/stats/Accuracy.h"

#include <boost/math/distributions/non_central_t.hpp>
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <vector>

namespace Brosquin
{
namespace
{

struct Reference
{
    double t, df, delta;
    long double lower, upper;
};

void ExpectBothTails(const std::vector<Reference>& references)
{
    for (const Reference& r : references)
    {
        const TailProbabilities tails = NoncentralTCumulativeSeries(r.t, r.df, r.delta);
        EXPECT_LT(RelativeError(tails.dLower, r.lower), 1e-12)
            << r.t << ", " << r.df << ", " << r.delta;
        EXPECT_LT(RelativeError(tails.dUpper, r.upper), 1e-12)
            << r.t << ", " << r.df << ", " << r.delta;
    }
}

TEST(NoncentralTTest, BothTailsMatchHighPrecisionIntegrals)
{
    // P(T <= t) = E[Phi(t S - delta)] over S = sqrt(V / df), integrated with mpmath.quad at 30
    // digits (tests/stats/variables_references.py); the smaller tail integrated on its own.
    const std::vector<Reference> references = {
        {1, 10, 1, 0.49024005139545065706L, 0.50975994860454934294L},
        {10, 30, 8, 0.88121349237788296246L, 0.11878650762211703754L},
        // Not the normal tail Phi(-3): t is small, not zero.
        {0.1, 3000, 3, 0.0018657780826323328722L, 0.99813422191736766713L},
        // For t > 0 and delta < 0 (t < 0 and delta > 0 reflected) the series gives the lower
        // tail, and the upper one as 1 minus it down to 1e-3 (here down to 1.27e-3); below, the
        // integral gives it; then t < 0 with delta < 0.
        {-1, 9, 0.5, 0.07564345303987380417L, 0.92435654696012619583L},
        {-1, 9, 3, 0.000052999873559066860188L, 0.99994700012644093314L},
        {-1, 1, 1, 0.057480091794325825003L, 0.942519908205674175L},
        {-0.3, 40, 3, 0.00048984351992040021136L, 0.99951015648007959979L},
        {-2.5, 4, 1, 0.0038728535398735792555L, 0.99612714646012642074L},
        {-2.5, 300, 1, 0.00025076819908602939673L, 0.9997492318009139706L},
        {-6, 4, 0.2, 0.0012725580385926779004L, 0.9987274419614073221L},
        {-6, 9, 1, 4.4479833149998333191e-6L, 0.99999555201668500017L},
        {-6, 300, 3, 1.1265112065705523724e-18L, 0.99999999999999999887L},
        // Deep lower tails of the integral, scaled so that nothing in it underflows.
        {-30, 300, 5, 1.0138380447953626885e-128L, 1.0L},
        {-0.5, 2, 25, 3.7431760604060064112e-140L, 1.0L},
        {-40, 4, 30, 1.1183807701823333792e-208L, 1.0L},
        {-1, 4, -0.5, 0.33923948597431809682L, 0.66076051402568190318L},
        {-2.5, 1, -3, 0.73491529641420189133L, 0.26508470358579810867L},
        {-6, 9, -3, 0.044817929945097256359L, 0.95518207005490274364L},
        {-6, 300, -0.5, 4.6506960801739352688e-8L, 0.99999995349303919826L},
        // More of both, among them tails the series' terms would lose to cancellation.
        {3, 9, -3, 0.9999997737679823919L, 2.262320176080967147e-7L},
        {14.796646606934353, 99, -9.81081710807458, 1.0L, 3.6161311293277074202e-77L},
        {0.5, 1, -4, 0.99999005714776750337L, 9.9428522324966302275e-6L},
        {1.6062662523957436, 1, -0.9703642201821152, 0.95898186174874429854L,
         0.041018138251255701465L},
        {-2, 5, 1, 0.0058964622898421617558L, 0.99410353771015783824L},
        {-8, 19, -10, 0.89985784292617548535L, 0.10014215707382451465L},
        // Tiny lower tails of the series.
        {5, 99, 35, 2.3430304915023445779e-172L, 1.0L},
        {1, 1, 30, 7.2129941724512066666e-100L, 1.0L},
        // Wide Poisson weights, summed or integrated.
        {40, 150, 45, 0.023140617411848492498L, 0.9768593825881515075L},
        {150, 1000, 151, 0.38230461443163311132L, 0.61769538556836688868L},
        {515, 26000, 530, 7.0072778864523925322e-10L, 0.99999999929927221135L},
        // At 1 to 5 degrees of freedom, where the method is chosen before anything is summed:
        // for delta < 0 (t < 0 and delta > 0 reflected) tails near 1e-3 and below, deep lower
        // tails, t near 0 with a large noncentrality, a far t; at two degrees of freedom the
        // elementary form near its limit, its series in 1 / t^2 and, beyond both, the integral.
        {-3, 2, 2, 0.0006043181385974150821L, 0.99939568186140258492L},
        {10, 2, -1, 0.99925326559840555209L, 0.00074673440159444790918L},
        {13.647338556806673, 2, -0.2494815141400626, 0.99824056734475472588L,
         0.0017594326552452741167L},
        {-40, 2, 0.2, 0.00022441163849134437159L, 0.99977558836150865563L},
        {-0.5, 2, 8, 5.6045258483188537236e-17L, 0.99999999999999994395L},
        {25, 2, -3, 0.99999967469353334795L, 3.2530646665205267869e-7L},
        {10, 1, -3, 0.99996952894249248283L, 0.000030471057507517171986L},
        {-0.5, 1, 8, 1.1455677309166203295e-16L, 0.99999999999999988544L},
        {-10000, 1, 0.5, 0.000015781881894378701979L, 0.9999842181181056213L},
        {10, 3, -1, 0.99987664263832660148L, 0.00012335736167339852383L},
        {-0.01, 3, 20, 2.2959562602039743448e-89L, 1.0L},
        {0.01, 4, -20, 1.0L, 2.2858182949692292269e-89L},
        {-3, 5, 30, 2.8742454990302770126e-205L, 1.0L},
        {1000, 5, -2, 0.99999999999999997342L, 2.6581097654549779473e-17L},
        // A noncentrality far beyond the degrees of freedom: Q(t S - delta) steps within
        // 1 / delta in ln S, and the integral's nodes must still reach far below.
        {1062.0717477712826, 1.0183388870488992, 271.82081661064507, 0.80255548660156646059L,
         0.19744451339843353941L},
        // Degrees of freedom that are not whole.
        {3, 2.5, 1.2, 0.82618124340664954216L, 0.17381875659335045784L},
        {60, 3, 2, 0.99991061931722279789L, 0.000089380682777202113552L},
        {2, 1, 1e-6, 0.85241620393709144858L, 0.14758379606290855142L},
    };
    ExpectBothTails(references);
    EXPECT_LT(RelativeError(NoncentralTCumulative(1, 10, 1), 0.4902400513954507L), 1e-15);
}

TEST(NoncentralTTest, AgreesWithClosedFormsAndBoost)
{
    // Central t with 1 and 2 degrees of freedom, tails in forms without cancellation: for t > 0
    // the upper tails atan(1 / t) / pi and 1 / (s (s + t)), s = sqrt(2 + t^2).
    for (double t : {0.7, 4.0, 1e4, 1e200})
    {
        const long double tl = t;
        const long double s = std::sqrt(2.0L + tl * tl);
        const long double cauchy = std::atan(1.0L / tl) / std::numbers::pi_v<long double>;
        const long double two = 1.0L / (s * (s + tl));
        EXPECT_LT(RelativeError(NoncentralTCumulativeSeries(t, 1, 0).dUpper, cauchy), 1e-14) << t;
        EXPECT_LT(RelativeError(NoncentralTCumulative(-t, 1, 0), cauchy), 1e-14) << t;
        EXPECT_LT(RelativeError(NoncentralTCumulativeSeries(t, 2, 0).dUpper, two), 1e-14) << t;
    }
    // t = 0: Phi(-delta) exactly.
    EXPECT_LT(RelativeError(NoncentralTCumulative(0, 7, 2), 0.022750131948179207200L), 1e-15);

    // Boost.Math's noncentral t in long double as a second source, on tails above 1e-6: below,
    // Boost's tails lose digits to cancellation (the integrals above cover them).
    double worst = 0.0;
    for (double df : {2.0, 9.0, 49.0, 400.0})
        for (double delta : {-4.0, -0.5, 0.0, 1.0, 6.0, 20.0})
            for (double t : {-6.0, -1.0, 0.5, 3.0, 9.0, 25.0})
            {
                const boost::math::non_central_t_distribution<long double> boost(df, delta);
                const long double lower = boost::math::cdf(boost, static_cast<long double>(t));
                const long double upper =
                    boost::math::cdf(boost::math::complement(boost, static_cast<long double>(t)));
                const TailProbabilities tails = NoncentralTCumulativeSeries(t, df, delta);
                if (lower > 1e-6L)
                    worst = std::max(worst, RelativeError(tails.dLower, lower));
                if (upper > 1e-6L)
                    worst = std::max(worst, RelativeError(tails.dUpper, upper));
            }
    EXPECT_LT(worst, 1e-12);
}

TEST(NoncentralTTest, LargeNoncentralitiesMatchClosedFormsAndIntegrals)
{
    // For delta >= 40, up to P(Z <= -delta) < 1e-348: at one degree of freedom S = |W| and
    // P(T <= t) = P(t |W| - Z >= delta) = 2 Q(delta / sqrt(1 + t^2)); at two, S^2 is exponential
    // and P(T <= t) = E[exp(-((Z + delta) / t)^2)] = t / sqrt(t^2 + 2) exp(-delta^2 / (t^2 + 2)).
    // Their noncentralities run from where the series ends to the largest doubles, t about
    // delta and beyond, reflected to t < 0.
    const long double rootHalf = std::sqrt(0.5L);
    for (double delta : {45.0, 1450.0, 3000.0, 1e4, 1e8, 1e300})
        for (double ratio : {0.5, 0.9, 1.0, 1.1, 2.0, 10.0})
        {
            const double t = delta * ratio;
            const long double tl = t;
            const long double x = delta / std::sqrt(1.0L + tl * tl) * rootHalf;
            const long double two =
                tl / std::sqrt(tl * tl + 2.0L) *
                std::exp(-static_cast<long double>(delta) * delta / (tl * tl + 2.0L));
            const TailProbabilities one = NoncentralTCumulativeSeries(t, 1, delta);
            EXPECT_LT(RelativeError(one.dLower, std::erfc(x)), 1e-12) << t << ", " << delta;
            EXPECT_LT(RelativeError(one.dUpper, std::erf(x)), 1e-12) << t << ", " << delta;
            const TailProbabilities reflected = NoncentralTCumulativeSeries(-t, 2, -delta);
            EXPECT_LT(RelativeError(reflected.dUpper, two), 1e-12) << t << ", " << delta;
            EXPECT_LT(RelativeError(reflected.dLower, 1.0L - two), 1e-12) << t << ", " << delta;
        }

    // Elsewhere E[Q(df / 2, df s^2 / 2)] at s = (Z + delta) / t over Z and E[Phi(t S - delta)]
    // over ln S with breakpoints 1 / delta apart at the step, both in mpmath at 40 digits, agree
    // to 20 digits; the last four lie on either side of where the series gives way and of
    // t = sqrt(2 df) (variables_references.py nct).
    const std::vector<Reference> references = {
        {4300, 30, 4240, 0.50875131040944082718L, 0.49124868959055917282L},
        {5000, 30, 5000, 0.46565377040538581069L, 0.53434622959461418931L},
        {35.038920314991522, 30, 54.226769214358363, 0.000037480978061829306433L,
         0.99996251902193817069L},
        {1091163.0008811487, 1000, 1914928.3589725262, 3.6958999547236724259e-210L, 1.0L},
        {50, 30, 44.7, 0.7703795451422052491L, 0.2296204548577947509L},
        {50, 30, 44.8, 0.76554204946574773504L, 0.23445795053425226496L},
        {7.7, 30, 60, 7.2064382015998132495e-238L, 1.0L},
        {7.8, 30, 60, 1.9424121433617249267e-233L, 1.0L},
        // t beyond where t^2 / df is a double: the upper tail falls like t^-df.
        {1e200, 1.5, 2, 1.0L, 2.7282978739645505127e-300L},
    };
    ExpectBothTails(references);
}

TEST(NoncentralTTest, EndsAndUndefinedArguments)
{
    const TailProbabilities far = NoncentralTCumulativeSeries(1e300, 5, 3);
    EXPECT_EQ(far.dLower, 1.0);
    EXPECT_EQ(far.dUpper, 0.0);
    const TailProbabilities below = NoncentralTCumulativeSeries(-HUGE_VAL, 5, 3);
    EXPECT_EQ(below.dLower, 0.0);
    EXPECT_EQ(below.dUpper, 1.0);
    // Every finite argument, however far out, gives two tails that add up to 1.
    for (double t : {-1e300, -1e150, -1.0, -1e-300, 1e-300, 1.0, 1e150, 1e300})
        for (double delta : {-1e300, -1e150, -50.0, 0.0, 50.0, 1e150, 1e300})
            for (double df : {1.0, 1e6, 1e14})
            {
                const TailProbabilities tails = NoncentralTCumulativeSeries(t, df, delta);
                EXPECT_TRUE(tails.dLower >= 0.0 && tails.dUpper >= 0.0 &&
                            std::fabs(tails.dLower + tails.dUpper - 1.0) <= 1e-15)
                    << t << ", " << df << ", " << delta << ": " << tails.dLower << ", "
                    << tails.dUpper;
            }
    for (const TailProbabilities tails :
         {NoncentralTCumulativeSeries(1, 0, 1), NoncentralTCumulativeSeries(1, -3, 1),
          NoncentralTCumulativeSeries(std::nan(""), 3, 1)})
    {
        EXPECT_TRUE(std::isnan(tails.dLower));
        EXPECT_TRUE(std::isnan(tails.dUpper));
    }
}

} // namespace
} // namespace Brosquin
