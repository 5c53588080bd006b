#include "acdrive/calc/sliprule.h"

namespace acdrive {

drive::Real SlipFromTorque(const MotorParameters& motor, drive::Real torque)
{
    using drive::Real;
    const Real scr = motor.criticalSlip;
    const Real a = Real(motor.statorResistance) / motor.rotorResistance;
    const Real big = scr * ((Real(motor.criticalTorque) / torque) * (1 + a * scr) - a);
    return big - drive::Sqrt(drive::Sqr(big) - drive::Sqr(scr));
}

}  // namespace acdrive
