#include "acdrive/data/diagramgrid.h"

#include <string>

#include "common/errors.h"
#include "common/numbertext.h"
#include "common/real.h"

namespace acdrive {
namespace {

using drive::TextGrid;

constexpr std::array<const char*, kDiagramGridColumns> kHeaders = {
    " Точка № ", " Время ,с ", " Cкорость ,1/с ", " Cтат. момент,Н*м : ", " Ускорение ",
    " Момент инерции, кг-м:^2 ",
};

// Whether a cell counts as given: its text is anything but exactly "0".
bool Given(const TextGrid& grid, int row, int column)
{
    return grid.Cell(row, column) != "0";
}

double Number(const TextGrid& grid, int row, int column)
{
    return drive::ParseNumber(grid.Cell(row, column));
}

}  // namespace

TextGrid NewDiagramGrid()
{
    TextGrid grid(kDiagramGridRows, kDiagramGridColumns);
    InitDiagramGrid(grid);
    return grid;
}

void InitDiagramGrid(TextGrid& grid)
{
    for (int column = 0; column < kDiagramGridColumns; ++column)
        grid.SetCell(0, column, kHeaders[column]);
    for (int row = 1; row <= kGridPoints; ++row) {
        grid.SetCell(row, 0, std::string(10, ' ') + std::to_string(row));
        for (int column = kTimeColumn; column <= kInertiaColumn; ++column)
            grid.SetCell(row, column, "0");
    }
}

bool ReadDiagramGrid(const TextGrid& grid, AcWorkingData& data)
{
    try {
        for (int k = 1; k <= kGridPoints; ++k) {
            data.tachoPoints[k].time = Number(grid, k, kTimeColumn);
            data.tachoPoints[k].speed = Number(grid, k, kSpeedColumn);
            data.stretchLoads[k].staticTorque = Number(grid, k, kTorqueColumn);
            data.stretchLoads[k].inertia = Number(grid, k, kInertiaColumn);
        }
    } catch (const drive::ConversionError&) {
        return false;
    }
    return true;
}

bool GridToDiagram(const TextGrid& grid, AcWorkingData& data)
{
    const bool read = ReadDiagramGrid(grid, data);
    data.pointCount = kGridPoints;
    data.diagramEntered = true;
    return read;
}

void DiagramToGrid(AcWorkingData& data, TextGrid& grid)
{
    data.diagramEntered = false;
    for (int k = 1; k <= kGridPoints; ++k) {
        grid.SetCell(k, kTimeColumn, drive::FormatNumber(data.tachoPoints[k].time));
        grid.SetCell(k, kSpeedColumn, drive::FormatNumber(data.tachoPoints[k].speed));
        grid.SetCell(k, kTorqueColumn, drive::FormatNumber(data.stretchLoads[k].staticTorque));
        if (!Given(grid, k, kTimeColumn)) {
            grid.SetCell(k, kAccelerationColumn, "0");
        } else {
            const drive::Real acceleration =
                drive::Real(Number(grid, k, kSpeedColumn)) / Number(grid, k, kTimeColumn);
            grid.SetCell(k, kAccelerationColumn, drive::FormatNumber(acceleration.value()));
        }
        grid.SetCell(k, kInertiaColumn, drive::FormatNumber(data.stretchLoads[k].inertia));
    }
}

bool CompleteGridRows(TextGrid& grid, AcWorkingData& data)
{
    try {
        for (int k = 1; k <= kGridPoints; ++k) {
            const bool time = Given(grid, k, kTimeColumn);
            const bool speed = Given(grid, k, kSpeedColumn);
            const bool acceleration = Given(grid, k, kAccelerationColumn);
            if (time && speed) {
                const drive::Real a =
                    drive::Real(Number(grid, k, kSpeedColumn)) / Number(grid, k, kTimeColumn);
                grid.SetCell(k, kAccelerationColumn, drive::FormatNumber(a.value()));
                continue;
            }
            if (time && acceleration) {
                const drive::Real w =
                    drive::Real(Number(grid, k, kTimeColumn)) * Number(grid, k, kAccelerationColumn);
                grid.SetCell(k, kSpeedColumn, drive::FormatNumber(w.value()));
                continue;
            }
            if (speed && acceleration) {
                const drive::Real t =
                    drive::Real(Number(grid, k, kSpeedColumn)) / Number(grid, k, kAccelerationColumn);
                grid.SetCell(k, kTimeColumn, drive::FormatNumber(t.value()));
            }
            if (!GridToDiagram(grid, data))
                return false;
        }
    } catch (const drive::ConversionError&) {
        return false;
    }
    return true;
}

void ResetDiagram(TextGrid& grid, AcWorkingData& data)
{
    for (int k = 1; k <= kGridPoints; ++k) {
        for (int column = kTimeColumn; column <= kInertiaColumn; ++column)
            grid.SetCell(k, column, "0");
        data.tachoPoints[k] = TachoPoint{};
        data.stretchLoads[k] = StretchLoad{};
    }
}

void AcceptDiagram(AcWorkingData& data)
{
    data.pointCount = kGridPoints;
    data.diagramEntered = true;
}

bool OpenDiagramFile(TextGrid& grid, AcWorkingData& data, drive::FileDialogs& dialogs,
                     drive::Prompter& prompter)
{
    drive::LoadDiagramFile(grid, dialogs, prompter, drive::kAcTahFilter);
    return GridToDiagram(grid, data);
}

DiagramLoadResult LoadDiagramCommand(TextGrid& grid, AcWorkingData& data, drive::FileDialogs& dialogs,
                                     drive::Prompter& prompter)
{
    DiagramLoadResult result;
    result.load = drive::LoadDiagramFile(grid, dialogs, prompter, drive::kAcTahFilter);
    result.gridRead = ReadDiagramGrid(grid, data);
    data.diagramEntered = true;
    return result;
}

}  // namespace acdrive
