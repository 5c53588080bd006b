#include "acdrive/data/workingdata.h"

namespace acdrive {

const std::array<const char*, kMethodCount + 1> kMethodTitles = {
    "",
    "Нерегулируемый АД",
    "Частотное управление",
    "Регулирование переменного напряжения\rв цепи статора",
    "Реостатное регулирование АД с фазным ротором",
    "Импульсное реостатное регулирование",
    "многоскоростной двигатель",
};

void MakeWorkingCopies(AcWorkingData& data)
{
    for (int k = 1; k <= kArraySize; ++k) {
        data.workTime[k] = data.tachoPoints[k].time;
        data.workSpeed[k] = data.tachoPoints[k].speed;
        data.workTorque[k] = data.stretchLoads[k].staticTorque;
        data.workInertia[k] = data.stretchLoads[k].inertia;
    }
}

void CountPoints(AcWorkingData& data)
{
    int empty = 0;
    for (int k = 1; k <= kGridPoints; ++k) {
        const TachoPoint& p = data.tachoPoints[k];
        const StretchLoad& l = data.stretchLoads[k];
        if (p.time == 0.0 && p.speed == 0.0 && l.staticTorque == 0.0 && l.inertia == 0.0)
            ++empty;
    }
    data.pointCount = static_cast<std::uint16_t>(kGridPoints - empty);
}

}  // namespace acdrive
