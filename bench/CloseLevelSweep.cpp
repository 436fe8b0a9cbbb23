// The double designs of close levels, LTPD / AQL from 1.1 to 1.5, timed one by one: defective
// units, defects per unit and defects per quantity, from two and three levels, with the least
// ASN and the least cost C0 ASN + C1 E{#Stages} (C0 1, C1 100) at the AQL, halfway and at the
// LTPD. Pa 0.95 at the AQL and 0.10 at the LTPD; a maximum AQL a quarter of the way to the LTPD.
// Prints each design, its plan and its time, then the slowest; run by hand:
//     build/bench/close_level_sweep [characteristic 0-2]
#include "stats/DefectivesDouble.h"
#include "stats/DefectsPerQuantityDouble.h"
#include "stats/DefectsPerUnitDouble.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace
{

using namespace Brosquin;

struct Design
{
    int characteristic; // 0 defective units, 1 defects per unit, 2 defects per quantity
    double aql;
    double maximumAql; // 0 for two levels
    double ltpd;
    double p0;
    double c1;
};

// The plan's numbers as text, and whether the search ran to its end.
std::string Designed(const Design& d, bool& complete)
{
    int a1 = 0, r1 = 0, a2 = 0;
    char text[160];
    if (d.characteristic == 2)
    {
        double s1 = 0.0, s2 = 0.0;
        complete = d.maximumAql > 0.0
                       ? DefectsPerQuantityDoubleDesignThreeLevels(d.aql, d.maximumAql, d.ltpd,
                                                                   0.95, 0.10, d.p0, 1.0, d.c1,
                                                                   s1, a1, r1, s2, a2, 0)
                       : DefectsPerQuantityDoubleDesignTwoLevels(d.aql, d.ltpd, 0.95, 0.10, d.p0,
                                                                 1.0, d.c1, s1, a1, r1, s2, a2, 0);
        std::snprintf(text, sizeof text, "%.15g %d %d %.15g %d", s1, a1, r1, s2, a2);
        return text;
    }
    int n1 = 0, n2 = 0;
    const bool defectives = d.characteristic == 0;
    if (d.maximumAql > 0.0)
        complete = defectives ? DefectivesDoubleDesignThreeLevels(d.aql, d.maximumAql, d.ltpd,
                                                                  0.95, 0.10, d.p0, 1.0, d.c1, n1,
                                                                  a1, r1, n2, a2, 0)
                              : DefectsPerUnitDoubleDesignThreeLevels(d.aql, d.maximumAql, d.ltpd,
                                                                      0.95, 0.10, d.p0, 1.0, d.c1,
                                                                      n1, a1, r1, n2, a2, 0);
    else
        complete = defectives ? DefectivesDoubleDesignTwoLevels(d.aql, d.ltpd, 0.95, 0.10, d.p0,
                                                                1.0, d.c1, n1, a1, r1, n2, a2, 0)
                              : DefectsPerUnitDoubleDesignTwoLevels(d.aql, d.ltpd, 0.95, 0.10,
                                                                    d.p0, 1.0, d.c1, n1, a1, r1,
                                                                    n2, a2, 0);
    std::snprintf(text, sizeof text, "%d %d %d %d %d", n1, a1, r1, n2, a2);
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const int only = argc > 1 ? std::atoi(argv[1]) : -1;
    double slowest = 0.0;
    std::string slowestDesign;
    for (int characteristic = 0; characteristic < 3; ++characteristic)
    {
        if (only >= 0 && characteristic != only)
            continue;
        const std::vector<double> aqls =
            characteristic == 2 ? std::vector<double>{1.0} : std::vector<double>{0.02, 0.05};
        for (const double aql : aqls)
            for (const double ratio : {1.1, 1.2, 1.3, 1.4, 1.5})
                for (const bool three : {false, true})
                    for (const double c1 : {0.0, 100.0})
                        for (const double share : {0.0, 0.5, 1.0})
                        {
                            const double ltpd = aql * ratio;
                            const Design d = {characteristic, aql,
                                              three ? aql + (ltpd - aql) / 4 : 0.0, ltpd,
                                              aql + share * (ltpd - aql), c1};
                            bool complete = false;
                            const auto start = std::chrono::steady_clock::now();
                            const std::string plan = Designed(d, complete);
                            const double seconds = std::chrono::duration<double>(
                                                       std::chrono::steady_clock::now() - start)
                                                       .count();
                            char line[256];
                            std::snprintf(line, sizeof line,
                                          "%d %.15g %.15g %.15g %.15g %g | %s | %.3f s%s",
                                          characteristic, d.aql, d.maximumAql, d.ltpd, d.p0, c1,
                                          plan.c_str(), seconds, complete ? "" : " cut short");
                            std::printf("%s\n", line);
                            std::fflush(stdout);
                            if (seconds > slowest)
                            {
                                slowest = seconds;
                                slowestDesign = line;
                            }
                        }
    }
    std::printf("slowest: %s\n", slowestDesign.c_str());
}
