#include "common/tahfile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <limits>
#include <random>
#include <string>

#include "common/errors.h"
#include "common/filebytes.h"
#include "common/numbertext.h"
#include "common/scriptedprompter.h"
#include "tests/support/testsupport.h"

namespace {

namespace fs = std::filesystem;
using drive::DiagramLoad;
using drive::FixedFileDialogs;
using drive::ScriptedPrompter;
using drive::TextGrid;

constexpr int kAcGridRows = 32;  // header row and 31 data rows
constexpr int kDcGridRows = 51;  // header row and 50 data rows
constexpr const char* kFilter = drive::kAcTahFilter;
constexpr const char* kReadError = "Произошла ошибка при чтении файла";

std::string FileBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::size_t FilesIn(const std::string& dir)
{
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir), fs::directory_iterator()));
}

// A grid whose every cell (headers and labels included) holds `text`.
TextGrid GridOf(int rows, const std::string& text)
{
    TextGrid grid(rows, 6);
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 6; ++c)
            grid.SetCell(r, c, text);
    }
    return grid;
}

// Value number i of a test file: distinct, with a fraction, so a misplaced value shows.
double ValueNumber(std::size_t i)
{
    return static_cast<double>(i) + 0.25;
}

// A file of `bytes` bytes holding values 0, 1, 2, ... (the last one cut short if need be).
std::string NumberedFile(std::size_t bytes)
{
    std::string content;
    for (std::size_t i = 0; content.size() < bytes; ++i)
        drive::AppendDouble(content, ValueNumber(i));
    content.resize(bytes);
    return content;
}

TEST(TahFile, SaveWritesRowsOneToThirtyOneAndLoadsBackTheSameTexts)
{
    const std::string dir = drivetest::ScratchDir();
    TextGrid grid = GridOf(kAcGridRows, "0");
    const std::string texts[] = {"0,576", "-100", "98", "1,5E-7", "12345,678"};
    for (int r = 1; r < kAcGridRows; ++r) {
        for (int c = 1; c <= 5; ++c)
            grid.SetCell(r, c, texts[(r + c) % 5]);
    }
    grid.SetCell(31, 4, "170,138888888889");  // the acceleration column is saved too

    FixedFileDialogs dialogs;
    dialogs.saveName = dir + "/diagram";
    ScriptedPrompter prompter;
    ASSERT_TRUE(drive::SaveDiagramFile(grid, dialogs, prompter, kFilter));

    const std::string bytes = FileBytes(dir + "/diagram.tah");
    ASSERT_EQ(bytes.size(), 1240u);
    EXPECT_EQ(drive::DoubleAt(bytes, 0), 98.0);                 // row 1, column 1
    EXPECT_EQ(drive::DoubleAt(bytes, 40 + 8), 12345.678);       // row 2, column 2
    EXPECT_EQ(drive::DoubleAt(bytes, 1240 - 16), 170.138888888889);  // row 31, column 4

    TextGrid loaded = GridOf(kAcGridRows, "0");
    dialogs.openName = dir + "/diagram.tah";
    EXPECT_EQ(drive::LoadDiagramFile(loaded, dialogs, prompter, kFilter), DiagramLoad::Loaded);
    for (int r = 1; r < kAcGridRows; ++r) {
        for (int c = 1; c <= 5; ++c)
            EXPECT_EQ(loaded.Cell(r, c), grid.Cell(r, c)) << "row " << r << ", column " << c;
    }
    EXPECT_TRUE(prompter.notices().empty());
    EXPECT_TRUE(prompter.questions().empty());
}

TEST(TahFile, SaveAppendsTheSuffixEvenWhenTheNameHasIt)
{
    const std::string dir = drivetest::ScratchDir();
    FixedFileDialogs dialogs;
    dialogs.saveName = dir + "/cycle.tah";
    ScriptedPrompter prompter;
    ASSERT_TRUE(drive::SaveDiagramFile(GridOf(kAcGridRows, "0"), dialogs, prompter, kFilter));
    EXPECT_TRUE(fs::exists(dir + "/cycle.tah.tah"));
    EXPECT_FALSE(fs::exists(dir + "/cycle.tah"));
}

TEST(TahFile, CancelledOrEmptyNameSavesAndLoadsNothing)
{
    const std::string dir = drivetest::ScratchDir();
    using Name = std::optional<std::string>;
    for (const Name& name : {Name(), Name("")}) {
        FixedFileDialogs dialogs;
        dialogs.saveName = name;
        dialogs.openName = name;
        ScriptedPrompter prompter;
        TextGrid grid = GridOf(kAcGridRows, "old");
        EXPECT_FALSE(drive::SaveDiagramFile(GridOf(kAcGridRows, "0"), dialogs, prompter, kFilter));
        EXPECT_EQ(drive::LoadDiagramFile(grid, dialogs, prompter, kFilter), DiagramLoad::Cancelled);
        EXPECT_EQ(grid.Cell(1, 1), "old");
        EXPECT_TRUE(prompter.notices().empty());
        EXPECT_TRUE(prompter.questions().empty());
    }
    EXPECT_EQ(FilesIn(dir), 0u);
}

