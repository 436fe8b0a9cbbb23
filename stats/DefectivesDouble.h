#pragma once

#include "stats/DoubleDesignSearch.h"

#include <cstdint>

// Double sampling plans for defective units (n1, a1, r1, n2, a2): inspect n1 units; with d1
// defectives accept when d1 <= a1, reject when d1 >= r1, otherwise inspect n2 more units and
// accept when the total is at most a2. p is a fraction defective; for a lot of N units, D is the
// number of defective units in it.
//
// Method of curtailing: 0 "No Curtailing", 1 "Full Curtailing", 2 "Curtail on Acceptance Only",
// 3 "Curtail on Rejection Only", 4 "Curtail on Second Stage Only", 5 "Curtail on Second Stage
// Acceptance Only", 6 "Curtail on Second Stage Rejection Only"; any other code curtails fully.

namespace Brosquin
{

double DefectivesDoubleProbabilityAcceptance(double p, int n1, int a1, int r1, int n2, int a2);
// Kept within [0, 1].
double DefectivesDoubleProbabilityAcceptanceFiniteLot(std::int64_t D, int n1, int a1, int r1,
                                                      int n2, int a2, int N);
double DefectivesDoubleAverageSampleNumber(double p, int n1, int a1, int r1, int n2, int a2,
                                           std::uint8_t method);
double DefectivesDoubleAverageSampleNumberFiniteLot(std::int64_t D, int n1, int a1, int r1, int n2,
                                                    int a2, int N, std::uint8_t method);
// 1 + P(a second sample is taken); the same for every method of curtailing.
double DefectivesDoubleExpectedStages(double p, int n1, int a1, int r1, int n2, int a2);
double DefectivesDoubleExpectedStagesFiniteLot(std::int64_t D, int n1, int a1, int r1, int n2,
                                               int a2, int N);

// The double plan of least cost C0 ASN(p0) + C1 E{#Stages}(p0) (ASN under the given method of
// curtailing) with Pa(AQL) >= PaAQL and Pa(LTPD) <= PaLTPD, among those with a first sample
// smaller than the single plan designed from the same levels and a cost below that plan's. When
// there is none, n1 and a1 hold the single plan (zeros when there is none either) and r1, n2
// and a2 are 0. The search is told its progress now and then; returns false when that stopped
// it (see DoubleDesignSearch), the plan written being the best found by then.
bool DefectivesDoubleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                     double p0, double C0, double C1, int& n1, int& a1, int& r1,
                                     int& n2, int& a2, std::uint8_t method,
                                     const DesignProgress& progress = {});
// As above with the further requirement Pa(maximum AQL) < PaAQL.
bool DefectivesDoubleDesignThreeLevels(double AQL, double maximumAQL, double LTPD, double PaAQL,
                                       double PaLTPD, double p0, double C0, double C1, int& n1,
                                       int& a1, int& r1, int& n2, int& a2, std::uint8_t method,
                                       const DesignProgress& progress = {});

// What the shared double design search needs of this characteristic.
const DoublePlanModel& BinomialDoublePlanModel();

} // namespace Brosquin
