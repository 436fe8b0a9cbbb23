#include "stats/DefectsPerQuantityDouble.h"

#include "stats/DefectsPerQuantitySingle.h"
#include "stats/DefectsPerUnitDouble.h"
#include "stats/StagedInspection.h"

namespace Brosquin
{

namespace
{

using Stages = TwoStages<double>;
constexpr StageCurtailing none = {};

// The defects-per-unit design on the cells of the requirement: levels and p0 per cell, and C0 per
// cell, since a cell is an amount of material. Its plan is the design where it costs less than
// the single plan, whose amount no cells confine.
bool DesignOnCells(double AQL, std::optional<double> maximumAQL, double LTPD, double PaAQL,
                   double PaLTPD, double p0, double C0, double C1, double& s1, int& a1, int& r1,
                   double& s2, int& a2, std::uint8_t method, const DesignProgress& progress)
{
    s1 = s2 = 0.0;
    a1 = r1 = a2 = 0;
    const std::optional<QuantityPlan> single =
        QuantitySinglePlan(AQL, maximumAQL, LTPD, PaAQL, PaLTPD);
    if (!single)
        return true;
    const QuantityCells cells = CellsOfPlan(*single, LTPD);
    int n1 = 0;
    int n2 = 0;
    const double cellCost = C0 * cells.Amount(1);
    const bool complete =
        maximumAQL ? DefectsPerUnitDoubleDesignThreeLevels(
                         cells.PerCell(AQL), cells.PerCell(*maximumAQL), cells.PerCell(LTPD), PaAQL,
                         PaLTPD, cells.PerCell(p0), cellCost, C1, n1, a1, r1, n2, a2, method,
                         progress)
                   : DefectsPerUnitDoubleDesignTwoLevels(cells.PerCell(AQL), cells.PerCell(LTPD),
                                                         PaAQL, PaLTPD, cells.PerCell(p0), cellCost,
                                                         C1, n1, a1, r1, n2, a2, method, progress);
    if (n2 > 0)
    {
        s1 = cells.Amount(n1);
        s2 = cells.Amount(n2);
        const double cost =
            C0 * DefectsPerQuantityDoubleAverageSampleNumber(p0, s1, a1, r1, s2, a2, method) +
            C1 * DefectsPerQuantityDoubleExpectedStages(p0, s1, a1, r1, s2, a2);
        if (cost < C0 * DefectsPerQuantitySingleAverageSampleNumber(p0, single->dAmount, single->c,
                                                                    method) +
                       C1)
            return complete;
    }
    s1 = single->dAmount;
    a1 = single->c;
    r1 = a2 = 0;
    s2 = 0.0;
    return complete;
}

} // namespace

double DefectsPerQuantityDoubleProbabilityAcceptance(double lambda, double s1, int a1, int r1,
                                                     double s2, int a2)
{
    return EvaluateStages(DefectsAnyLot{lambda}, Stages(s1, a1, r1, s2, a2).Plan(),
                          StagedMeasure::probabilityAcceptance, none);
}

double DefectsPerQuantityDoubleProbabilityAcceptanceFiniteLot(std::int64_t T, double s1, int a1,
                                                              int r1, double s2, int a2, double L)
{
    return ProbabilityInUnitRange(EvaluateStages(DefectsGivenLot{T, L},
                                                 Stages(s1, a1, r1, s2, a2).Plan(),
                                                 StagedMeasure::probabilityAcceptance, none));
}

double DefectsPerQuantityDoubleAverageSampleNumber(double lambda, double s1, int a1, int r1,
                                                   double s2, int a2, std::uint8_t method)
{
    return EvaluateStages(DefectsAnyLot{lambda}, Stages(s1, a1, r1, s2, a2).Plan(),
                          StagedMeasure::averageSampleNumber, DefectsDoubleStageCurtailing(method));
}

double DefectsPerQuantityDoubleAverageSampleNumberFiniteLot(std::int64_t T, double s1, int a1,
                                                            int r1, double s2, int a2, double L,
                                                            std::uint8_t method)
{
    return EvaluateStages(DefectsGivenLot{T, L}, Stages(s1, a1, r1, s2, a2).Plan(),
                          StagedMeasure::averageSampleNumber, DefectsDoubleStageCurtailing(method));
}

double DefectsPerQuantityDoubleExpectedStages(double lambda, double s1, int a1, int r1, double s2,
                                              int a2)
{
    return EvaluateStages(DefectsAnyLot{lambda}, Stages(s1, a1, r1, s2, a2).Plan(),
                          StagedMeasure::expectedStages, none);
}

double DefectsPerQuantityDoubleExpectedStagesFiniteLot(std::int64_t T, double s1, int a1, int r1,
                                                       double s2, int a2, double L)
{
    return EvaluateStages(DefectsGivenLot{T, L}, Stages(s1, a1, r1, s2, a2).Plan(),
                          StagedMeasure::expectedStages, none);
}

bool DefectsPerQuantityDoubleDesignTwoLevels(double AQL, double LTPD, double PaAQL, double PaLTPD,
                                             double p0, double C0, double C1, double& s1, int& a1,
                                             int& r1, double& s2, int& a2, std::uint8_t method,
                                             const DesignProgress& progress)
{
    return DesignOnCells(AQL, std::nullopt, LTPD, PaAQL, PaLTPD, p0, C0, C1, s1, a1, r1, s2, a2,
                         method, progress);
}

bool DefectsPerQuantityDoubleDesignThreeLevels(double AQL, double maximumAQL, double LTPD,
                                               double PaAQL, double PaLTPD, double p0, double C0,
                                               double C1, double& s1, int& a1, int& r1, double& s2,
                                               int& a2, std::uint8_t method,
                                               const DesignProgress& progress)
{
    return DesignOnCells(AQL, maximumAQL, LTPD, PaAQL, PaLTPD, p0, C0, C1, s1, a1, r1, s2, a2,
                         method, progress);
}

} // namespace Brosquin
