#pragma once

// Single variables plans for defective units with the process standard deviation sigma known.
// One limit, plan (n, k): the lot is accepted when the sample mean lies at least k sigma inside
// the limit. Two limits 6 Cp sigma apart: when it lies at least k sigma inside both. p is the
// fraction defective; -1 stands for a level or probability that cannot occur.

namespace Brosquin
{

// Pa = Q((z_p + k) sqrt n), Q the normal upper tail; -1 for p outside [0, 1].
double VariablesKnownSdOneSpecProbabilityAcceptance(double p, int n, double k);
// The p with that Pa, 0 < Pa < 1.
double VariablesKnownSdOneSpecQualityLevel(double Pa, int n, double k);
// The plan meeting Pa(aql) >= paAtAql and Pa(ltpd) <= paAtLtpd (smallest n 1).
void VariablesKnownSdOneSpecDesign(double aql, double ltpd, double paAtAql, double paAtLtpd, int& n,
                                   double& k);

// Pa of a process at fraction p whose mean lies off centre; -1 for p outside (0, 1] or below
// 2 Phi(-3 Cp), the fraction of a centred process.
double VariablesKnownSdTwoSpecsProbabilityAcceptance(double p, int n, double k, double Cp);
// Pa of the centred process, 2 Phi(sqrt n (3 Cp - k)) - 1, or 0 when the acceptance limits cross.
double VariablesKnownSdTwoSpecsCentredProbabilityAcceptance(int n, double k, double Cp);
// The p at which a process off centre has that Pa; -1 for Pa outside (0, 1) or above the
// centred process's.
double VariablesKnownSdTwoSpecsQualityLevel(double Pa, int n, double k, double Cp);
// n and 1, or -1 where Pa is -1 (but p = 1 is valid).
double VariablesKnownSdTwoSpecsAverageSampleNumber(double p, int n, double k, double Cp);
double VariablesKnownSdTwoSpecsExpectedStages(double p, int n, double k, double Cp);
// As the one-limit design; n = 0 also when aql is below 2 Phi(-3 Cp).
void VariablesKnownSdTwoSpecsDesign(double aql, double ltpd, double paAtAql, double paAtLtpd,
                                    double Cp, int& n, double& k);

} // namespace Brosquin
