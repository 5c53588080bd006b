#pragma once

#include "acdrive/data/workingdata.h"
#include "common/linesink.h"
#include "common/prompter.h"

namespace acdrive::rheostat {

// Calculates the mains-fed drive ("Сеть - АД", squirrel cage) and the rotor-rheostat drive
// ("РСР", wound rotor) over stretches 1 .. pointCount - 1 and appends the report. The two
// differ only through rotorType (added resistances asked) and startMode (stepped start offered).
void Run(AcWorkingData& data, drive::Prompter& prompter, drive::LineSink& resultsPane);

}  // namespace acdrive::rheostat
