#pragma once

#include "acdrive/data/workingdata.h"
#include "common/real.h"

namespace acdrive {

// The slip at which the motor develops torque M, from its critical slip and torque:
// with a = R1 / R2', A = scr * ((Mcr / M) * (1 + a * scr) - a), the slip is A - sqrt(A^2 - scr^2).
// A zero torque divides by zero; A^2 < scr^2 (no real slip) is an invalid operation.
drive::Real SlipFromTorque(const MotorParameters& motor, drive::Real torque);

}  // namespace acdrive
