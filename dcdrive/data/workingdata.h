#pragma once

// The DC program's single working data set: the accepted load diagram, the motor data with the
// quantities derived from them, the inputs and constants of the two systems, and the results
// of the last calculation. One instance is owned by the program for its whole run and passed by
// reference; every field is zero or false at start.
//
// Arrays hold 51 values: point k, or stretch k (from point k to point k + 1), lives at
// element k - 1.

#include <array>
#include <cstdint>

namespace dcdrive {

// Room of the point and stretch arrays.
constexpr int kDcArraySize = 51;

using DcArray = std::array<double, kDcArraySize>;

struct DcWorkingData {
    // Load diagram (what the editor counted and last accepted).
    std::int32_t tachoPointCount = 0; // points N of the last count; 0 before any count
    DcArray tachoTime {}; // time of each point from the start of the cycle, s
    DcArray tachoSpeed {}; // signed angular speed of each point, 1/s
    double tachoMaxSpeed = 0.0; // greatest signed speed of the counted rows (Wmax), 1/s
    double tachoMinSpeed = 0.0; // smallest signed speed of the counted rows (Wmin), 1/s
    bool tachoTimesValid = false; // no two adjacent points share a time (last check)

    // Motor data, as accepted from the motor window.
    double nominalVoltage = 0.0; // Uн, V
    double nominalCurrent = 0.0; // Iн, A
    double nominalSpeed = 0.0; // Wн, 1/s
    double armatureResistance = 0.0; // Rя, total armature circuit, Ohm
    double nominalPower = 0.0; // Pн: kW as typed, W once accepted
    double totalInertia = 0.0; // J of the whole drive, kg*m^2
    double ratedDutyFactor = 0.0; // ПВд, %
    double heatTransferFactor = 0.0; // B, worsening of heat transfer
    double overloadFactor = 0.0; // K
    double staticLoadTorque = 0.0; // Мс, N*m
    double staticCurrent = 0.0; // typed no-load current, then the static current Ic, A
    double fieldVoltage = 0.0; // Uвн, V
    double fieldCurrent = 0.0; // Iвн, A

    // Derived by the motor acceptance.
    double emfCoefficient = 0.0; // c, V*s
    double idealNoLoadSpeed = 0.0; // W0 at nominal voltage, 1/s
    double nominalTorque = 0.0; // Mн, N*m
    double allowedAcceleration = 0.0; // Edop under the static torque at the overload current, 1/s^2
    double staticCurrentRatio = 0.0; // x = Ic / Iн
    double staticLoadLosses = 0.0; // Pst, armature losses at the static current, W
    bool motorDataComplete = false; // all thirteen motor edits were filled at the last acceptance

    // Generator-motor system inputs.
    double generatorResistance = 0.0; // Rгс, generator armature, Ohm
    double generatorFieldResistance = 0.0; // Rвг, Ohm
    double generatorFieldInductance = 0.0; // Lвг, H

    // Converter-motor system inputs.
    double converterEmf = 0.0; // Eп, V
    double converterResistance = 0.0; // Rп, a whole number, Ohm
    double transformerNoLoadLoss = 0.0; // Px, a whole number, W
    std::int32_t rampGenerator = 0; // 1 with a ramp generator, 0 without
    double variableLossFactor = 0.0; // Ki
    double currentFormFactor = 0.0; // Kф

    // Constants of the systems, computed before the stretch walk.
    double circuitResistance = 0.0; // R of the armature circuit, Ohm
    double fieldTimeConstant = 0.0; // Tв of the generator field, s
    double mechTimeConstant = 0.0; // Tм, electromechanical, s
    double motorStiffness = 0.0; // β = c^2 / R, N*m*s
    double converterLosses = 0.0; // P0, constant losses of the converter side, W
    double fieldPower = 0.0; // Pв of the motor field, W
    double nominalConstantLosses = 0.0; // ΔPк at nominal load, W
    double transientTime = 0.0; // Tп of the last changing stretch, s
    double rampFactor = 0.0; // F; kept between calculations

    // Per-stretch results of the last calculation.
    DcArray stretchLoss {}; // A, energy lost in the motor circuit, J
    DcArray stretchStaticLoss {}; // Aст, part of A due to the static torque, J
    DcArray stretchCrossLoss {}; // Aх, part of A due to dynamic and static load together, J
    DcArray stretchCurrent {}; // I, A
    DcArray stretchI2t {}; // I^2 * t, A^2*s
    DcArray stretchTorque {}; // M = c * I, N*m
    DcArray stretchPower {}; // P = M * Δw, W
    DcArray stretchTime {}; // t, duration of the process in the stretch, s

    // Cycle totals.
    double totalLoss = 0.0; // sum of A, J
    double sumI2t = 0.0; // sum of I^2 * t, A^2*s
    double sumBetaT = 0.0; // sum of B * t, s
    double totalEnergy = 0.0; // sum of P * t, J
    double cycleWorkTime = 0.0; // sum of t, s
    double pauseTime = 0.0; // duration of the last standstill stretch, s

    // Cycle results.
    double efficiency = 0.0; // η, fraction
    double heatingCurrent = 0.0; // Iэ before the duty correction, A
    double actualDutyFactor = 0.0; // ПВр, %
    double dutyCorrection = 0.0; // sqrt(ПВр / ПВд)
    double equivalentCurrent = 0.0; // Iэ, A
    double dutyDeviation = 0.0; // |ПВр - ПВд|, %
};

} // namespace dcdrive
