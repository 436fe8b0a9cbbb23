#pragma once

// Chain sampling plans for defective units (n, a1, r1, i, a2): one sample of n units a lot;
// accept at most a1 defectives, reject r1 or more, and in between accept when the defectives of
// this sample and of the samples of the i - 1 lots before it total at most a2. Pa depends on
// those lots, so besides Pa with neighbours of the same fraction defective p there are curves
// between Pa and its bounds B(r1 - 1; n, p) and B(a1; n, p).

namespace Brosquin
{

// Pa with the i - 1 neighbouring samples at fraction defective p.
double DefectivesChainProbabilityAcceptance(double p, int n, int a1, int r1, int i, int a2);
// One neighbouring sample at p and the other i - 2 free of defectives.
double DefectivesChainUpperEnvelope(double p, int n, int a1, int r1, int i, int a2);
// One neighbouring sample at p and the other i - 2 wholly defective.
double DefectivesChainLowerEnvelope(double p, int n, int a1, int r1, int i, int a2);

} // namespace Brosquin
