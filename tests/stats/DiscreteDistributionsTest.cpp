#include "stats/DiscreteDistributions.h"
#include "tests/stats/Accuracy.h"

#include <boost/math/distributions/binomial.hpp>
#include <boost/math/distributions/hypergeometric.hpp>
#include <boost/math/distributions/poisson.hpp>
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace Brosquin
{
namespace
{

struct TailReference
{
    std::int64_t c, n, D, N;
    long double lower, upper;
};

TEST(BinomialTest, SpecialCasesAndShortcuts)
{
    EXPECT_EQ(BinomialCumulative(5, 5, 0.3), 1.0);
    EXPECT_EQ(BinomialCumulative(0, 0, 0.3), 1.0);
    EXPECT_EQ(BinomialCumulative(-1, 10, 0.3), 0.0);
    EXPECT_EQ(BinomialCumulative(3, 10, 0.0), 1.0);
    EXPECT_EQ(BinomialCumulative(3, 10, 1.0), 0.0);
    EXPECT_EQ(BinomialCumulative(9, 10, 1.0), 0.0);
    EXPECT_EQ(BinomialProbability(0, 10, 0.0), 1.0);
    EXPECT_EQ(BinomialProbability(1, 10, 0.0), 0.0);
    EXPECT_EQ(BinomialProbability(10, 10, 1.0), 1.0);
    EXPECT_EQ(BinomialProbability(9, 10, 1.0), 0.0);
    EXPECT_EQ(BinomialProbability(11, 10, 0.5), 0.0);
    EXPECT_EQ(BinomialProbability(-1, 10, 0.5), 0.0);
    EXPECT_TRUE(std::isnan(BinomialCumulative(5, 10, std::nan(""))));

    // Closed forms, and the exact values where the old normal approximation was off
    // (B(4; 20, 0.1) from mpmath at 40 digits).
    EXPECT_LT(RelativeError(BinomialCumulative(3, 20, 0.1), 0.86704667656566490238L), 1e-14);
    EXPECT_LT(RelativeError(BinomialCumulative(4, 20, 0.1), 0.9568255047155366099L), 1e-14);
    for (double p : {0.01, 0.3, 0.5, 0.9, 0.999})
        EXPECT_LT(RelativeError(BinomialCumulative(29, 30, p),
                                1.0L - std::pow(static_cast<long double>(p), 30.0L)),
                  1e-15);
    // Far upper accept numbers with p close to 1: the complement of the closed form would lose
    // every digit here; (1 - p)^10 + 10 p (1 - p)^9 + 45 p^2 (1 - p)^8 + ...
    const long double q = 1e-3L;
    const long double p = 1.0L - q;
    long double exact = 0.0L;
    long double binomial = 1.0L;
    for (int k = 0; k <= 6; ++k)
    {
        exact += binomial * std::pow(p, static_cast<long double>(k)) *
                 std::pow(q, static_cast<long double>(10 - k));
        binomial = binomial * (10 - k) / (k + 1);
    }
    EXPECT_LT(RelativeError(BinomialCumulative(6, 10, 0.999), exact), 1e-13);
}

// Accept numbers spread over the distribution: the small counts of the closed forms, both
// tails and the centre, and the counts just below n.
std::vector<std::int64_t> AcceptNumbers(std::int64_t n, double mean, double sd)
{
    std::vector<std::int64_t> numbers = {0, 1, 2, 3, 4, 5, n - 6, n - 5, n - 4, n - 2, n - 1};
    for (double z : {-25.0, -6.0, -2.0, -0.5, 0.0, 0.5, 2.0, 6.0, 25.0})
        numbers.push_back(static_cast<std::int64_t>(std::floor(mean + z * sd)));
    std::vector<std::int64_t> valid;
    for (std::int64_t c : numbers)
        if (c >= 0 && c < n)
            valid.push_back(c);
    return valid;
}

TEST(BinomialTest, AgreesWithBoostOverAWideGrid)
{
    double worst = 0.0;
    for (std::int64_t n : {1, 2, 5, 9, 20, 50, 132, 1000, 12345, 100000, 1000000})
        for (double p : {1e-12, 1e-6, 1e-3, 0.01, 0.1, 0.3, 0.5, 0.7, 0.99, 1.0 - 1e-9})
        {
            const boost::math::binomial_distribution<long double> reference(
                static_cast<long double>(n), static_cast<long double>(p));
            const double mean = static_cast<double>(n) * p;
            const double sd = std::sqrt(mean * (1.0 - p)) + 1.0;
            for (std::int64_t c : AcceptNumbers(n, mean, sd))
            {
                const long double k = static_cast<long double>(c);
                const long double lower = boost::math::cdf(reference, k);
                const long double upper = boost::math::cdf(boost::math::complement(reference, k));
                const TailProbabilities tails = BinomialTails(c, n, p);
                const double errors[] = {
                    RelativeError(BinomialCumulative(c, n, p), lower),
                    RelativeError(tails.dLower, lower),
                    RelativeError(tails.dUpper, upper),
                    RelativeError(BinomialProbability(c, n, p), boost::math::pdf(reference, k)),
                };
                for (double error : errors)
                {
                    EXPECT_LT(error, 1e-12) << "c = " << c << ", n = " << n << ", p = " << p;
                    worst = std::max(worst, error);
                }
            }
        }
    std::printf("binomial: worst relative error %.3g\n", worst);
}

// Both tails at large n: the centre and both sides of where the uniform expansion of the
// incomplete beta function takes over from its continued fraction, the smaller parameter near
// the least the expansion takes and far above it. For each n and p, nine counts c and the far
// tail at each: P(X <= c) up to the middle count (at the mean), P(X > c) beyond it (the other
// tail is 1 minus it), the smaller one summed term by term in mpmath at 40 digits
// (binomial_references.py).
struct BinomialReferences
{
    std::int64_t n;
    double p;
    std::array<std::int64_t, 9> c;
    std::array<long double, 9> farTail;
};

TEST(BinomialTest, AgreesWithSumsAtLargeCounts)
{
    const BinomialReferences references[] = {
        {10000,
         0.0502,
         {305, 344, 349, 493, 502, 510, 654, 659, 698},
         {2.0939811939793316e-22L, 1.2629062929578425e-14L, 8.9525460410168717e-14L,
          0.3507011730522929L, 0.51187135822131978L, 0.34639060573944475L, 1.0970519086219531e-11L,
          2.5510846301706144e-12L, 7.618077533012747e-18L}},
        {10000,
         0.5,
         {4550, 4640, 4650, 4980, 5000, 5020, 5350, 5360, 5450},
         {1.1704851439818193e-19L, 3.1681438388327107e-13L, 1.3473369866302315e-12L,
          0.34826929248839441L, 0.50398932306969108L, 0.34090401646783698L, 1.1678328843858463e-12L,
          2.735232879617695e-13L, 9.750753605570568e-20L}},
        {1000000,
         0.5,
         {495500, 496400, 496500, 499800, 500000, 500200, 503500, 503600, 504500},
         {1.1382925725589256e-19L, 3.0321095120914814e-13L, 1.2887218728617816e-12L,
          0.34494661243213249L, 0.50039894218066588L, 0.344210072278309L, 1.2704556442002935e-12L,
          2.9879584680888758e-13L, 1.1177434365203497e-19L}},
        {1000000000,
         1e-06,
         {715, 772, 778, 987, 1000, 1012, 1221, 1227, 1284},
         {1.2953254924824977e-21L, 3.413767298131183e-14L, 1.6104892436163895e-13L,
          0.3479612261569993L, 0.50840936716850761L, 0.34467924180758798L, 6.3393220666089007e-12L,
          1.8328455838221455e-12L, 3.3783491203376971e-18L}},
        {1000000000,
         0.001,
         {991004, 992803, 993003, 999600, 1000000, 1000399, 1006996, 1007196, 1008995},
         {9.9914441168647268e-20L, 2.82676009793485e-13L, 1.2086356765084791e-12L,
          0.34474028815779855L, 0.50026596151955381L, 0.34463728546599679L, 1.354623098431011e-12L,
          3.2002804856848936e-13L, 1.2733859853043574e-19L}},
    };
    double worst = 0.0;
    for (const BinomialReferences& r : references)
        for (std::size_t i = 0; i < r.c.size(); ++i)
        {
            const std::int64_t c = r.c[i];
            const bool lowerGiven = i <= r.c.size() / 2;
            const long double given = r.farTail[i];
            const long double lower = lowerGiven ? given : 1.0L - given;
            const TailProbabilities tails = BinomialTails(c, r.n, r.p);
            const double errors[] = {
                RelativeError(BinomialCumulative(c, r.n, r.p), lower),
                RelativeError(tails.dLower, lower),
                RelativeError(tails.dUpper, lowerGiven ? 1.0L - given : given),
            };
            for (double error : errors)
            {
                EXPECT_LT(error, 1e-13) << "c = " << c << ", n = " << r.n << ", p = " << r.p;
                worst = std::max(worst, error);
            }
        }
    std::printf("binomial at large counts: worst relative error %.3g\n", worst);
}

TEST(PoissonTest, SpecialCasesAndExactValues)
{
    EXPECT_EQ(PoissonCumulative(-1, 3.0), 0.0);
    EXPECT_EQ(PoissonCumulative(0, 0.0), 1.0);
    EXPECT_EQ(PoissonCumulative(50, 0.0), 1.0);
    EXPECT_EQ(PoissonProbability(0, 0.0), 1.0);
    EXPECT_EQ(PoissonProbability(3, 0.0), 0.0);
    EXPECT_EQ(PoissonProbability(-1, 2.0), 0.0);
    EXPECT_EQ(PoissonProbability(0, 2.5), std::exp(-2.5));
    EXPECT_TRUE(std::isnan(PoissonCumulative(5, std::nan(""))));

    // Sums in mpmath at 45 digits.
    const std::vector<TailReference> references = {
        {2, 0, 0, 0, 0.9196986029286058039888L, 0.08030139707139419601119L},
        {4, 0, 0, 0, 0.947346982656288843258L, 0.052653017343711156742L},
        {50, 0, 0, 0, 6.815847235588000790925e-37L, 1.0L},
        {400, 0, 0, 0, 1.0L, 5.525962083726679725783e-36L},
        {120000, 0, 0, 0, 1.0L, 7.948245847567511385483e-819L},
        {1000020000, 0, 0, 0, 0.7364615687941875743517L, 0.2635384312058124256483L},
    };
    const std::vector<double> means = {1.0, 2.0, 200.0, 200.0, 1e5, 1e9};
    for (std::size_t i = 0; i < references.size(); ++i)
    {
        const TailReference& r = references[i];
        const TailProbabilities tails = PoissonTails(r.c, means[i]);
        EXPECT_LT(RelativeError(tails.dLower, r.lower), 1e-13) << r.c;
        EXPECT_LT(RelativeError(tails.dUpper, r.upper), 1e-13) << r.c;
        EXPECT_LT(RelativeError(PoissonCumulative(r.c, means[i]), r.lower), 1e-13) << r.c;
    }
}

TEST(PoissonTest, AgreesWithBoostOverAWideGrid)
{
    double worst = 0.0;
    for (double lambda : {1e-10, 1e-4, 0.05, 0.8177, 1.0, 5.3223, 17.5, 100.0, 2500.0, 1e5, 3e6})
    {
        const boost::math::poisson_distribution<long double> reference(lambda);
        const double sd = std::sqrt(lambda) + 1.0;
        for (std::int64_t c : AcceptNumbers(std::llround(10.0 * lambda) + 1000, lambda, sd))
        {
            const long double k = static_cast<long double>(c);
            const long double lower = boost::math::cdf(reference, k);
            const long double upper = boost::math::cdf(boost::math::complement(reference, k));
            const TailProbabilities tails = PoissonTails(c, lambda);
            const double errors[] = {
                RelativeError(PoissonCumulative(c, lambda), lower),
                RelativeError(tails.dLower, lower),
                RelativeError(tails.dUpper, upper),
                RelativeError(PoissonProbability(c, lambda), boost::math::pdf(reference, k)),
            };
            for (double error : errors)
            {
                EXPECT_LT(error, 1e-12) << "c = " << c << ", lambda = " << lambda;
                worst = std::max(worst, error);
            }
        }
    }
    std::printf("Poisson: worst relative error %.3g\n", worst);
}

// Both tails near the mean of large counts, where the uniform expansion takes over from the
// continued fractions, and on either side of where it does: c, lambda, P(X <= c), P(X > c),
// summed term by term in mpmath at 40 digits by poisson_references.py.
struct PoissonReference
{
    std::int64_t c;
    double lambda;
    long double lower, upper;
};

TEST(PoissonTest, AgreesWithSumsNearTheMeanOfLargeCounts)
{
    const std::vector<PoissonReference> references = {
        {98, 0.5012690437079783, 1.0L, 1.322811468964415883239e-186L},
        {98, 28.643763602648562, 1.0L, 9.594763057295969997789e-25L},
        {98, 30.050888330595583, 1.0L, 2.762969264169445517987e-23L},
        {98, 70.85750544105943, 0.9990887955529073482674L, 0.0009112044470926517326L},
        {98, 94.77862581615891, 0.6542495312197632245997L, 0.3457504687802367754003L},
        {98, 99.0, 0.4866341976692095979638L, 0.5133658023307904020362L},
        {98, 103.22137418384109, 0.3257167902392860494103L, 0.6742832097607139505897L},
        {98, 127.14249455894057, 0.004264203092446283849582L, 0.9957357969075537161504L},
        {98, 167.94911166940443, 3.357173137248720273879e-9L, 0.9999999966428268627513L},
        {98, 169.35623639735144, 1.841798360991113520156e-9L, 0.9999999981582016390089L},
        {98, 197.49873095629204, 3.250509031427354411079e-15L, 0.999999999999996749491L},
        {99, 1.005050633883343, 1.0L, 6.556098378102380194706e-159L},
        {99, 29.289321881345245, 1.0L, 1.345172830440658864374e-24L},
        {99, 30.703535443718337, 1.0L, 3.724358777945046237387e-23L},
        {99, 71.7157287525381, 0.999083231629991646273L, 0.0009167683700083537269754L},
        {99, 95.75735931288071, 0.6543002177943016807247L, 0.3456997822056983192753L},
        {99, 100.0, 0.4867012017208513351427L, 0.5132987982791486648573L},
        {99, 104.24264068711929, 0.3257665381161935906489L, 0.6742334618838064093511L},
        {99, 128.2842712474619, 0.004253677003351446080214L, 0.9957463229966485539198L},
        {99, 169.29646455628165, 3.275155622858076731857e-9L, 0.9999999967248443771419L},
        {99, 170.71067811865476, 1.794635491038197714581e-9L, 0.9999999982053645089618L},
        {99, 198.99494936611666, 3.073928951033212652103e-15L, 0.999999999999996926071L},
        {150, 29.352969621120636, 1.0L, 1.058719301155556435871e-56L},
        {150, 64.10926401508617, 0.9999999999999999999799L, 2.010478796688715409444e-20L},
        {150, 65.84707873478443, 0.9999999999999999997953L, 2.046830107313642638205e-19L},
        {150, 116.24370560603447, 0.9988654600881140906811L, 0.001134539911885909318933L},
        {150, 145.78655584090518, 0.6561720175797299878702L, 0.3438279824202700121298L},
        {150, 151.0, 0.489177786954370618285L, 0.510822213045629381715L},
        {150, 156.21344415909482, 0.3276069332121087709086L, 0.6723930667878912290914L},
        {150, 185.75629439396553, 0.003869781580494749082583L, 0.9961302184195052509174L},
        {150, 236.15292126521558, 1.235701737396744409242e-9L, 0.9999999987642982626033L},
        {150, 237.89073598491382, 6.451156954853496354659e-10L, 0.9999999993548843045147L},
        {150, 272.6470303788794, 3.287767010361760142197e-16L, 0.9999999999999996712233L},
        {1000, 687.7939975032407, 1.0L, 3.070742435704882574667e-29L},
        {1000, 777.2814267880291, 0.9999999999999913101288L, 8.689871169725109047035e-15L},
        {1000, 781.7557982522685, 0.999999999999968405474L, 3.159452600511674475528e-14L},
        {1000, 911.5125707152116, 0.9981741754039423246837L, 0.001825824596057675316256L},
        {1000, 987.5768856072817, 0.6611587831427303885341L, 0.3388412168572696114659L},
        {1000, 1001.0, 0.4957968568894442476913L, 0.5042031431105557523087L},
        {1000, 1014.4231143927183, 0.332541335518908428273L, 0.667458664481091571727L},
        {1000, 1090.4874292847883, 0.002901226083689800670636L, 0.9970987739163101993294L},
        {1000, 1220.2442017477315, 4.284129566428309199796e-11L, 0.9999999999571587043357L},
        {1000, 1224.718573211971, 1.868067012656086197741e-11L, 0.9999999999813193298734L},
        {1000, 1314.2060024967593, 8.386270834998230144689e-20L, 0.9999999999999999999161L},
        {12345, 11246.041818976739, 1.0L, 9.246568172699848869291e-25L},
        {12345, 11560.315584983386, 0.999999999999747370008L, 2.526299920020269102706e-13L},
        {12345, 11576.029273283717, 0.9999999999992590248329L, 7.409751671452510366348e-13L},
        {12345, 12031.726233993355, 0.997812548310895492085L, 0.002187451689104507914952L},
        {12345, 12298.858935099002, 0.6634160830466311758267L, 0.3365839169533688241733L},
        {12345, 12346.0, 0.4988031881787875443428L, 0.5011968118212124556572L},
        {12345, 12393.141064900998, 0.3347900786888280955793L, 0.6652099213111719044207L},
        {12345, 12660.273766006645, 0.002494282212031909553362L, 0.9975057177879680904466L},
        {12345, 13115.970726716283, 5.468586823345885523911e-12L, 0.9999999999945314131767L},
        {12345, 13131.684415016614, 2.113334221508845926053e-12L, 0.9999999999978866657785L},
        {12345, 13445.958181023261, 3.200978461405121970648e-22L, 0.9999999999999999999997L},
        {100000, 96870.48917906359, 1.0L, 7.342798417017016602831e-24L},
        {100000, 97764.92084218828, 0.9999999999994735719013L, 5.26428098667496402936e-13L},
        {100000, 97809.64242534451, 0.9999999999985226782279L, 1.477321772105682176135e-12L},
        {100000, 99106.56833687531, 0.9977147991181743922984L, 0.002285200881825607701556L},
        {100000, 99866.8352505313, 0.6639981855046497984819L, 0.3360018144953502015181L},
        {100000, 100001.0, 0.4995794799922298392943L, 0.5004205200077701607057L},
        {100000, 100135.1647494687, 0.3353715192704259467982L, 0.6646284807295740532018L},
        {100000, 100895.43166312469, 0.002393027805031223782679L, 0.9976069721949687762173L},
        {100000, 102192.35757465549, 2.977567294361433442217e-12L, 0.9999999999970224327056L},
        {100000, 102237.07915781172, 1.108606770482592245075e-12L, 0.9999999999988913932295L},
        {100000, 103131.51082093641, 5.680109348514069020801e-23L, 0.9999999999999999999999L},
        {3000000, 2982854.56894278, 1.0L, 1.734337345823134016108e-23L},
        {3000000, 2987753.549244843, 0.9999999999992819313656L, 7.180686343600558660123e-13L},
        {3000000, 2987998.498259946, 0.9999999999980216160088L, 1.978383991185450867776e-12L},
        {3000000, 2995102.019697937, 0.9976709677437927270792L, 0.002329032256207272920782L},
        {3000000, 2999266.1529546906, 0.6642558400831041753962L, 0.3357441599168958246038L},
        {3000000, 3000001.0, 0.4999232235349936011524L, 0.5000767764650063988476L},
        {3000000, 3000735.8470453094, 0.3356290837315313240261L, 0.6643709162684686759739L},
        {3000000, 3004899.980302063, 0.002348719181878207397087L, 0.9976512808181217926029L},
        {3000000, 3012003.501740054, 2.248373589477369157637e-12L, 0.9999999999977516264105L},
        {3000000, 3012248.450755157, 8.226225522207825455206e-13L, 0.9999999999991773774478L},
        {3000000, 3017147.43105722, 2.519175270693494823742e-23L, 1.0L},
        {1000000000, 999686951.4829935, 1.0L, 2.070630709035100499352e-23L},
        {1000000000, 999776394.2021382, 0.9999999999992341269534L, 7.658730466064389697301e-13L},
        {1000000000, 999780866.3380954, 0.9999999999978979103003L, 2.102089699691196431509e-12L},
        {1000000000, 999910558.2808553, 0.997661671633935129376L, 0.002338328366064870623967L},
        {1000000000, 999986584.5921283, 0.6643102282334459890209L, 0.3356897717665540109791L},
        {1000000000, 1000000001.0, 0.499995794779132045648L, 0.500004205220867954352L},
        {1000000000, 1000013417.4078717, 0.3356834687832668333599L, 0.6643165312167331666401L},
        {1000000000, 1000089443.7191447, 0.002339406664358605481002L, 0.997660593335641394519L},
        {1000000000, 1000219135.6619046, 2.11687028292351734551e-12L, 0.9999999999978831297171L},
        {1000000000, 1000223607.7978618, 7.715964398125266705583e-13L, 0.9999999999992284035602L},
        {1000000000, 1000313050.5170065, 2.113403488769788216708e-23L, 1.0L},
        // Far out, where the expansion reaches for large counts: mpmath's regularised
        // incomplete gamma at 40 digits.
        {30000, 25364.896938710335, 1.0L, 2.8511493944259918214e-176L},
        {30000, 35170.278442231735, 2.5567259919021758185e-176L, 1.0L},
        {1000000, 971982.750363498, 1.0L, 2.7235818578601090636e-176L},
    };
    double worst = 0.0;
    for (const PoissonReference& r : references)
    {
        const TailProbabilities tails = PoissonTails(r.c, r.lambda);
        const double errors[] = {
            RelativeError(PoissonCumulative(r.c, r.lambda), r.lower),
            RelativeError(tails.dLower, r.lower),
            RelativeError(tails.dUpper, r.upper),
        };
        for (double error : errors)
        {
            EXPECT_LT(error, 1e-13) << "c = " << r.c << ", lambda = " << r.lambda;
            worst = std::max(worst, error);
        }
    }
    std::printf("Poisson near the mean: worst relative error %.3g\n", worst);
}

TEST(HypergeometricTest, SpecialCasesAndExactValues)
{
    EXPECT_EQ(HypergeometricCumulative(5, 5, 10, 100), 1.0);
    EXPECT_EQ(HypergeometricCumulative(10, 50, 10, 100), 1.0);
    EXPECT_EQ(HypergeometricCumulative(300, 1000, 300, 5000), 1.0);
    EXPECT_EQ(HypergeometricCumulative(-1, 50, 10, 100), 0.0);
    // Fewer than n - x good units in the lot.
    EXPECT_EQ(HypergeometricProbability(2, 95, 10, 100), 0.0);
    EXPECT_EQ(HypergeometricCumulative(4, 95, 10, 100), 0.0);
    EXPECT_GT(HypergeometricProbability(5, 95, 10, 100), 0.0);
    EXPECT_EQ(HypergeometricProbability(11, 50, 10, 100), 0.0);
    EXPECT_EQ(HypergeometricProbability(-1, 50, 10, 100), 0.0);
    EXPECT_EQ(HypergeometricProbability(10, 10, 10, 10), 1.0);
    EXPECT_EQ(HypergeometricProbability(0, 0, 10, 10), 1.0);
    EXPECT_TRUE(std::isnan(HypergeometricCumulative(1, 50, 10, 40)));

    // Sums in mpmath at 45 digits.
    const std::vector<TailReference> references = {
        {0, 40, 3, 100, 0.2116264687693259121831L, 0.7883735312306740878169L},
        {2, 40, 3, 100, 0.9388991960420531849103L, 0.06110080395794681508967L},
        {30, 1000, 100, 2000, 0.0000256977013210278055421L, 0.9999743022986789721945L},
        {1000, 100000, 30000000, 2000000000, 9.248973317656062100028e-44L, 1.0L},
        {1450, 100000, 30000000, 2000000000, 0.09841180789777084521704L, 0.901588192102229154783L},
        {1600, 100000, 30000000, 2000000000, 0.9952127930876736532631L,
         0.004787206912326346736926L},
        {4, 2147483647, 5, 2147483648, 2.328306436538696289062e-9L, 0.9999999976716935634613L},
        // Means far below 1, where the tail below the mean is the larger one: P(X > 0) is n / N
        // for D = 1 (exact integer sums, in mpmath at 40 digits).
        {0, 1, 1, 2001635904, 0.9999999995004086417507L, 4.995913582493372381074e-10L},
        {0, 8, 14, 20896397, 0.9999946402360114771969L, 5.359763988522803148046e-6L},
        {0, 81, 11, 1417561537, 0.9999993714560353633628L, 6.285439646366371877898e-7L},
    };
    for (const TailReference& r : references)
    {
        const TailProbabilities tails = HypergeometricTails(r.c, r.n, r.D, r.N);
        EXPECT_LT(RelativeError(tails.dLower, r.lower), 1e-13) << r.c << " " << r.n;
        EXPECT_LT(RelativeError(tails.dUpper, r.upper), 1e-13) << r.c << " " << r.n;
        EXPECT_LT(RelativeError(HypergeometricCumulative(r.c, r.n, r.D, r.N), r.lower), 1e-13);
    }
}

TEST(HypergeometricTest, AgreesWithBoostOverAWideGrid)
{
    double worst = 0.0;
    for (std::int64_t N : {10, 137, 9999, 10000, 10001, 60000})
        for (double sampleShare : {0.01, 0.2, 0.5, 0.97})
            for (double defectShare : {0.0, 0.003, 0.05, 0.5, 0.9, 1.0})
            {
                const std::int64_t n = std::max<std::int64_t>(1, std::llround(sampleShare * N));
                const std::int64_t D = std::llround(defectShare * N);
                const boost::math::hypergeometric_distribution<long double> reference(
                    static_cast<unsigned>(D), static_cast<unsigned>(n), static_cast<unsigned>(N));
                const double mean = static_cast<double>(n) * D / N;
                const double sd = std::sqrt(mean) + 1.0;
                for (std::int64_t c : AcceptNumbers(n, mean, sd))
                {
                    if (c < n + D - N || c > D)
                        continue;
                    const unsigned k = static_cast<unsigned>(c);
                    const long double lower = boost::math::cdf(reference, k);
                    const long double upper =
                        boost::math::cdf(boost::math::complement(reference, k));
                    const TailProbabilities tails = HypergeometricTails(c, n, D, N);
                    const double errors[] = {
                        RelativeError(HypergeometricCumulative(c, n, D, N), lower),
                        RelativeError(tails.dLower, lower),
                        RelativeError(tails.dUpper, upper),
                        RelativeError(HypergeometricProbability(c, n, D, N),
                                      boost::math::pdf(reference, k)),
                    };
                    for (double error : errors)
                    {
                        EXPECT_LT(error, 1e-12)
                            << "c = " << c << ", n = " << n << ", D = " << D << ", N = " << N;
                        worst = std::max(worst, error);
                    }
                }
            }
    std::printf("hypergeometric: worst relative error %.3g\n", worst);
}

} // namespace
} // namespace Brosquin
