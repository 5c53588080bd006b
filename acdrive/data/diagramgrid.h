#pragma once

// The load-diagram grid of the tachogram editor as a plain text table, and the rules that turn
// its text into the load diagram of the working data set and back. The Qt grid mirrors the
// table: row 0 holds the headers, column 0 the row labels, data row k describes point k. Data
// rows 1 .. 30 are shown; row 31 is kept, read and written like the others but never shown.

#include <array>

#include "acdrive/data/workingdata.h"
#include "common/filedialogs.h"
#include "common/prompter.h"
#include "common/tahfile.h"
#include "common/textgrid.h"

namespace acdrive {

// The grid's size: the header row and 31 data rows, the label column and five value columns.
constexpr int kDiagramGridRows = kGridPoints + 1;
constexpr int kDiagramGridColumns = 6;
// Data rows the editor shows (row 31 is hidden).
constexpr int kDiagramShownRows = 30;
// Column widths in pixels, columns 0 .. 5.
constexpr std::array<int, kDiagramGridColumns> kDiagramColumnWidths = {65, 70, 85, 120, 90, 150};

// The value columns of a data row.
enum DiagramColumn : int {
    kTimeColumn = 1,          // time of the point, s
    kSpeedColumn = 2,         // speed at the point, 1/s
    kTorqueColumn = 3,        // static torque of the stretch that starts at the point, N*m
    kAccelerationColumn = 4,  // speed / time, derived text; kept in the file, never read
    kInertiaColumn = 5,       // moment of inertia of the stretch, kg*m^2
};

// The text of the editor's error panel, shown when a grid read meets a cell that is not a number.
inline constexpr const char* kDiagramErrorPanelText = "Введеные данные содержат ошибку повторите ввод";

// A grid of the editor's size, initialised by InitDiagramGrid.
drive::TextGrid NewDiagramGrid();

// Writes the six headers, the row labels (ten blanks and the row number) and "0" into columns
// 1 .. 5 of rows 1 .. 31.
void InitDiagramGrid(drive::TextGrid& grid);

// Reads rows 1 .. 31, columns 1, 2, 3, 5 in that order into tachoPoints and stretchLoads,
// stopping at the first cell that is not a number (the values stored before it stay). Leaves
// pointCount and diagramEntered alone. False when it stopped at such a cell.
[[nodiscard]] bool ReadDiagramGrid(const drive::TextGrid& grid, AcWorkingData& data);

// The editor's grid read: ReadDiagramGrid, then pointCount := 31 and diagramEntered := true in
// every case. False when a cell was not a number: the editor then shows its error panel. The
// editor redraws its chart afterwards either way.
[[nodiscard]] bool GridToDiagram(const drive::TextGrid& grid, AcWorkingData& data);

// Fills rows 1 .. 31 from the data set (diagramEntered := false first): time, speed, torque and
// inertia as FormatNumber texts, the acceleration as speed / time unless the time text is "0".
// A failed division throws drive::ArithmeticError; the rows from the failing one on (its
// acceleration and inertia included) keep their old text.
void DiagramToGrid(AcWorkingData& data, drive::TextGrid& grid);

// Completes rows 1 .. 31 when the user clicks in the grid (a value counts as given when its text
// is not exactly "0"): time and speed given, the acceleration := speed / time; else time and
// acceleration given, the speed := time * acceleration; else speed and acceleration given, the
// time := speed / acceleration and then GridToDiagram; else GridToDiagram. False when a cell is
// not a number (anywhere, also in a GridToDiagram it runs): the completion ends there and the
// editor shows its error panel. A failed division ("0,0" is given, not "0") throws
// drive::ArithmeticError: the rows after it are neither completed nor read.
[[nodiscard]] bool CompleteGridRows(drive::TextGrid& grid, AcWorkingData& data);

// The editor's reset button: "0" into columns 1 .. 5 and zeros into the load diagram, rows and
// points 1 .. 31; pointCount and diagramEntered stay. The editor also clears its chart.
void ResetDiagram(drive::TextGrid& grid, AcWorkingData& data);

// The editor's accept button: pointCount := 31, diagramEntered := true; the grid is not read.
// The editor then closes.
void AcceptDiagram(AcWorkingData& data);

// The editor's open button: LoadDiagramFile into the grid, then GridToDiagram (also after a
// cancelled dialog or a read error). Returns GridToDiagram's verdict.
[[nodiscard]] bool OpenDiagramFile(drive::TextGrid& grid, AcWorkingData& data, drive::FileDialogs& dialogs,
                                   drive::Prompter& prompter);

// What the main window's diagram load command did.
struct DiagramLoadResult {
    drive::DiagramLoad load = drive::DiagramLoad::Cancelled;
    bool gridRead = true;  // false: a cell was not a number (the editor's error panel)
};

// The main window's "Загрузить диаграмму", up to its view toggle: LoadDiagramFile into the
// editor's grid, ReadDiagramGrid (pointCount unchanged), diagramEntered := true; the read and
// the flag also after a cancelled dialog or a failed load.
DiagramLoadResult LoadDiagramCommand(drive::TextGrid& grid, AcWorkingData& data, drive::FileDialogs& dialogs,
                                     drive::Prompter& prompter);

}  // namespace acdrive
