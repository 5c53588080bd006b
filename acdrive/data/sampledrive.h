#pragma once

#include "acdrive/data/workingdata.h"

namespace acdrive {

// Loads the built-in sample drive: points 1 .. 7 with the loads of stretches 1 .. 6, a
// wound-rotor motor and two speed steps of a multi-speed motor; pointCount := 4 (start, steady
// run, stop) and startMode := 1. Nothing else changes.
void FillSampleDrive(AcWorkingData& data);

}  // namespace acdrive
