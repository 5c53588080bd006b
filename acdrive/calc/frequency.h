#pragma once

#include "acdrive/data/workingdata.h"
#include "common/linesink.h"
#include "common/prompter.h"

namespace acdrive::frequency {

// Calculates the frequency-converter drive ("ПЧ - АД") over stretches 1 .. pointCount - 1 and appends its report.
void Run(AcWorkingData& data, drive::Prompter& prompter, drive::LineSink& resultsPane);

}  // namespace acdrive::frequency
