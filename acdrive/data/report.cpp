#include "acdrive/data/report.h"

#include <cmath>

#include "common/numbertext.h"

namespace acdrive {

int ClassifyStretch(double s, double e)
{
    if (s * e < 0)
        return kReversal;
    const double d = std::fabs(e) - std::fabs(s);
    if (d == 0)
        return kSteady;
    return d < 0 ? kDeceleration : kAcceleration;
}

int MethodNumber(const std::string& title)
{
    for (int m = 1; m <= kMethodCount; ++m) {
        if (title == kMethodTitles[m])
            return m;
    }
    return 0;
}

void PrintResults(AcWorkingData& data, drive::LineSink& resultsPane)
{
    const int last = data.pointCount - 1;
    const int m = MethodNumber(data.methodTitle);
    if (m != 0) {
        MethodResultTable& table = data.methodResults[m];
        for (int i = 1; i <= last && i <= kResultColumns; ++i) {
            table.rows[1][i] = data.stretchEfficiency[i];
            table.rows[2][i] = data.stretchPowerFactor[i];
            table.rows[3][i] = data.stretchActivePower[i];
            table.rows[4][i] = data.stretchReactivePower[i];
        }
    }

    const std::string rule = "=================================================";
    resultsPane.AppendLine("");
    resultsPane.AppendLine(rule);
    resultsPane.AppendLine(data.methodTitle);
    resultsPane.AppendLine(rule);
    using drive::FormatFixed;
    for (int i = 1; i <= last; ++i) {
        resultsPane.AppendLine(data.stretchLabels[i]);
        resultsPane.AppendLine("КПД = " + FormatFixed(data.stretchEfficiency[i], 6, 2) +
                               "   cos f = " + FormatFixed(data.stretchPowerFactor[i], 6, 2) +
                               "   P = " + FormatFixed(data.stretchActivePower[i], 6, 2) +
                               "   Q = " + FormatFixed(data.stretchReactivePower[i], 6, 2));
    }
}

}  // namespace acdrive
