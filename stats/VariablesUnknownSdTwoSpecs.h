#pragma once

// Single variables plans for defective units with two limits L < U and the process standard
// deviation unknown, estimated by the sample's s. Form 1 (n, k): the lot is accepted when both
// quality indices (mean - L) / s and (U - mean) / s are at least k and s does not exceed the
// plan's maximum standard deviation (MSD). Form 2 (n, M): when the estimated percent defective
// beyond the two limits together is at most M; beyond one limit with quality index Q the
// estimate is 100 I(x; n/2 - 1, n/2 - 1), x = 1/2 - Q sqrt n / (2 (n - 1)) (0 for x <= 0).
//
// Pa at a fraction defective p depends on how p splits between the limits; it lies between that
// of the centred process (p/2 beyond each limit) and that of the one-sided process (all of p
// beyond one limit). The plan's Pa is the point of that band nearest 0.5: the smaller bound when
// both exceed 0.5, the larger when both are below, else exactly 0.5.
//
// n >= 2 (Form 2: a whole n >= 3) need not be whole in Form 1; M in (0, 100). Every function
// gives 1 at p = 0, 0 at p = 1 and -1 for p outside [0, 1] or an n or M out of range; the
// centred bounds are good to about 1e-12 relative. Form 2 keeps the constants of the last few
// (n, M) it met, so it must not run on two threads at once.

namespace Brosquin
{

double VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm1(double p, double n, double k);
double VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm1(double p, double n, double k);
double VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm1(double p, double n, double k);
double VariablesUnknownSdTwoSpecsMaximumProbabilityAcceptanceForm1(double p, double n, double k);
double VariablesUnknownSdTwoSpecsMinimumProbabilityAcceptanceForm1(double p, double n, double k);

double VariablesUnknownSdTwoSpecsCentredProbabilityAcceptanceForm2(double p, double n, double M);
double VariablesUnknownSdTwoSpecsOneSidedProbabilityAcceptanceForm2(double p, double n, double M);
double VariablesUnknownSdTwoSpecsProbabilityAcceptanceForm2(double p, double n, double M);
double VariablesUnknownSdTwoSpecsMaximumProbabilityAcceptanceForm2(double p, double n, double M);
double VariablesUnknownSdTwoSpecsMinimumProbabilityAcceptanceForm2(double p, double n, double M);

// The Form 1 plan meeting Pa(aql) >= paAtAql and Pa(ltpd) <= paAtLtpd under the band Pa above
// (smallest n 2).
void VariablesUnknownSdTwoSpecsDesign(double aql, double ltpd, double paAtAql, double paAtLtpd,
                                      int& n, double& k);

// The two forms' constants, for n > 2: the M (percent) whose one-limit estimate a quality index
// k just meets; the k that just meets M; and the MSD, in percent of U - L, of a Form 1 plan
// whose k is equivalent to M, the largest s at which a centred sample meets M.
double VariablesUnknownSdEquivalentPercent(double n, double k);
double VariablesUnknownSdEquivalentConstant(double n, double M);
double VariablesUnknownSdMaximumStandardDeviation(double n, double M);

} // namespace Brosquin
