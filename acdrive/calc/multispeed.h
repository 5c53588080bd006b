#pragma once

#include "acdrive/data/workingdata.h"
#include "common/linesink.h"
#include "common/prompter.h"

namespace acdrive::multispeed {

// Calculates the multi-speed (pole-changing) motor drive ("Многоск. АД") over stretches 1 .. pointCount - 1 and appends its report.
void Run(AcWorkingData& data, drive::Prompter& prompter, drive::LineSink& resultsPane);

}  // namespace acdrive::multispeed
