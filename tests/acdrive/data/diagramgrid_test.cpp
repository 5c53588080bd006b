#include "acdrive/data/diagramgrid.h"

#include <gtest/gtest.h>

#include "acdrive/data/sampledrive.h"
#include "common/errors.h"
#include "common/scriptedprompter.h"
#include "tests/support/testsupport.h"

namespace {

using acdrive::AcWorkingData;
using drive::TextGrid;

// Sets the time, speed and acceleration texts of a row.
void SetRow(TextGrid& grid, int row, const char* time, const char* speed, const char* acceleration)
{
    grid.SetCell(row, acdrive::kTimeColumn, time);
    grid.SetCell(row, acdrive::kSpeedColumn, speed);
    grid.SetCell(row, acdrive::kAccelerationColumn, acceleration);
}

// A data set whose load diagram holds 7 everywhere, so that untouched values show.
AcWorkingData MarkedData()
{
    AcWorkingData data;
    for (int k = 1; k <= acdrive::kArraySize; ++k) {
        data.tachoPoints[k] = {7, 7};
        data.stretchLoads[k] = {7, 7};
    }
    return data;
}

TEST(DiagramGrid, InitWritesHeadersRowLabelsAndZeros)
{
    const TextGrid grid = acdrive::NewDiagramGrid();
    ASSERT_EQ(grid.rowCount(), 32);
    ASSERT_EQ(grid.columnCount(), 6);
    EXPECT_EQ(grid.Cell(0, 0), " Точка № ");
    EXPECT_EQ(grid.Cell(0, 2), " Cкорость ,1/с ");  // the first letter is the Latin C
    EXPECT_EQ(grid.Cell(0, 5), " Момент инерции, кг-м:^2 ");
    EXPECT_EQ(grid.Cell(1, 0), "          1");
    EXPECT_EQ(grid.Cell(31, 0), "          31");
    for (int column = 1; column <= 5; ++column)
        EXPECT_EQ(grid.Cell(31, column), "0");
}

TEST(DiagramGrid, DiagramToGridWritesValuesAndAccelerationAndTheReadRestoresThem)
{
    AcWorkingData data;
    acdrive::FillSampleDrive(data);
    data.diagramEntered = true;
    TextGrid grid = acdrive::NewDiagramGrid();
    acdrive::DiagramToGrid(data, grid);

    EXPECT_FALSE(data.diagramEntered);
    const std::vector<std::string> row2 = {grid.Cell(2, 1), grid.Cell(2, 2), grid.Cell(2, 3), grid.Cell(2, 4),
                                           grid.Cell(2, 5)};
    EXPECT_EQ(row2, (std::vector<std::string>{"0,576", "98", "30", "170,138888888889", "0,5"}));
    EXPECT_EQ(grid.Cell(1, acdrive::kAccelerationColumn), "0");  // time "0": no division
    EXPECT_EQ(grid.Cell(5, acdrive::kAccelerationColumn), "-12,5");
    EXPECT_EQ(grid.Cell(31, acdrive::kAccelerationColumn), "0");

    AcWorkingData read = MarkedData();
    ASSERT_TRUE(acdrive::GridToDiagram(grid, read));
    EXPECT_EQ(read.pointCount, 31);
    EXPECT_TRUE(read.diagramEntered);
    for (int k = 1; k <= acdrive::kGridPoints; ++k) {
        EXPECT_EQ(read.tachoPoints[k].time, data.tachoPoints[k].time);
        EXPECT_EQ(read.tachoPoints[k].speed, data.tachoPoints[k].speed);
        EXPECT_EQ(read.stretchLoads[k].staticTorque, data.stretchLoads[k].staticTorque);
        EXPECT_EQ(read.stretchLoads[k].inertia, data.stretchLoads[k].inertia);
    }
    EXPECT_EQ(read.tachoPoints[32].time, 7);  // the grid reaches point 31 only
}

// Reading stops at the first cell that is not a number; what was read before stays, and the
// read still sets the point count and the entry flag.
TEST(DiagramGrid, GridToDiagramStopsAtABadCell)
{
    TextGrid grid = acdrive::NewDiagramGrid();
    SetRow(grid, 1, "1", "2", "never read");
    SetRow(grid, 2, "3", "1.5", "0");
    AcWorkingData data = MarkedData();
    EXPECT_FALSE(acdrive::GridToDiagram(grid, data));
    EXPECT_EQ(data.tachoPoints[1].speed, 2);
    EXPECT_EQ(data.stretchLoads[1].inertia, 0);
    EXPECT_EQ(data.tachoPoints[2].time, 3);
    EXPECT_EQ(data.tachoPoints[2].speed, 7);
    EXPECT_EQ(data.stretchLoads[2].staticTorque, 7);
    EXPECT_EQ(data.tachoPoints[3].time, 7);
    EXPECT_EQ(data.pointCount, 31);
    EXPECT_TRUE(data.diagramEntered);
}

TEST(DiagramGrid, CompletionFillsTheMissingValueOfEachRow)
{
    TextGrid grid = acdrive::NewDiagramGrid();
    SetRow(grid, 1, "2", "10", "0");     // time and speed: the acceleration
    SetRow(grid, 2, "2", "0", "5");      // time and acceleration: the speed
    SetRow(grid, 3, "0", "10", "4");     // speed and acceleration: the time
    SetRow(grid, 4, "0", "10", "0");     // time "0": no acceleration
    SetRow(grid, 5, "0,5", "-3", "9");   // all three given: the acceleration is recomputed
    AcWorkingData data = MarkedData();
    ASSERT_TRUE(acdrive::CompleteGridRows(grid, data));

    EXPECT_EQ(grid.Cell(1, acdrive::kAccelerationColumn), "5");
    EXPECT_EQ(grid.Cell(2, acdrive::kSpeedColumn), "10");
    EXPECT_EQ(grid.Cell(3, acdrive::kTimeColumn), "2,5");
    EXPECT_EQ(grid.Cell(4, acdrive::kAccelerationColumn), "0");
    EXPECT_EQ(grid.Cell(5, acdrive::kAccelerationColumn), "-6");
    // Rows with fewer than two values given read the grid into the data set.
    EXPECT_EQ(data.tachoPoints[3].time, 2.5);
    EXPECT_EQ(data.tachoPoints[5].speed, -3);
    EXPECT_EQ(data.pointCount, 31);
    EXPECT_TRUE(data.diagramEntered);
}

TEST(DiagramGrid, CompletionOfFullRowsDoesNotReadTheGrid)
{
    TextGrid grid = acdrive::NewDiagramGrid();
    for (int k = 1; k <= acdrive::kGridPoints; ++k)
        SetRow(grid, k, "1", "2", "0");
    AcWorkingData data = MarkedData();
    ASSERT_TRUE(acdrive::CompleteGridRows(grid, data));
    EXPECT_EQ(grid.Cell(31, acdrive::kAccelerationColumn), "2");
    EXPECT_EQ(data.tachoPoints[1].time, 7);
    EXPECT_EQ(data.pointCount, 0);
}

TEST(DiagramGrid, CompletionEndsAtATextThatIsNotANumber)
{
    TextGrid grid = acdrive::NewDiagramGrid();
    SetRow(grid, 1, "2", "10", "0");
    SetRow(grid, 2, "1.5", "3", "0");
    SetRow(grid, 3, "4", "8", "0");
    AcWorkingData data;
    EXPECT_FALSE(acdrive::CompleteGridRows(grid, data));
    EXPECT_EQ(grid.Cell(1, acdrive::kAccelerationColumn), "5");
    EXPECT_EQ(grid.Cell(3, acdrive::kAccelerationColumn), "0");
}

struct DivisionCase {
    const char* name;
    const char* time;
    const char* speed;
    const char* acceleration;
    const char* message;
};

void PrintTo(const DivisionCase& c, std::ostream* os)
{
    *os << c.name;
}

class DiagramGridDivision : public ::testing::TestWithParam<DivisionCase> {};

// A zero written other than "0" counts as given and the division fails; the rows after it are
// neither completed nor read into the data set.
TEST_P(DiagramGridDivision, FailedDivisionEndsTheCompletion)
{
    const DivisionCase& c = GetParam();
    TextGrid grid = acdrive::NewDiagramGrid();
    SetRow(grid, 1, "2", "10", "0");
    SetRow(grid, 2, c.time, c.speed, c.acceleration);
    SetRow(grid, 3, "4", "8", "0");
    AcWorkingData data = MarkedData();
    try {
        (void)acdrive::CompleteGridRows(grid, data);
        ADD_FAILURE() << "no arithmetic error";
    } catch (const drive::ArithmeticError& e) {
        EXPECT_STREQ(e.what(), c.message);
    }
    EXPECT_EQ(grid.Cell(1, acdrive::kAccelerationColumn), "5");
    EXPECT_EQ(grid.Cell(3, acdrive::kAccelerationColumn), "0");
    EXPECT_EQ(data.tachoPoints[1].time, 7);
    EXPECT_EQ(data.pointCount, 0);
    EXPECT_FALSE(data.diagramEntered);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DiagramGridDivision,
    ::testing::Values(
        DivisionCase{"speed_over_a_time_of_0_0", "0,0", "10", "0", "Floating point division by zero"},
        DivisionCase{"zero_speed_over_a_time_of_0_0", "0,0", "0,0", "0", "Invalid floating point operation"},
        DivisionCase{"speed_over_an_acceleration_of_0_0", "0", "10", "0,0", "Floating point division by zero"}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(DiagramGrid, ResetZerosGridAndDiagramButKeepsCountAndFlag)
{
    TextGrid grid = acdrive::NewDiagramGrid();
    SetRow(grid, 31, "1", "2", "3");
    AcWorkingData data = MarkedData();
    data.pointCount = 4;
    data.diagramEntered = true;
    acdrive::ResetDiagram(grid, data);
    EXPECT_EQ(grid.Cell(31, acdrive::kAccelerationColumn), "0");
    EXPECT_EQ(data.tachoPoints[31].speed, 0);
    EXPECT_EQ(data.stretchLoads[1].inertia, 0);
    EXPECT_EQ(data.tachoPoints[32].time, 7);
    EXPECT_EQ(data.pointCount, 4);
    EXPECT_TRUE(data.diagramEntered);
}

TEST(DiagramGrid, AcceptSetsThirtyOnePointsWithoutReadingTheGrid)
{
    AcWorkingData data = MarkedData();
    acdrive::AcceptDiagram(data);
    EXPECT_EQ(data.pointCount, 31);
    EXPECT_TRUE(data.diagramEntered);
    EXPECT_EQ(data.tachoPoints[1].time, 7);
}

TEST(DiagramGrid, OpenButtonLoadsTheFileAndReadsTheGrid)
{
    TextGrid grid = acdrive::NewDiagramGrid();
    drive::FixedFileDialogs dialogs;
    dialogs.openName = drivetest::DataPath("sample-four-points.tah");
    drive::ScriptedPrompter prompter;
    AcWorkingData data;
    ASSERT_TRUE(acdrive::OpenDiagramFile(grid, data, dialogs, prompter));
    EXPECT_EQ(data.pointCount, 31);
    acdrive::CountPoints(data);
    EXPECT_EQ(data.pointCount, 4);

    AcWorkingData sample;
    acdrive::FillSampleDrive(sample);
    for (int k = 1; k <= 4; ++k) {
        EXPECT_EQ(data.tachoPoints[k].time, sample.tachoPoints[k].time);
        EXPECT_EQ(data.tachoPoints[k].speed, sample.tachoPoints[k].speed);
        EXPECT_EQ(data.stretchLoads[k].staticTorque, sample.stretchLoads[k].staticTorque);
        EXPECT_EQ(data.stretchLoads[k].inertia, sample.stretchLoads[k].inertia);
    }
    EXPECT_EQ(grid.Cell(2, acdrive::kAccelerationColumn), "170,138888888889");
}

// The main window's load reads the grid without touching the point count, also when the
// dialog was cancelled.
TEST(DiagramGrid, MainWindowLoadKeepsThePointCount)
{
    for (const bool cancelled : {false, true}) {
        TextGrid grid = acdrive::NewDiagramGrid();
        drive::FixedFileDialogs dialogs;
        if (!cancelled)
            dialogs.openName = drivetest::DataPath("sample-four-points.tah");
        drive::ScriptedPrompter prompter;
        AcWorkingData data = MarkedData();
        data.pointCount = 4;
        const acdrive::DiagramLoadResult result = acdrive::LoadDiagramCommand(grid, data, dialogs, prompter);
        EXPECT_EQ(result.load, cancelled ? drive::DiagramLoad::Cancelled : drive::DiagramLoad::Loaded);
        EXPECT_TRUE(result.gridRead);
        EXPECT_EQ(data.pointCount, 4);
        EXPECT_TRUE(data.diagramEntered);
        EXPECT_EQ(data.tachoPoints[2].speed, cancelled ? 0 : 98);
    }
}

}  // namespace
