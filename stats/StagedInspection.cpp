#include "stats/StagedInspection.h"

namespace Brosquin
{

StageCurtailing DefectivesStageCurtailing(std::uint8_t method)
{
    switch (method)
    {
    case 0:
        return {};
    case 2:
        return {{true, false}, {true, false}};
    case 3:
        return {{false, true}, {false, true}};
    case 4:
        return {{false, false}, {true, true}};
    case 5:
        return {{false, false}, {true, false}};
    case 6:
        return {{false, false}, {false, true}};
    default:
        return {{true, true}, {true, true}};
    }
}

namespace
{

StageCurtailing RejectionCurtailing(bool curtailed, bool firstStageToo)
{
    return {{false, curtailed && firstStageToo}, {false, curtailed}};
}

} // namespace

StageCurtailing DefectsDoubleStageCurtailing(std::uint8_t method)
{
    return RejectionCurtailing(method != 0, method == 1);
}

StageCurtailing DefectsMultipleStageCurtailing(std::uint8_t method)
{
    return RejectionCurtailing(method != 0, method != 2);
}

double ProbabilityInUnitRange(double pa)
{
    if (pa >= 1.0)
        return 1.0;
    return pa > 0.0 ? pa : 0.0;
}

} // namespace Brosquin
