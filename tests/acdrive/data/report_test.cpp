#include "acdrive/data/report.h"

#include <gtest/gtest.h>

#include "acdrive/data/sampledrive.h"
#include "tests/support/testsupport.h"

namespace {

using namespace acdrive;

struct ClassCase {
    const char* name;
    double start, end;
    int kind;
};

class ClassifyStretchTable : public ::testing::TestWithParam<ClassCase> {};

TEST_P(ClassifyStretchTable, GivesTheClass)
{
    EXPECT_EQ(ClassifyStretch(GetParam().start, GetParam().end), GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Table, ClassifyStretchTable,
                         ::testing::Values(ClassCase{"reversal", 98, -100, kReversal},
                                           ClassCase{"standstill", 0, 0, kSteady},
                                           ClassCase{"start_in_reverse", 0, -100, kAcceleration},
                                           ClassCase{"stop_from_reverse", -100, 0, kDeceleration},
                                           ClassCase{"slowing_in_reverse", -100, -98, kDeceleration},
                                           ClassCase{"steady_run", 98, 98, kSteady}),
                         drivetest::CaseName());

TEST(SampleDrive, StretchesAreStartSteadyStopAndTheReverseRunRepeatsThem)
{
    AcWorkingData d;
    FillSampleDrive(d);
    EXPECT_EQ(d.pointCount, 4);
    EXPECT_EQ(d.startMode, 1);
    const int expected[] = {kAcceleration, kSteady, kDeceleration, kAcceleration, kSteady, kDeceleration};
    for (int i = 1; i <= 6; ++i)
        EXPECT_EQ(ClassifyStretch(d.tachoPoints[i].speed, d.tachoPoints[i + 1].speed), expected[i - 1]) << i;
    CountPoints(d);
    EXPECT_EQ(d.pointCount, 7) << "points 1 .. 7 are not all zero";
}

TEST(CountPoints, CountsEveryAllZeroIndexWherever)
{
    AcWorkingData d;
    for (int k = 1; k <= 5; ++k)
        d.tachoPoints[k] = {double(k), 10};
    d.tachoPoints[3] = {};  // an all-zero row in the middle
    d.stretchLoads[40].inertia = 1;  // beyond the grid: not looked at
    CountPoints(d);
    EXPECT_EQ(d.pointCount, 4) << "one lower than the index of the last used row";
}

TEST(PrintResults, FilesTheMethodTableAndAppendsTheReport)
{
    AcWorkingData d;
    d.methodTitle = kMethodTitles[3];
    d.pointCount = 3;
    d.stretchLabels[1] = "пуск";
    d.stretchEfficiency[1] = 0.8523;
    d.stretchActivePower[1] = 12345.678;
    d.stretchPowerFactor[2] = -0.001;
    d.methodResults[3].rows[1][5] = 7;  // a column beyond this run keeps its value

    drive::LineBuffer pane;
    pane.AppendLine("earlier report");
    PrintResults(d, pane);

    const std::vector<std::string> expected = {
        "earlier report",
        "",
        "=================================================",
        "Регулирование переменного напряжения\rв цепи статора",
        "=================================================",
        "пуск",
        "КПД = 0,85   cos f = 0,00   P = 12345,70   Q = 0,00",
        "",
        "КПД = 0,00   cos f = 0,00   P = 0,00   Q = 0,00",
    };
    EXPECT_EQ(pane.lines(), expected);
    EXPECT_EQ(d.methodResults[3].rows[1][1], 0.8523);
    EXPECT_EQ(d.methodResults[3].rows[3][1], 12345.678);
    EXPECT_EQ(d.methodResults[3].rows[1][5], 7);
    EXPECT_EQ(d.methodResults[1].rows[1][1], 0) << "other methods' tables are untouched";
}

TEST(PrintResults, WithoutStretchesPrintsOnlyTheHeadingAndAnUnknownTitleFilesNothing)
{
    AcWorkingData d;
    d.methodTitle = "не метод";
    d.pointCount = 1;
    d.stretchEfficiency[1] = 0.5;
    drive::LineBuffer pane;
    PrintResults(d, pane);
    EXPECT_EQ(pane.lines().size(), 4u);
    for (int m = 1; m <= kMethodCount; ++m)
        EXPECT_EQ(d.methodResults[m].rows[1][1], 0);
}

}  // namespace
