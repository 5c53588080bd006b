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

void StretchWalk::WalkStretches(drive::LineSink& resultsPane)
{
    for (int i = 1; i <= d_.pointCount - 1; ++i) {
        i_ = i;
        d_.currentStretch = i;
        number_ = std::to_string(i);
        LoadStretch(i);
        RunStretchOfClass(d_, i, *this);
        FinishStretch();
    }
    PrintResults(d_, resultsPane);
}

drive::Real TanPhi(drive::Real c)
{
    return drive::Sqrt(1 / drive::Sqr(c) - 1);
}

}  // namespace acdrive
