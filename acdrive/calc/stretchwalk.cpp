#include "acdrive/calc/stretchwalk.h"

#include "acdrive/data/report.h"

namespace acdrive {

void RunStretchOfClass(AcWorkingData& data, int i, StretchMethod& method)
{
    data.stretchKind = ClassifyStretch(data.tachoPoints[i].speed, data.tachoPoints[i + 1].speed);
    switch (data.stretchKind) {
    case kReversal:
        method.ReversalStretch();
        break;
    case kSteady:
        method.SteadyStretch();
        break;
    case kDeceleration:
        method.BrakingStretch();
        break;
    default:
        method.StartStretch();
        break;
    }
}

drive::Real TanPhi(drive::Real c)
{
    return drive::Sqrt(1 / drive::Sqr(c) - 1);
}

}  // namespace acdrive
