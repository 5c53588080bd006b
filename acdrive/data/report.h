#pragma once

#include "acdrive/data/workingdata.h"
#include "common/linesink.h"

namespace acdrive {

// Stretch classes, the values of stretchKind.
enum StretchClass : int { kReversal = 1, kSteady = 2, kDeceleration = 3, kAcceleration = 4 };

// The class of a stretch from the signed speeds at its start (s) and end (e); exact comparisons.
int ClassifyStretch(double s, double e);

// The method number 1 .. 6 whose title is `title`, 0 when none matches.
int MethodNumber(const std::string& title);

// Files the per-stretch results in the method's results table and appends the report block
// (an empty line, the rule, the title, the rule, then a label line and a values line per
// stretch) to the results pane.
void PrintResults(AcWorkingData& data, drive::LineSink& resultsPane);

}  // namespace acdrive
