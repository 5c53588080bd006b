#pragma once

// The quantities the tachogram charts can draw beside the speed ("2-й график"): each is a
// value per stretch, drawn as steps over the stretches on the right axis.

#include "acdrive/data/workingdata.h"

#include <array>

namespace acdrive::ui {

class TachogramChart;

struct SecondGraph {
    int tag; // the radio button's tag, 1 .. 7
    const char* caption; // radio button caption
    const char* hint; // radio button hint
    const char* axisTitle; // right-axis title
    const char* seriesTitle; // load series title
    double (*value)(const AcWorkingData& data, int stretch);
};

// The seven quantities in the order of their radio buttons (tags 1 .. 7).
extern const std::array<SecondGraph, 7> kSecondGraphs;

// The quantity of a tag, or nullptr for a tag outside 1 .. 7.
const SecondGraph* FindSecondGraph(int tag);

// Redraws the load series: the point (time of point 1, 0), then for the quantity of `tag` the
// value of stretch i at the time of point i + 1 for i = 1 .. pointCount - 1, with its titles.
// A tag outside 1 .. 7 leaves the single starting point.
void DrawSecondGraph(TachogramChart& chart, const AcWorkingData& data, int tag);

// Redraws the speed series: the point (time, speed) of points 1 .. pointCount.
void DrawSpeed(TachogramChart& chart, const AcWorkingData& data);

} // namespace acdrive::ui
