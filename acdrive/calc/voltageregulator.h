#pragma once

#include "acdrive/data/workingdata.h"
#include "common/linesink.h"
#include "common/prompter.h"

namespace acdrive::voltage_regulator {

// Resistance and reactance of the motor's T-shaped equivalent circuit at rated slip, Ohm.
struct RatedCircuit {
    double resistance = 0.0;  // Req
    double reactance = 0.0;  // Xeq
};

// The equivalent circuit at rated slip, the rated point the losses model is built on;
// drive::ArithmeticError for a motor that has none (zero rated slip, zero reactances).
RatedCircuit RatedEquivalentCircuit(const MotorParameters& motor);

// Calculates the thyristor voltage regulator drive ("ТРН - АД") over stretches 1 .. pointCount - 1 and
// appends its report.
void Run(AcWorkingData& data, drive::Prompter& prompter, drive::LineSink& resultsPane);

}  // namespace acdrive::voltage_regulator
