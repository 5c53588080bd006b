#include "common/errors.h"
#include "common/filebytes.h"
#include "common/scriptedprompter.h"
#include "dcdrive/data/tachogrid.h"
#include "tests/dcdrive/dcsetup.h"
#include "tests/support/testsupport.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

using dcdrive::DcWorkingData;
using drive::TextGrid;

void FillRow(TextGrid& grid, int row, const std::string& time, const std::string& speed)
{
    grid.SetCell(row, 1, time);
    grid.SetCell(row, 2, speed);
}

struct CountCase {
    const char* name;
    std::function<void(TextGrid&)> type;
    int expected;
};

void PrintTo(const CountCase& row, std::ostream* out)
{
    *out << row.name;
}

class CountTachoPointsTest : public testing::TestWithParam<CountCase> { };

TEST_P(CountTachoPointsTest, CountsRowsNotEntirelyZero)
{
    TextGrid grid = dcdrive::MakeTachoGrid();
    GetParam().type(grid);
    DcWorkingData data;
    dcdrive::CountTachoPoints(grid, data);
    EXPECT_EQ(data.tachoPointCount, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Rows, CountTachoPointsTest,
    testing::Values(CountCase { "fresh_grid_counts_one", [](TextGrid&) {}, 1 },
        CountCase { "usual_entry_after_all_zero_first_row",
            [](TextGrid& g) {
                FillRow(g, 2, "2", "100");
                FillRow(g, 3, "12", "100");
                FillRow(g, 4, "14", "0");
            },
            4 },
        CountCase { "first_row_with_an_inertia_counts_too",
            [](TextGrid& g) {
                g.SetCell(1, 5, "0,12");
                FillRow(g, 2, "2", "100");
                FillRow(g, 3, "12", "100");
                FillRow(g, 4, "14", "0");
            },
            5 },
        CountCase { "an_all_zero_row_in_a_gap_lowers_the_count",
            [](TextGrid& g) {
                FillRow(g, 2, "2", "100");
                FillRow(g, 3, "12", "100");
                FillRow(g, 5, "14", "0");
            },
            4 },
        CountCase { "zero_written_otherwise_is_not_zero", [](TextGrid& g) { g.SetCell(7, 4, "0,0"); }, 2 },
        CountCase { "an_empty_cell_is_not_zero", [](TextGrid& g) { g.SetCell(9, 3, ""); }, 2 },
        CountCase { "fifty_full_rows_count_fifty_one",
            [](TextGrid& g) {
                for (int row = 1; row <= 50; ++row)
                    FillRow(g, row, std::to_string(row), "10");
            },
            51 }),
    drivetest::CaseName());

TEST(AcceptTachogram, StoresTheUsualEntryAndKeepsLaterElements)
{
    DcWorkingData data;
    data.tachoTime[4] = 99;
    data.tachoSpeed[4] = 99;
    drive::ScriptedPrompter prompter;
    const TextGrid grid = dctest::GridWithPoints({ { "2", "100" }, { "5", "-40,5" }, { "3", "0" } });
    ASSERT_TRUE(dcdrive::AcceptTachogram(grid, data, prompter));
    EXPECT_EQ(data.tachoPointCount, 4);
    EXPECT_EQ(data.tachoMaxSpeed, 100);
    EXPECT_TRUE(data.tachoTimesValid);
    const double times[] = { 0, 2, 5, 3, 99 };
    const double speeds[] = { 0, 100, -40.5, 0, 99 };
    for (std::size_t k = 0; k < 5; ++k) {
        EXPECT_EQ(data.tachoTime[k], times[k]) << k;
        EXPECT_EQ(data.tachoSpeed[k], speeds[k]) << k;
    }
    EXPECT_TRUE(prompter.notices().empty());
}

TEST(AcceptTachogram, EqualAdjacentTimesAreRefusedWithTheirRows)
{
    DcWorkingData data;
    drive::ScriptedPrompter prompter;
    const TextGrid grid
        = dctest::GridWithPoints({ { "2", "100" }, { "4", "100" }, { "4", "0" }, { "9", "0" } });
    EXPECT_FALSE(dcdrive::AcceptTachogram(grid, data, prompter));
    EXPECT_FALSE(data.tachoTimesValid);
    EXPECT_EQ(data.tachoPointCount, 5);
    EXPECT_EQ(data.tachoTime[1], 0);
    ASSERT_EQ(prompter.notices().size(), 1u);
    EXPECT_EQ(
        prompter.notices()[0], "У вас одному и томуже времени соответствуют 2 точки тахограммы ( 3 и 4 )");

    EXPECT_FALSE(dcdrive::DrawTachogram(grid, data, prompter).has_value());
    EXPECT_EQ(prompter.notices().size(), 2u);
}

TEST(AcceptTachogram, FiftyFullRowsFailAtTheEmptyRowBeyondAndStoreNothing)
{
    TextGrid grid = dcdrive::MakeTachoGrid();
    for (int row = 1; row <= 50; ++row)
        FillRow(grid, row, std::to_string(row), "10");
    DcWorkingData data;
    drive::ScriptedPrompter prompter;
    EXPECT_THROW(dcdrive::AcceptTachogram(grid, data, prompter), drive::ConversionError);
    EXPECT_EQ(data.tachoPointCount, 51);
    EXPECT_EQ(data.tachoTime[0], 0);
}

TEST(AcceptTachogram, ANonNumericCellStopsTheAcceptAfterTheCount)
{
    TextGrid grid = dctest::GridWithPoints({ { "2", "1.5" } });
    DcWorkingData data;
    drive::ScriptedPrompter prompter;
    EXPECT_THROW(dcdrive::AcceptTachogram(grid, data, prompter), drive::ConversionError);
    EXPECT_EQ(data.tachoPointCount, 2);
}

TEST(DrawTachogram, AimsTheAxisOneBeyondTheSignedExtremesAndSortsByTime)
{
    DcWorkingData data;
    drive::ScriptedPrompter prompter;
    const TextGrid grid = dctest::GridWithPoints({ { "5", "60" }, { "3", "-20" }, { "8", "0" } });
    const std::optional<dcdrive::TachoChart> chart = dcdrive::DrawTachogram(grid, data, prompter);
    ASSERT_TRUE(chart.has_value());
    EXPECT_EQ(chart->axisMaximum, 61);
    EXPECT_EQ(chart->axisMinimum, -21);
    EXPECT_EQ(data.tachoMinSpeed, -20);
    ASSERT_EQ(chart->points.size(), 4u);
    const double times[] = { 0, 3, 5, 8 };
    const double speeds[] = { 0, -20, 60, 0 };
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(chart->points[k].time, times[k]);
        EXPECT_EQ(chart->points[k].speed, speeds[k]);
    }

    const std::optional<dcdrive::TachoChart> fresh
        = dcdrive::DrawTachogram(dcdrive::MakeTachoGrid(), data, prompter);
    ASSERT_TRUE(fresh.has_value());
    EXPECT_EQ(fresh->axisMaximum, 1);
    EXPECT_EQ(fresh->axisMinimum, -1);
    EXPECT_EQ(fresh->points.size(), 1u);
}

