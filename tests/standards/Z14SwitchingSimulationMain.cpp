// z14_switching_simulation: the Z1.4 switching rules with limit numbers run lot by lot, for the
// reference values of the switching tests.
//
//   z14_switching_simulation defectives|defects AQL-position letter single|double|multiple
//                            level lots seed
//
// level: the fraction defective, or the mean number of defects per unit (above 0). For example
//   z14_switching_simulation defectives 2 Q double 0.00025 20000000 1

#include "plans/SamplingPlan.h"
#include "standards/Z14Tables.h"
#include "tests/standards/Z14SwitchingSimulation.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace
{

int Usage()
{
    std::fprintf(stderr, "usage: z14_switching_simulation defectives|defects AQL-position letter "
                         "single|double|multiple level lots seed\n");
    return 2;
}

} // namespace

int main(int argc, char** argv)
{
    using namespace Brosquin;
    if (argc != 8)
        return Usage();
    const std::string characteristic = argv[1];
    const long aqlPosition = std::strtol(argv[2], nullptr, 10);
    const char* letter = std::strchr(Z14CodeLetters, argv[3][0]);
    const std::string planType = argv[4];
    const double level = std::strtod(argv[5], nullptr);
    const long long lots = std::strtoll(argv[6], nullptr, 10);
    const unsigned long long seed = std::strtoull(argv[7], nullptr, 10);
    const bool defectives = characteristic == "defectives";
    const std::uint32_t type = planType == "single" ? 0 : planType == "double" ? 1 : 2;
    if ((!defectives && characteristic != "defects") || aqlPosition < 0 ||
        aqlPosition >= static_cast<long>(Z14AqlPositionCount) || letter == nullptr ||
        argv[3][0] == '\0' || argv[3][1] != '\0' || (type == 2 && planType != "multiple") ||
        !(level > 0) || (defectives && !(level <= 1)) || lots < 100)
        return Usage();

    const SimulatedSwitching s = SimulateZ14Switching(
        defectives ? SamplingPlan::DefectiveUnits : SamplingPlan::DefectsPerUnit,
        static_cast<std::uint32_t>(aqlPosition),
        static_cast<std::uint32_t>(letter - Z14CodeLetters), type, level, lots, seed);
    const auto show = [](const char* name, const SimulatedValue& v)
    { std::printf("%-10s %.6g +- %.2g\n", name, v.value, v.error); };
    show("reduced", s.reduced);
    show("normal", s.normal);
    show("tightened", s.tightened);
    show("Pa", s.pa);
    show("ASN", s.asn);
    return 0;
}
