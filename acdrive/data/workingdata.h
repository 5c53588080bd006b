#pragma once

// The AC program's single working data set: load diagram, motor data, entry flags, prompt
// exchange texts, per-stretch results, the per-method results tables and the scratch values
// of the calculations. One instance is owned by the program and passed by reference; it
// starts zero-filled and is never saved as a whole.
//
// Arrays are 1-based: element 0 is never used, point k and stretch k live at index k.

#include <array>
#include <cstdint>
#include <string>

namespace acdrive {

// Room of the point and stretch arrays; the editor and the file use points 1 .. 31.
constexpr int kArraySize = 100;
// Points of the load-diagram grid and file.
constexpr int kGridPoints = 31;
// Stretch columns of a method results table.
constexpr int kResultColumns = 30;
// Speeds a multi-speed motor may have.
constexpr int kMaxSpeeds = 10;
// Calculation methods, numbered as their results tables.
constexpr int kMethodCount = 6;

template <typename T>
using OneBased = std::array<T, kArraySize + 1>;

// One moment of the duty cycle.
struct TachoPoint {
    double time = 0.0;   // from the start of the cycle, s
    double speed = 0.0;  // signed angular speed, 1/s
};

// The load of the stretch that starts at a point.
struct StretchLoad {
    double staticTorque = 0.0;  // signed, N*m
    double inertia = 0.0;       // kg*m^2
};

// The 13 parameters of an induction motor (or of one speed of a multi-speed motor).
struct MotorParameters {
    double ratedPower = 0.0;            // kW, as typed
    double ratedPhaseVoltage = 0.0;     // V
    double synchronousSpeed = 0.0;      // 1/s
    double ratedSlip = 0.0;             // fraction
    double criticalSlip = 0.0;          // fraction
    double criticalTorque = 0.0;        // N*m
    double ratedPowerFactor = 0.0;      // fraction
    double ratedEfficiency = 0.0;       // fraction
    double magnetizingReactance = 0.0;  // Ohm
    double statorResistance = 0.0;      // R1, Ohm
    double statorReactance = 0.0;       // X1, Ohm
    double rotorResistance = 0.0;       // R2' referred to the stator, Ohm
    double rotorReactance = 0.0;        // X2' referred to the stator, Ohm
};

// One method's results for the comparison charts: rows 1 efficiency, 2 power factor,
// 3 active power P1, 4 reactive power Q1; columns 1 .. 30 by stretch.
struct MethodResultTable {
    std::array<std::array<double, kResultColumns + 1>, 5> rows{};
};

struct AcWorkingData {
    // Load diagram.
    OneBased<TachoPoint> tachoPoints{};
    OneBased<StretchLoad> stretchLoads{};
    std::uint16_t pointCount = 0;  // points in use; stretches are 1 .. pointCount - 1

    // Motor data: the motor last accepted, and one copy per speed of a multi-speed motor.
    MotorParameters motor;
    std::int32_t rotorType = 0;  // 1 wound rotor, 2 squirrel cage, 0 before any choice
    bool multiSpeed = false;
    std::int32_t speedCount = 0;
    std::int32_t currentStep = 0;  // the speed the motor window shows, 1 .. speedCount
    std::array<MotorParameters, kMaxSpeeds + 1> stepParameters{};

    // Entry flags and selections.
    bool motorEntered = false;
    bool diagramEntered = false;
    std::string methodTitle;
    std::int32_t startMode = 0;   // 2 after "Сеть - АД", 1 after the sample fill, 0 before
    std::int32_t driveType = 0;   // 1 reversible, 2 non-reversible
    std::int32_t stretchKind = 0; // class of the stretch being calculated

    // Prompt exchange texts.
    std::string promptText;
    std::string promptAnswer;
    std::string choiceQuestion;
    std::string choiceFirst;
    std::string choiceSecond;
    bool choiceIsFirst = false;

    // Per-stretch results of the last calculation.
    OneBased<double> stretchEfficiency{};
    OneBased<double> stretchPowerFactor{};
    OneBased<double> stretchActivePower{};      // P1, W
    OneBased<double> stretchReactivePower{};    // Q1, var
    OneBased<double> stretchShaftPower{};       // P2, W
    OneBased<double> stretchLosses{};           // J
    OneBased<double> stretchAddedResistance{};  // referred added rotor resistance, Ohm
    OneBased<std::string> stretchLabels{};

    // Working copies of the load diagram.
    OneBased<double> workTime{};
    OneBased<double> workSpeed{};
    OneBased<double> workTorque{};
    OneBased<double> workInertia{};

    // Results of each method, 1 .. 6 as numbered by kMethodTitles.
    std::array<MethodResultTable, kMethodCount + 1> methodResults{};

    // Scratch values of the calculations that later stretches or runs read.
    std::int32_t currentStretch = 0;      // the stretch being calculated
    double stretchMainsEnergy = 0.0;      // E: active energy drawn from the mains, J
    double stretchReactiveEnergy = 0.0;   // Qe: reactive energy, var*s
    double stretchUsefulEnergy = 0.0;     // W: shaft energy, J
    double motoringTime = 0.0;            // Tm: time whose shaft power counts, s
    double constantLosses = 0.0;          // P0: constant loss power, W
    double ratedTorque = 0.0;             // Mn, N*m
    double converterEfficiency = 0.0;     // fraction
    double ratedStatorCurrent = 0.0;      // I1n, A
    double ratedMagnetizingCurrent = 0.0; // Imn, A
    double magnetizingLossShare = 0.0;    // k0
    double ratedStatorCopperLosses = 0.0; // P1n, W
    double ratedRotorCopperLosses = 0.0;  // P2n, W
    double fixedLossPower = 0.0;          // Pf, W
    double fixedLossConstantShare = 0.0;  // kf
    double addedRotorResistance = 0.0;    // Rd, Ohm; kept between runs
    double rotorResistanceRatio = 0.0;    // rR
    std::int32_t converterStructure = 0;  // 1 direct, 2 two-link
    std::int32_t inverterType = 0;        // 1 chopper, 2 voltage-source, 3 current-source
    std::int32_t converterKind = 0;       // K: 1 .. 4
    double ratedSpeed = 0.0;              // 1/s
    double slipStiffness = 0.0;           // beta, N*m
    double brakingEnergy = 0.0;           // Eb, J
    std::array<double, kMaxSpeeds + 1> stepConstantLosses{};  // Pc_j, W
    std::int32_t stretchStep = 0;         // step at the end point of the current stretch
    std::int32_t previousStep = 0;        // step at its start point
};

// The method titles, 1-based: the key of methodResults and the heading of the report.
extern const std::array<const char*, kMethodCount + 1> kMethodTitles;

// Copies the load diagram into the working arrays workTime, workSpeed, workTorque, workInertia.
void MakeWorkingCopies(AcWorkingData& data);

// pointCount := 31 minus the number of indices 1 .. 31 whose four values are all exactly 0.
void CountPoints(AcWorkingData& data);

}  // namespace acdrive