struct OverwriteCase {
    const char* name;
    const char* answer;          // to "Такой фаил уже существует вы хотите его заменить?"
    const char* cell;            // the text of row 7, column 3
    bool written;
};

void PrintTo(const OverwriteCase& c, std::ostream* os)
{
    *os << c.name;
}

class TahFileOverwrite : public ::testing::TestWithParam<OverwriteCase> {};

// An existing file is replaced only after Yes, and only by a complete file: a cell that is not
// a number stops the save before anything is written.
TEST_P(TahFileOverwrite, ExistingFileIsReplacedWholeOrNotAtAll)
{
    const OverwriteCase& c = GetParam();
    const std::string dir = drivetest::ScratchDir();
    const std::string path = dir + "/old.tah";
    const std::string oldBytes = NumberedFile(200);
    WriteBytes(path, oldBytes);

    TextGrid grid = GridOf(kAcGridRows, "1");
    grid.SetCell(7, 3, c.cell);
    FixedFileDialogs dialogs;
    dialogs.saveName = dir + "/old";
    ScriptedPrompter prompter({c.answer});

    bool written = false;
    std::string error;
    try {
        written = drive::SaveDiagramFile(grid, dialogs, prompter, kFilter);
    } catch (const drive::ConversionError& e) {
        error = e.what();
    }
    ASSERT_EQ(prompter.questions().size(), 1u);
    EXPECT_EQ(prompter.questions()[0].text, "Такой фаил уже существует вы хотите его заменить?");
    EXPECT_EQ(written, c.written);
    if (c.written) {
        EXPECT_EQ(FileBytes(path).size(), 1240u);
    } else {
        EXPECT_EQ(FileBytes(path), oldBytes);
    }
    if (std::string(c.cell) != "1") {
        EXPECT_EQ(error, "'" + std::string(c.cell) + "' is not a valid floating point value");
    }
    EXPECT_EQ(FilesIn(dir), 1u) << "a temporary file was left behind";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TahFileOverwrite,
    ::testing::Values(OverwriteCase{"answered_No_leaves_the_file_as_it_was", "n", "1", false},
                      OverwriteCase{"answered_Yes_replaces_it_with_31_rows", "y", "1", true},
                      OverwriteCase{"point_as_decimal_separator_writes_nothing", "y", "1.5", false},
                      OverwriteCase{"empty_cell_writes_nothing", "y", "", false}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TahFile, UnparsableCellCreatesNoFile)
{
    const std::string dir = drivetest::ScratchDir();
    TextGrid grid = GridOf(kAcGridRows, "0");
    grid.SetCell(31, 5, "x");
    FixedFileDialogs dialogs;
    dialogs.saveName = dir + "/new";
    ScriptedPrompter prompter;
    EXPECT_THROW(drive::SaveDiagramFile(grid, dialogs, prompter, kFilter), drive::ConversionError);
    EXPECT_EQ(FilesIn(dir), 0u);
}

TEST(TahFile, DcGridSavesRowsOneToThirtyOneAndLoadsLongerFilesIntoItsLaterRows)
{
    const std::string dir = drivetest::ScratchDir();
    TextGrid grid = GridOf(kDcGridRows, "2");
    grid.SetCell(40, 1, "not saved");
    FixedFileDialogs dialogs;
    dialogs.saveName = dir + "/dc";
    ScriptedPrompter prompter;
    ASSERT_TRUE(drive::SaveDiagramFile(grid, dialogs, prompter, drive::kDcTahFilter));
    EXPECT_EQ(FileBytes(dir + "/dc.tah").size(), 1240u);

    WriteBytes(dir + "/long.tah", NumberedFile(45 * 40));
    TextGrid loaded = GridOf(kDcGridRows, "old");
    EXPECT_EQ(drive::LoadDiagramFileNamed(loaded, prompter, dir + "/long.tah"), DiagramLoad::Loaded);
    EXPECT_EQ(loaded.Cell(45, 5), drive::FormatNumber(ValueNumber(45 * 5 - 1)));
    EXPECT_EQ(loaded.Cell(46, 1), "old");
}

struct LoadCase {
    const char* name;
    std::size_t bytes;
    DiagramLoad result;
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.name;
}

class TahFileLoad : public ::testing::TestWithParam<LoadCase> {};

// Whole values fill the grid row by row from row 1; cells the file does not reach keep their
// text; only a file that ends inside a row (not inside a value) is a read error.
TEST_P(TahFileLoad, FillsTheCellsItReachesAndKeepsTheRest)
{
    const LoadCase& c = GetParam();
    const std::string dir = drivetest::ScratchDir();
    const std::string path = dir + "/load.tah";
    WriteBytes(path, NumberedFile(c.bytes));

    TextGrid grid = GridOf(kAcGridRows, "old");
    FixedFileDialogs dialogs;
    dialogs.openName = path;
    ScriptedPrompter prompter;
    EXPECT_EQ(drive::LoadDiagramFile(grid, dialogs, prompter, kFilter), c.result);

    const std::size_t values = c.bytes / 8;
    for (int r = 0; r < kAcGridRows; ++r) {
        for (int c2 = 0; c2 < 6; ++c2) {
            const std::size_t index = static_cast<std::size_t>((r - 1) * 5 + (c2 - 1));
            const bool reached = r >= 1 && c2 >= 1 && index < values;
            EXPECT_EQ(grid.Cell(r, c2), reached ? drive::FormatNumber(ValueNumber(index)) : "old")
                << "row " << r << ", column " << c2;
        }
    }
    if (c.result == DiagramLoad::ReadError)
        EXPECT_EQ(prompter.notices(), std::vector<std::string>{kReadError});
    else
        EXPECT_TRUE(prompter.notices().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TahFileLoad,
    ::testing::Values(LoadCase{"ten_rows_change_rows_one_to_ten_only", 400, DiagramLoad::Loaded},
                      LoadCase{"a_stray_byte_after_a_whole_row_is_ignored", 41, DiagramLoad::Loaded},
                      LoadCase{"a_file_ending_inside_row_two_is_a_read_error", 48, DiagramLoad::ReadError},
                      LoadCase{"seven_bytes_make_no_value", 7, DiagramLoad::Loaded},
                      LoadCase{"an_empty_file_changes_nothing", 0, DiagramLoad::Loaded},
                      LoadCase{"rows_beyond_thirty_one_are_read_without_effect", 40 * 40 + 3,
                               DiagramLoad::Loaded},
                      LoadCase{"ending_inside_a_row_beyond_the_grid_is_still_a_read_error", 35 * 40 + 16,
                               DiagramLoad::ReadError}),
    [](const auto& test) { return std::string(test.param.name); });

TEST(TahFile, FileThatCannotBeOpenedIsReportedWithItsName)
{
    const std::string dir = drivetest::ScratchDir();
    for (const std::string& name : {dir + "/missing.tah", dir}) {
        TextGrid grid = GridOf(kAcGridRows, "old");
        ScriptedPrompter prompter;
        EXPECT_EQ(drive::LoadDiagramFileNamed(grid, prompter, name), DiagramLoad::CannotOpen);
        EXPECT_EQ(prompter.notices(), std::vector<std::string>{"Не могу открыть фаил: " + name});
        EXPECT_EQ(grid.Cell(1, 1), "old");
    }
}

// Any bytes at all load without a crash: every cell reached gets a text (NaN and infinite
// values included), and the result depends only on whether the file ends inside a row.
TEST(TahFile, RandomBytesOfAnyLengthLoadSafely)
{
    const std::string dir = drivetest::ScratchDir();
    const std::string path = dir + "/random.tah";
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    const std::size_t lengths[] = {1, 8, 39, 40, 47, 123, 1240, 1241, 1248, 5003};
    for (std::size_t length : lengths) {
        std::string bytes;
        for (std::size_t k = 0; k < length; ++k)
            bytes.push_back(static_cast<char>(byte(random)));
        WriteBytes(path, bytes);
        TextGrid grid = GridOf(kAcGridRows, "old");
        ScriptedPrompter prompter;
        const bool endsInsideRow = (length / 8) % 5 != 0;
        EXPECT_EQ(drive::LoadDiagramFileNamed(grid, prompter, path),
                  endsInsideRow ? DiagramLoad::ReadError : DiagramLoad::Loaded)
            << length << " bytes";
        if (length >= 8) {
            EXPECT_FALSE(grid.Cell(1, 1).empty());
        }
    }
    std::string special;
    using Limits = std::numeric_limits<double>;
    for (double v : {Limits::quiet_NaN(), Limits::infinity(), -Limits::infinity(), Limits::denorm_min(), -0.0})
        drive::AppendDouble(special, v);
    WriteBytes(path, special);
    TextGrid grid = GridOf(kAcGridRows, "old");
    ScriptedPrompter prompter;
    EXPECT_EQ(drive::LoadDiagramFileNamed(grid, prompter, path), DiagramLoad::Loaded);
    EXPECT_THROW(drive::ParseNumber(grid.Cell(1, 1)), drive::ConversionError);
    EXPECT_EQ(grid.Cell(1, 5), "0");
}

}  // namespace
