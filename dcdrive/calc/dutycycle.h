#pragma once

// The stretch walk shared by the generator-motor and the converter-motor calculations: the
// per-stretch results from each system's loss energy, current and duration, the cycle totals,
// the duty-factor and heating checks and the common report lines in the memo.

#include "common/linesink.h"
#include "common/prompter.h"
#include "common/real.h"
#include "dcdrive/data/workingdata.h"

#include <optional>

namespace dcdrive {

// One stretch of the walk as the systems' formulas see it.
struct DutyStretch {
    int index = 0; // i, 1 .. N - 1: from point i to point i + 1
    drive::Real duration; // Δt = |t(i+1) - t(i)|, s
    drive::Real startSpeed; // w1 = |a|, 1/s
    drive::Real endSpeed; // w2 = |b|, 1/s
    drive::Real speedChange; // Δw = |w2 - w1|, or w1 when that is 0, 1/s
    drive::Real tau; // τ = Δt / Tм
    drive::Real nu2; // ν² = (Δw / Wн)²
    double a = 0.0; // signed speed at the start, 1/s
    double b = 0.0; // signed speed at the end, 1/s
    int k = 0; // +1 speeding up (w1 < w2), -1 slowing down, -2 equal magnitudes
    bool steady = false; // a = b ≠ 0; otherwise the stretch is changing (standstills never reach a system)
};

// What a system computes for a steady or changing stretch; the values carry no arithmetic
// fault (a system evaluates each of its statements as written, so a fault stops it there).
struct StretchOutcome {
    drive::Real loss; // A, J
    drive::Real staticLoss; // Aст, J (0 where the system does not compute it)
    drive::Real crossLoss; // Aх, J (0 where the system does not compute it)
    drive::Real current; // I, A
    drive::Real time; // t, s
};

// The part of the walk that belongs to a system.
class DutyCycleSystem {
public:
    virtual ~DutyCycleSystem() = default;

    // A check of the stretch before its acceleration check; false ends the calculation (the
    // system has shown its message).
    virtual bool CheckStretch(const DutyStretch&) { return true; }

    // A, I and t of a steady or changing stretch; nullopt ends the calculation.
    virtual std::optional<StretchOutcome> StretchResults(const DutyStretch& stretch) = 0;
};

// How the walk ended.
enum class DutyCycleEnd {
    Completed, // every line written; the system adds its source-data lines and closes
    AccelerationYes, // the acceleration check failed and the user will change the diagram
    AccelerationNo, // the acceleration check failed and the user will not
    Ended, // the system ended it at a stretch, or the duty factor failed
};

// How a system's calculation ended, for its input window.
enum class CalculationEnd {
    Refused, // the inputs were refused before the walk; the window stays open
    Completed, // the report is complete; the window closes
    Ended, // ended early by its own message or question; the window stays open
};

// The question asked when a stretch demands more acceleration than the motor allows.
inline constexpr const char* kAccelerationQuestion
    = "ЭД не проходит по допустимому цскорению Edop<Eзад ! Будете изменять тахограмму?";

// Walks stretches 1 .. tachoPointCount - 1 of the accepted points after setting the
// per-stretch arrays and cycle totals to 0; mechTimeConstant (and the system's constants) must
// be set. Appends five lines per stretch, then the cycle's totals and checks (the duty factor
// ends the walk with its message when it deviates by more than 10 %; a failed heating check
// is shown and the walk goes on), the efficiency and, with `sourceData`, " Исходные данные "
// and the common source-data lines. Never clears the memo. Arithmetic faults throw
// drive::ArithmeticError; the lines appended before stay and the stretch that faulted keeps
// zeros.
DutyCycleEnd RunDutyCycle(DcWorkingData& data, DutyCycleSystem& system, bool sourceData,
    drive::Prompter& prompter, drive::LineSink& memo);

// The end of the cycle, after the last stretch: efficiency, the lines "Асум=" and "Рэ.сум=",
// the heating current, the actual duty factor and its deviation (above 10 the message
// "ЭД не проходит по ПВ,% ! ПВр=...%ПВд=...%" is shown and appended, and false is returned),
// the equivalent current line, the heating check, the efficiency line and, with `sourceData`,
// the common source-data lines. True when every line was written.
bool FinishDutyCycle(DcWorkingData& data, bool sourceData, drive::Prompter& prompter, drive::LineSink& memo);

// The greatest dynamic torque of a transient, Mmax = K * Mн * ν², N*m.
drive::Real MaxDynamicTorque(const DcWorkingData& data, const DutyStretch& stretch);

// Duration of a transient speeding up (w1 < w2): J * Δw / (Mmax - Мс), s.
drive::Real SpeedingUpTime(const DcWorkingData& data, const DutyStretch& stretch);

// Duration of a transient slowing down (w1 > w2): J * Δw / (Mmax + Мс), s.
drive::Real SlowingDownTime(const DcWorkingData& data, const DutyStretch& stretch);

// Duration of a transient between equal magnitudes (w1 = w2):
// 2 * J * Δw * Mmax / ((K * Mн)² * ν² - Мс²), s.
drive::Real EqualMagnitudesTime(const DcWorkingData& data, const DutyStretch& stretch);

// The transient duration the stretch's speeds call for: speeding up, slowing down or equal
// magnitudes.
drive::Real TransientTime(const DcWorkingData& data, const DutyStretch& stretch);

} // namespace dcdrive