TEST(TachoGrid, CreationAndResetFillTheCellsAndLeaveThePoints)
{
    TextGrid grid = dcdrive::MakeTachoGrid();
    EXPECT_EQ(grid.Cell(0, 2), "  Скорость, 1/c");
    EXPECT_EQ(grid.Cell(12, 0), "        12");
    DcWorkingData data;
    drive::ScriptedPrompter prompter;
    grid = dctest::GridWithPoints({ { "2", "100" } });
    ASSERT_TRUE(dcdrive::AcceptTachogram(grid, data, prompter));
    dcdrive::ResetTachoGrid(grid);
    for (int row = 1; row <= 50; ++row) {
        for (int column = 1; column <= 5; ++column)
            ASSERT_EQ(grid.Cell(row, column), "0");
    }
    EXPECT_EQ(data.tachoSpeed[1], 100);
    EXPECT_EQ(data.tachoPointCount, 2);
}

TEST(TachoFile, SavesThirtyOneRowsAndLoadsLongerFilesIntoFurtherRows)
{
    const std::string dir = drivetest::ScratchDir();
    TextGrid grid = dcdrive::MakeTachoGrid();
    FillRow(grid, 40, "77", "7");
    drive::FixedFileDialogs dialogs;
    dialogs.saveName = dir + "/cycle";
    drive::ScriptedPrompter prompter;
    ASSERT_TRUE(dcdrive::SaveTachoFile(grid, dialogs, prompter));
    EXPECT_EQ(std::filesystem::file_size(dir + "/cycle.tah"), 1240u);

    std::string bytes;
    for (int row = 1; row <= 40; ++row) {
        for (int column = 1; column <= 5; ++column)
            drive::AppendDouble(bytes, row * 10 + column);
    }
    std::ofstream(dir + "/long.tah", std::ios::binary) << bytes;
    dialogs.openName = dir + "/long.tah";
    TextGrid loaded = dcdrive::MakeTachoGrid();
    EXPECT_EQ(dcdrive::LoadTachoFile(loaded, dialogs, prompter), drive::DiagramLoad::Loaded);
    EXPECT_EQ(loaded.Cell(40, 5), "405");
    EXPECT_EQ(loaded.Cell(41, 1), "0");
}

TEST(ChartPictureFileName, AppendsBmpUnlessTheNameEndsInIt)
{
    EXPECT_EQ(dcdrive::ChartPictureFileName("curve.BMP"), "curve.BMP");
    EXPECT_EQ(dcdrive::ChartPictureFileName("curve"), "curve.bmp");
    EXPECT_EQ(dcdrive::ChartPictureFileName("curve.txt"), "curve.txt.bmp");
    EXPECT_EQ(dcdrive::ChartPictureFileName("pictures.bmp/curve"), "pictures.bmp/curve.bmp");
}

} // namespace
