#include "dcdrive/data/tachogrid.h"

#include "common/numbertext.h"
#include "common/real.h"
#include "dcdrive/data/filenames.h"

#include <algorithm>

namespace dcdrive {
namespace {

using drive::ParseNumber;
using drive::TextGrid;

constexpr int kTimeColumn = 1;
constexpr int kSpeedColumn = 2;
// The count also looks at the row beyond the last point row.
constexpr int kCountedRows = kTachoPointRows + 1;

constexpr std::array<const char*, kTachoGridColumns> kHeaders = {
    "    Точка №",
    "    Время,с",
    "  Скорость, 1/c",
    "  Cтат. момент, Н*м ",
    "  Ускорение",
    "  Момент инерции,кг-м^2",
};

double TimeAt(const TextGrid& grid, int row)
{
    return ParseNumber(grid.Cell(row, kTimeColumn));
}

double SpeedAt(const TextGrid& grid, int row)
{
    return ParseNumber(grid.Cell(row, kSpeedColumn));
}

// The speeds of rows 1 .. N, with `better` choosing the one kept.
template <typename Better> double ExtremeSpeed(const TextGrid& grid, int count, Better better)
{
    double held = SpeedAt(grid, 1);
    for (int row = 1; row <= count; ++row) {
        const double speed = SpeedAt(grid, row);
        if (better(speed, held))
            held = speed;
    }
    return held;
}

} // namespace

TextGrid MakeTachoGrid()
{
    TextGrid grid(kTachoGridRows, kTachoGridColumns);
    for (int column = 0; column < kTachoGridColumns; ++column)
        grid.SetCell(0, column, kHeaders[static_cast<std::size_t>(column)]);
    for (int row = 1; row <= kTachoPointRows; ++row)
        grid.SetCell(row, 0, "        " + std::to_string(row));
    ResetTachoGrid(grid);
    return grid;
}

void CountTachoPoints(const TextGrid& grid, DcWorkingData& data)
{
    int count = kCountedRows;
    for (int row = 1; row <= kCountedRows; ++row) {
        bool allZero = true;
        for (int column = 1; column <= 5; ++column)
            allZero = allZero && grid.Cell(row, column) == "0";
        if (allZero)
            --count;
    }
    data.tachoPointCount = count;
}

void FindMaxSpeed(const TextGrid& grid, DcWorkingData& data)
{
    data.tachoMaxSpeed = ExtremeSpeed(grid, data.tachoPointCount, [](double a, double b) { return a > b; });
}

void FindMinSpeed(const TextGrid& grid, DcWorkingData& data)
{
    data.tachoMinSpeed = ExtremeSpeed(grid, data.tachoPointCount, [](double a, double b) { return a < b; });
}

bool CheckPointTimes(const TextGrid& grid, DcWorkingData& data, drive::Prompter& prompter)
{
    data.tachoTimesValid = false;
    for (int row = 1; row <= data.tachoPointCount - 1; ++row) {
        if (TimeAt(grid, row) == TimeAt(grid, row + 1)) {
            prompter.ShowNotice("У вас одному и томуже времени соответствуют 2 точки тахограммы ( "
                + std::to_string(row) + " и " + std::to_string(row + 1) + " )");
            return false;
        }
    }
    data.tachoTimesValid = true;
    return true;
}

bool AcceptTachogram(const TextGrid& grid, DcWorkingData& data, drive::Prompter& prompter)
{
    CountTachoPoints(grid, data);
    FindMaxSpeed(grid, data);
    if (!CheckPointTimes(grid, data, prompter))
        return false;
    const int count = data.tachoPointCount;
    DcArray times = data.tachoTime;
    DcArray speeds = data.tachoSpeed;
    for (int row = 1; row <= count; ++row) {
        times[static_cast<std::size_t>(row - 1)] = TimeAt(grid, row);
        speeds[static_cast<std::size_t>(row - 1)] = SpeedAt(grid, row);
    }
    data.tachoTime = times;
    data.tachoSpeed = speeds;
    return true;
}

std::optional<TachoChart> DrawTachogram(const TextGrid& grid, DcWorkingData& data, drive::Prompter& prompter)
{
    CountTachoPoints(grid, data);
    FindMaxSpeed(grid, data);
    FindMinSpeed(grid, data);
    if (!CheckPointTimes(grid, data, prompter))
        return std::nullopt;
    TachoChart chart;
    chart.axisMaximum = (drive::Real(data.tachoMaxSpeed) + 1).value();
    chart.axisMinimum = (drive::Real(data.tachoMinSpeed) - 1).value();
    for (int row = 1; row <= data.tachoPointCount; ++row)
        chart.points.push_back({ TimeAt(grid, row), SpeedAt(grid, row) });
    std::stable_sort(chart.points.begin(), chart.points.end(),
        [](const TachoChartPoint& a, const TachoChartPoint& b) { return a.time < b.time; });
    return chart;
}

void ResetTachoGrid(TextGrid& grid)
{
    for (int row = 1; row <= kTachoPointRows; ++row) {
        for (int column = 1; column <= 5; ++column)
            grid.SetCell(row, column, "0");
    }
}

bool SaveTachoFile(const TextGrid& grid, drive::FileDialogs& dialogs, drive::Prompter& prompter)
{
    return drive::SaveDiagramFile(grid, dialogs, prompter, drive::kDcTahFilter);
}

drive::DiagramLoad LoadTachoFile(TextGrid& grid, drive::FileDialogs& dialogs, drive::Prompter& prompter)
{
    return drive::LoadDiagramFile(grid, dialogs, prompter, drive::kDcTahFilter);
}

std::string ChartPictureFileName(const std::string& chosen)
{
    return WithExtension(chosen, ".bmp");
}

} // namespace dcdrive
