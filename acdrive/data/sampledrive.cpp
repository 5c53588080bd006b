#include "acdrive/data/sampledrive.h"

namespace acdrive {

void FillSampleDrive(AcWorkingData& data)
{
    const TachoPoint points[7] = {{0, 0}, {0.576, 98}, {5.5, 98}, {6, 0}, {8, -100}, {11.5, -100}, {12, 0}};
    const StretchLoad loads[6] = {{30, 0.5}, {30, 0.5}, {30, 0.5}, {-30, 0.5}, {-30, 0.5}, {-30, 0.5}};
    for (int k = 1; k <= 7; ++k)
        data.tachoPoints[k] = points[k - 1];
    for (int k = 1; k <= 6; ++k)
        data.stretchLoads[k] = loads[k - 1];

    data.motor = MotorParameters{13, 220, 104.7, 0.064, 0.365, 398, 0.81, 0.835, 16.62, 0.363, 0.635, 0.597, 0.831};
    data.stepParameters[1] = MotorParameters{6, 220, 104.7, 0.029, 0.16, 102.6, 0.68, 0.83, 24.6, 0.696, 1.37, 0.45, 2.32};
    data.stepParameters[2] = MotorParameters{6.2, 380, 157.1, 0.02, 0.14, 72.5, 0.85, 0.815, 136, 2.13, 3.48, 0.968, 5.32};

    data.pointCount = 4;
    data.startMode = 1;
}

}  // namespace acdrive
