#include "standards/SwitchingShares.h"

#include <gtest/gtest.h>

#include <cmath>

namespace Brosquin
{
namespace
{

void ExpectShares(const SwitchingShares& shares, double reduced, double normal, double tightened)
{
    EXPECT_NEAR(shares.reduced, reduced, 1e-12 * reduced);
    EXPECT_NEAR(shares.normal, normal, 1e-12 * normal);
    EXPECT_NEAR(shares.tightened, tightened, 1e-12 * tightened);
}

TEST(SwitchingSharesTest, AgreeWithTheSwitchingChain)
{
    // From shares of switching_chain.py beside this test: the rules run lot by lot as a Markov
    // chain and solved with mpmath at 40 digits.
    ExpectShares(Z14SwitchingShares(0.95, 0.9, 0.8, 10, 1), 0.45888917583711518,
                 0.42859606367077966, 0.11251476049210516);
    ExpectShares(Z14SwitchingShares(0.95, 0.9, 0.8, 10, 0), 0, 0.7920670674696464,
                 0.2079329325303536);
    ExpectShares(Z14SwitchingShares(0.95, 0.9, 0.8, 16, 0.5), 0.17058328367793546,
                 0.65695366620752127, 0.17246305011454328);
    ExpectShares(Z14SwitchingShares(0.999, 1 - std::ldexp(1.0, -30), 0.95, 13, 0.25),
                 0.96993210450734284, 0.030067895492657162, 6.0996434418998613e-19);
}

TEST(SwitchingSharesTest, CleanRunsAgainstTheirChain)
{
    // From clean_run_shares of switching_chain.py, solved with mpmath at 40 digits.
    ExpectShares(Z14CleanRunSwitchingShares(0.95, 0.8, 0.9, 0.8, 10), 0.27594564483108606,
                 0.57349960978726747, 0.15055474538164646);
    ExpectShares(Z14CleanRunSwitchingShares(0.7, 0.3, 0.6, 0.5, 16), 8.0092431475968837e-10,
                 0.079739703350821913, 0.92026029584825377);
    ExpectShares(Z14CleanRunSwitchingShares(0.999, 1 - std::ldexp(1.0, -20),
                                            1 - std::ldexp(1.0, -30), 0.95, 13),
                 0.98716674662285726, 0.012833253377142743, 2.6033837259825585e-19);
    // Where every accepted lot is clean, and where none is, the closed form holds exactly.
    ExpectShares(Z14CleanRunSwitchingShares(0.95, 0.9, 0.9, 0.8, 10), 0.45888917583711518,
                 0.42859606367077966, 0.11251476049210516);
    ExpectShares(Z14CleanRunSwitchingShares(0.95, 0, 0.9, 0.8, 10), 0, 0.7920670674696464,
                 0.2079329325303536);
    // Regimes that are never left once reached; every lot accepted, none clean, stays on normal.
    ExpectShares(Z14CleanRunSwitchingShares(0.9, 1, 1, 1, 10), 1, 0, 0);
    ExpectShares(Z14CleanRunSwitchingShares(1, 0.5, 0.6, 0.5, 10), 1, 0, 0);
    ExpectShares(Z14CleanRunSwitchingShares(1, 0, 0, 0.5, 10), 0, 1.0 / 32, 31.0 / 32);
    ExpectShares(Z14CleanRunSwitchingShares(0.9, 0.5, 0.6, 1e-21, 10), 0, 0, 1);
    ExpectShares(Z14CleanRunSwitchingShares(0.9, 0, 1, 0.5, 10), 0, 1, 0);
}

TEST(SwitchingSharesTest, RegimesThatAreNeverLeft)
{
    for (double G : {1.0, 0.3})
    {
        ExpectShares(Z14SwitchingShares(0.9, 1, 0.9, 10, G), 1, 0, 0);
        ExpectShares(Z14SwitchingShares(0.9, 0.9, 1, 10, G), 1, 0, 0);
        ExpectShares(Z14SwitchingShares(1, 0.9, 0.9, 10, G), 1, 0, 0);
    }
    ExpectShares(Z14SwitchingShares(1, 1, 1, 10, 0), 0, 1, 0);
    // Tightened inspection that lets no lot pass.
    ExpectShares(Z14SwitchingShares(0.9, 0.5, 1e-21, 10, 1), 0, 0, 1);
    // No lot accepted on normal: 2 lots there, then on average (1 - T^5) / ((1 - T) T^5) = 62
    // on tightened.
    ExpectShares(Z14SwitchingShares(0, 0, 0.5, 10, 1), 0, 1.0 / 32, 31.0 / 32);
}

} // namespace
} // namespace Brosquin
