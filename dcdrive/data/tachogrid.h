#pragma once

// The DC load diagram editor's grid (StringGrid1 of TForm4) and the operations that count,
// check, accept and draw its points. The grid is plain text: row 0 holds the headers, column 0
// the point numbers, rows 1 .. 50 the points with time, speed, static torque, acceleration and
// moment of inertia in columns 1 .. 5. Only time and speed reach the working data set.
//
// A cell read as a number that is not one throws drive::ConversionError; the steps done before
// stay done (a count already made stays counted).

#include "common/filedialogs.h"
#include "common/prompter.h"
#include "common/tahfile.h"
#include "common/textgrid.h"
#include "dcdrive/data/workingdata.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace dcdrive {

// Rows of the grid: the header row and the 50 point rows.
constexpr int kTachoGridRows = 51;
constexpr int kTachoGridColumns = 6;
constexpr int kTachoPointRows = 50;

// Column widths of the grid in pixels; every row is 24 pixels high.
inline constexpr std::array<int, kTachoGridColumns> kTachoColumnWidths = { 75, 75, 90, 120, 90, 160 };
constexpr int kTachoRowHeight = 24;

// The grid as the editor's creation fills it: the headers, the point numbers (eight blanks and
// the row number) and "0" in columns 1 .. 5 of every point row.
drive::TextGrid MakeTachoGrid();

// tachoPointCount := 51 less one for every row 1 .. 51 whose columns 1 .. 5 all hold exactly
// "0" (a text comparison: "0,0" and the empty text are not "0"). Row 51 lies beyond the grid
// and reads as empty, so the count is 1 + the number of point rows not entirely "0".
void CountTachoPoints(const drive::TextGrid& grid, DcWorkingData& data);

// tachoMaxSpeed := the greatest signed speed of rows 1 .. tachoPointCount.
void FindMaxSpeed(const drive::TextGrid& grid, DcWorkingData& data);

// tachoMinSpeed := the smallest signed speed of rows 1 .. tachoPointCount.
void FindMinSpeed(const drive::TextGrid& grid, DcWorkingData& data);

// tachoTimesValid := no two adjacent rows among 1 .. tachoPointCount hold equal times; at the
// first pair found shows "У вас одному и томуже времени соответствуют 2 точки тахограммы ( r и
// r+1 )". Decreasing times pass. Returns tachoTimesValid.
bool CheckPointTimes(const drive::TextGrid& grid, DcWorkingData& data, drive::Prompter& prompter);

// The editor's "Принять введёные значения": counts, finds the greatest speed, checks the times
// and, when they pass, stores rows 1 .. N as points 0 .. N-1 of tachoTime and tachoSpeed (the
// entries from N upward keep what they held). Returns true when the points were stored and
// the editor closes; false when it stays open and nothing was stored.
bool AcceptTachogram(const drive::TextGrid& grid, DcWorkingData& data, drive::Prompter& prompter);

// One point of the speed curve.
struct TachoChartPoint {
    double time = 0.0; // s
    double speed = 0.0; // 1/s
};

// What a chart shows of the load diagram: the speed axis range aimed at [Wmin - 1, Wmax + 1]
// and the points of the speed series (the chart's first series) in ascending order of time,
// as the series keeps them: rows whose times decrease somewhere are drawn sorted by time.
struct TachoChart {
    double axisMinimum = 0.0; // Wmin - 1, 1/s
    double axisMaximum = 0.0; // Wmax + 1, 1/s
    std::vector<TachoChartPoint> points;
};

// Draws the load diagram into a chart, the editor's or the main window's: counts, finds both
// extremes and checks the times (all stored in the data set); nullopt when the times fail,
// and the chart keeps what it showed.
std::optional<TachoChart> DrawTachogram(
    const drive::TextGrid& grid, DcWorkingData& data, drive::Prompter& prompter);

// The editor's reset: "0" into columns 1 .. 5 of every point row. The working data keep the
// points accepted before; the GUI clears both series of its chart.
void ResetTachoGrid(drive::TextGrid& grid);

// The editor's ".tah" save: rows 1 .. 31 of the grid, through the save dialog with the filter
// "Файлы тахограмм|*.tah" (see drive::SaveDiagramFile). Returns true when a file was written.
bool SaveTachoFile(const drive::TextGrid& grid, drive::FileDialogs& dialogs, drive::Prompter& prompter);

// The editor's ".tah" load, through the open dialog with the filter "Файлы тахограмм|*.tah":
// the file's rows fill the grid's rows from 1 on (a file longer than 31 rows fills further
// rows, up to 50); other rows keep their text (see drive::LoadDiagramFile). The editor's button
// then redraws (DrawTachogram) when the load reached the grid (Loaded or ReadError).
drive::DiagramLoad LoadTachoFile(
    drive::TextGrid& grid, drive::FileDialogs& dialogs, drive::Prompter& prompter);

// The name a chart picture is saved under: the chosen name unchanged when its extension is
// ".bmp" in any case, otherwise with ".bmp" appended.
std::string ChartPictureFileName(const std::string& chosen);

// The filter of the picture save dialog.
inline constexpr const char* kChartPictureFilter = "Точечьный рисунок BMP|*.bmp";

} // namespace dcdrive
