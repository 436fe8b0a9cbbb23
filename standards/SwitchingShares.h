#pragma once

namespace Brosquin
{

// The long-run shares of lots inspected under each regime; they add up to 1.
struct SwitchingShares
{
    double reduced;
    double normal;
    double tightened;
};

// The shares when the switching rules run over a long series of lots: start on normal; from
// normal to tightened when 2 of 5 consecutive lots are not accepted; back to normal after 5
// consecutive accepted lots; from normal to reduced after K consecutive accepted lots, with
// probability G (the limit-number condition; when it fails the count goes on from 7 lots); back
// to normal from reduced unless a lot keeps inspection there.
// A: probability that a lot under reduced inspection keeps it on reduced; P and T: probabilities
// of acceptance under normal and tightened inspection; K > 7 (a whole number of lots); G: 1 when
// no limit number applies, 0 when there is no reduced inspection. Probabilities lie in [0, 1].
SwitchingShares Z14SwitchingShares(double A, double P, double T, double K, double G);

// The shares under the same rules where the switch from normal to reduced asks for K consecutive
// lots accepted without a nonconforming unit, exactly. P0: probability that a lot under normal
// inspection is accepted without one, P0 <= P; a lot accepted with one starts the run again but
// counts as accepted for the 2 of 5 rule. A, P, T as above; K >= 5, a whole number of lots.
SwitchingShares Z14CleanRunSwitchingShares(double A, double P0, double P, double T, double K);

} // namespace Brosquin
