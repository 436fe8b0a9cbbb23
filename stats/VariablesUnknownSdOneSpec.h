#pragma once

// Single variables plans (n, k) for defective units with one limit and the process standard
// deviation unknown: the lot is accepted when the quality index (U - mean) / s, or
// (mean - L) / s, is at least k. p is the fraction defective; -1 stands for a level that cannot
// occur.

namespace Brosquin
{

// Pa = P(T > k sqrt n) for T noncentral t with n - 1 degrees of freedom and noncentrality
// -z_p sqrt n, n >= 2; -1 for p outside [0, 1].
double VariablesUnknownSdOneSpecProbabilityAcceptance(double p, int n, double k);
// The same for a sample size n >= 2 that need not be whole.
double VariablesUnknownSdOneSidedProbabilityAcceptance(double p, double n, double k);
// The plan meeting Pa(aql) >= paAtAql and Pa(ltpd) <= paAtLtpd (smallest n 2).
void VariablesUnknownSdOneSpecDesign(double aql, double ltpd, double paAtAql, double paAtLtpd,
                                     int& n, double& k);

} // namespace Brosquin
