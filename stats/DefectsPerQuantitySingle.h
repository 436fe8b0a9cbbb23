#pragma once

#include <cstdint>
#include <optional>

// Single plans for defects per quantity (s, c): inspect an amount s of material (a length, an
// area, a volume), count its defects, accept when there are at most c. lambda is the mean
// number of defects per quantity unit; for a lot of amount L, T is its total number of
// defects, each lying in the sample with probability s / L.
//
// Method of curtailing: 0 "No Curtailing", 1 "Curtail on Rejection" (stop at the (c + 1)-th
// defect); any other index is treated as 0.

namespace Brosquin
{

// The single plan designed from a requirement: the smallest accept number c whose plan meets
// Pa(AQL) >= PaAQL and Pa(LTPD) <= PaLTPD (and Pa(maximum AQL) <= PaAQL), with the smallest
// amount for c. Amounts are not confined to a grid: the smallest amount for c is where Pa at
// the LTPD (or at the maximum AQL) falls to its target, rounded up to the 15 significant digits
// of plan texts. Pa depends on the amount and the level only through their product, so the same
// requirement in another unit of quantity gives the same plan.
struct QuantityPlan
{
    double dAmount;
    int c;
    double dDefects; // the mean number of defects in the sample at the LTPD
};
// None where the requirement has no plan (see DefectsPerUnitSingleDesignTwoLevels).
std::optional<QuantityPlan> QuantitySinglePlan(double AQL, std::optional<double> maximumAQL,
                                               double LTPD, double PaAQL, double PaLTPD);

// The double designs run those of defects per unit on cells of material, each holding on average
// a power of ten of defects at the LTPD: between a thousandth and a ten-thousandth of those in
// the single plan's sample. So the same requirement in another unit gives the same cells.
struct QuantityCells
{
    double dLtpd;
    double dDefects; // mean number of defects in a cell at the LTPD
    // The mean number of defects in a cell at a level in defects per quantity unit.
    double PerCell(double level) const { return level / dLtpd * dDefects; }
    // The amount of a number of cells, rounded to the 15 significant digits of plan texts.
    double Amount(std::int64_t cells) const;
};
QuantityCells CellsOfPlan(const QuantityPlan& single, double LTPD);

// Pa = P(at most c defects), Poisson with mean s lambda.
double DefectsPerQuantitySingleProbabilityAcceptance(double lambda, double s, int c);
// Pa for a lot of amount L holding T defects: binomial with T trials of probability s / L.
double DefectsPerQuantitySingleProbabilityAcceptanceFiniteLot(std::int64_t T, double s, int c,
                                                              double L);

// Average amount inspected, lots of any size.
double DefectsPerQuantitySingleAverageSampleNumber(double lambda, double s, int c,
                                                   std::uint8_t method);
// Average amount inspected for a lot of amount L holding T defects.
double DefectsPerQuantitySingleAverageSampleNumberFiniteLot(std::int64_t T, double s, int c,
                                                            double L, std::uint8_t method);

// QuantitySinglePlan's plan; s = c = 0 when there is none.
void DefectsPerQuantitySingleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                             double& s, int& c);
void DefectsPerQuantitySingleDesignThreeLevels(double AQL, double maximumAQL, double LTPD,
                                               double PaAQL, double PaLTPD, double& s, int& c);

} // namespace Brosquin
