#include "common/errors.h"
#include "common/filebytes.h"
#include "common/scriptedprompter.h"
#include "dcdrive/data/keyfilter.h"
#include "dcdrive/data/motordata.h"
#include "tests/dcdrive/dcsetup.h"
#include "tests/support/testsupport.h"

#include <cmath>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

using dcdrive::DcMotorEdits;
using dcdrive::DcWorkingData;

struct CheckCase {
    const char* name;
    std::vector<std::pair<int, const char*>> edits; // edit number 1 .. 13 and its text
    const char* message; // nullptr when the acceptance passes
    bool complete; // motorDataComplete afterwards
};

void PrintTo(const CheckCase& row, std::ostream* out)
{
    *out << row.name;
}

class MotorChecksTest : public testing::TestWithParam<CheckCase> { };

// The load diagram reaches 150 1/s; the motor's Mн is 4000 / 157 = 25,48 N*m.
TEST_P(MotorChecksTest, ChecksInOrderWithTheirMessages)
{
    DcMotorEdits edits = dctest::Motor4kw();
    for (const auto& [number, text] : GetParam().edits)
        edits[static_cast<std::size_t>(number - 1)] = text;
    DcWorkingData data;
    data.tachoMaxSpeed = 150;
    drive::ScriptedPrompter prompter;
    dctest::RecordingWindows windows;
    const bool accepted = dcdrive::AcceptDcMotorData(edits, data, prompter, windows);
    EXPECT_EQ(accepted, GetParam().message == nullptr);
    if (GetParam().message) {
        ASSERT_EQ(prompter.notices().size(), 1u);
        EXPECT_EQ(prompter.notices()[0], GetParam().message);
    } else {
        EXPECT_TRUE(prompter.notices().empty());
    }
    EXPECT_EQ(data.motorDataComplete, GetParam().complete);
}

std::vector<std::pair<int, const char*>> AllZero()
{
    std::vector<std::pair<int, const char*>> edits;
    for (int k = 1; k <= 13; ++k)
        edits.emplace_back(k, "0");
    return edits;
}

INSTANTIATE_TEST_SUITE_P(Acceptance, MotorChecksTest,
    testing::Values(CheckCase { "all_edits_zero_fail_at_the_speed", AllZero(),
                        "Номинальная скорость Wн не может быть равна 0", false },
        CheckCase { "zero_current", { { 2, "0" } }, "Номинальный ток Iн не может быть равен 0", false },
        CheckCase { "zero_inertia_comes_before_completeness", { { 6, "0" }, { 13, "0" } },
            "Момент инерции суммарный Jс не может быть равен 0", false },
        CheckCase { "an_edit_left_zero", { { 13, "0" } }, "Вы не доконца заполнили все данные", false },
        CheckCase { "zero_emf_coefficient", { { 1, "19,8" } },
            "У вас получается коэффициент передачи ЭДС К4=0. Измените введеные данные", true },
        CheckCase { "nominal_speed_below_the_diagram", { { 3, "149" } },
            "Регулирование ОДНОЗОННОЕ ! Измените номинальную скорость Wн либо тахограмму", true },
        CheckCase {
            "power_typed_in_watts", { { 5, "1000" } }, "Вы неправильно ввели номинальную мощьность", true },
        CheckCase { "overload_above_five", { { 9, "5,1" } },
            "Вы неправильно ввели коэффициент перегрузки KP ( KP>5 )", true },
        CheckCase { "overload_of_five_passes", { { 9, "5" } }, nullptr, true },
        CheckCase { "static_torque_above_nominal", { { 10, "25,5" } },
            "Вы неправильно ввели статический момент", true },
        CheckCase { "static_torque_equal_to_nominal_passes", { { 5, "3,14" }, { 10, "20" } }, nullptr, true },
        CheckCase { "idle_running_typed_as_0_0_passes", { { 10, "0,0" } }, nullptr, true }),
    drivetest::CaseName());

TEST(AcceptDcMotorData, DerivesTheMotorConstants)
{
    DcWorkingData data;
    data.tachoMaxSpeed = 150;
    drive::ScriptedPrompter prompter;
    dctest::RecordingWindows windows;
    ASSERT_TRUE(dcdrive::AcceptDcMotorData(dctest::Motor4kw(), data, prompter, windows));
    const double c = (220 - 22 * 0.9) / 157;
    const double mn = 4000.0 / 157;
    const double ic = 15 / c;
    const double x = ic / 22;
    EXPECT_DOUBLE_EQ(data.emfCoefficient, c);
    EXPECT_DOUBLE_EQ(data.idealNoLoadSpeed, 220 / c);
    EXPECT_EQ(data.nominalPower, 4000);
    EXPECT_DOUBLE_EQ(data.nominalTorque, mn);
    EXPECT_DOUBLE_EQ(data.staticCurrent, ic);
    EXPECT_DOUBLE_EQ(data.allowedAcceleration, c * (2 * 22 - 15 / c) / 0.12);
    EXPECT_DOUBLE_EQ(data.staticCurrentRatio, x);
    EXPECT_DOUBLE_EQ(data.staticLoadLosses, x * x * 22 * 22 * 0.9 + 2 * x * 22 + 0.01 * 220 * 22 * x * x);
    EXPECT_EQ(windows.editorShown, 0);
}

TEST(AcceptDcMotorData, IdleRunningHasNoStaticCurrentOrLosses)
{
    DcMotorEdits edits = dctest::Motor4kw();
    edits[9] = "0,0";
    DcWorkingData data;
    data.tachoMaxSpeed = 150;
    drive::ScriptedPrompter prompter;
    dctest::RecordingWindows windows;
    ASSERT_TRUE(dcdrive::AcceptDcMotorData(edits, data, prompter, windows));
    EXPECT_EQ(data.staticCurrent, 0);
    EXPECT_EQ(data.staticCurrentRatio, 0);
    EXPECT_EQ(data.staticLoadLosses, 0);
    EXPECT_DOUBLE_EQ(data.allowedAcceleration, data.emfCoefficient * 2 * 22 / 0.12);
}

// With no speed above 0 the editor is shown until a count there finds one; the speed found may
// exceed Wн (the single-zone check is not repeated), and the static current then follows Mн.
TEST(AcceptDcMotorData, ShowsTheEditorUntilTheDiagramHasASpeed)
{
    DcWorkingData data;
    drive::ScriptedPrompter prompter;
    dctest::RecordingWindows windows;
    windows.onEditor = [&] {
        if (windows.editorShown == 2)
            data.tachoMaxSpeed = 160;
    };
    ASSERT_TRUE(dcdrive::AcceptDcMotorData(dctest::Motor4kw(), data, prompter, windows));
    EXPECT_EQ(windows.editorShown, 2);
    const std::string message = "У вас максимальная угловая скорость Wmax=0. Измените параметры тахограммы";
    EXPECT_EQ(prompter.notices(), std::vector<std::string>({ message, message }));
    EXPECT_DOUBLE_EQ(data.staticCurrent, 22 * 15 / (4000.0 / 157));
}

TEST(AcceptDcMotorData, ALaterFailureKeepsTheDataCompleteAndWhatWasStored)
{
    DcMotorEdits edits = dctest::Motor4kw();
    edits[8] = "6";
    DcWorkingData data;
    drive::ScriptedPrompter prompter;
    dctest::RecordingWindows windows;
    EXPECT_FALSE(dcdrive::AcceptDcMotorData(edits, data, prompter, windows));
    EXPECT_TRUE(data.motorDataComplete);
    EXPECT_EQ(data.nominalPower, 4000);

    edits[3] = "0,7";
    edits[4] = "x";
    EXPECT_THROW(dcdrive::AcceptDcMotorData(edits, data, prompter, windows), drive::ConversionError);
    EXPECT_EQ(data.armatureResistance, 0.7);
    EXPECT_EQ(data.nominalPower, 4000);
}

TEST(DcKeyFilter, PassesOnlyDigitsAndTheComma)
{
    for (char32_t key : { U'0', U'5', U'9', U',' })
        EXPECT_EQ(dcdrive::DcKeyFilter(key), dcdrive::KeyVerdict::Accept) << static_cast<int>(key);
    for (char32_t key : { U'\b', U'-', U'.', U'e', U' ', U'а' })
        EXPECT_EQ(dcdrive::DcKeyFilter(key), dcdrive::KeyVerdict::Beep) << static_cast<int>(key);
}

std::string FileText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

TEST(MotorFile, SavesUnderItsNameAndLoadsBack)
{
    const std::string dir = drivetest::ScratchDir();
    drive::FixedFileDialogs dialogs;
    drive::ScriptedPrompter prompter;
    dialogs.saveName = dir + "/motor.Dpt";
    ASSERT_TRUE(dcdrive::SaveMotorDataFile(dctest::Motor4kw(), dialogs, prompter));
    dialogs.saveName = dir + "/motor";
    ASSERT_TRUE(dcdrive::SaveMotorDataFile(dctest::Motor4kw(), dialogs, prompter));
    EXPECT_EQ(std::filesystem::file_size(dir + "/motor.Dpt"), 104u);
    EXPECT_EQ(FileText(dir + "/motor.dpt"), FileText(dir + "/motor.Dpt"));
    EXPECT_EQ(drive::DoubleAt(FileText(dir + "/motor.dpt"), 3 * 8), 0.9);

    DcMotorEdits edits = dcdrive::MakeMotorEdits();
    dialogs.openName = dir + "/motor.dpt";
    EXPECT_EQ(dcdrive::LoadMotorDataFile(edits, dialogs, prompter), dcdrive::MotorLoad::Loaded);
    EXPECT_EQ(edits, dctest::Motor4kw());
    EXPECT_TRUE(prompter.notices().empty());
}

TEST(MotorFile, AnUnparsableEditLeavesAnExistingFileUnchanged)
{
    const std::string dir = drivetest::ScratchDir();
    drive::FixedFileDialogs dialogs;
    drive::ScriptedPrompter prompter;
    dialogs.saveName = dir + "/motor.dpt";
    ASSERT_TRUE(dcdrive::SaveMotorDataFile(dctest::Motor4kw(), dialogs, prompter));
    const std::string before = FileText(dir + "/motor.dpt");

    DcMotorEdits edits = dcdrive::MakeMotorEdits();
    edits[12] = "0.8";
    EXPECT_THROW(dcdrive::SaveMotorDataFile(edits, dialogs, prompter), drive::ConversionError);
    EXPECT_EQ(FileText(dir + "/motor.dpt"), before);
    EXPECT_EQ(
        std::distance(std::filesystem::directory_iterator(dir), std::filesystem::directory_iterator()), 1);
}

TEST(MotorFile, ReportsFilesItCannotWriteOrOpenAndShortFiles)
{
    const std::string dir = drivetest::ScratchDir();
    drive::FixedFileDialogs dialogs;
    drive::ScriptedPrompter prompter;
    dialogs.saveName = dir + "/missing/motor";
    EXPECT_FALSE(dcdrive::SaveMotorDataFile(dctest::Motor4kw(), dialogs, prompter));
    DcMotorEdits edits = dcdrive::MakeMotorEdits();
    EXPECT_EQ(
        dcdrive::LoadMotorDataFileNamed(edits, prompter, dir + "/none.dpt"), dcdrive::MotorLoad::CannotOpen);

    std::string bytes;
    for (int k = 1; k <= 12; ++k)
        drive::AppendDouble(bytes, k + 0.5);
    std::ofstream(dir + "/short.dpt", std::ios::binary) << bytes;
    EXPECT_EQ(
        dcdrive::LoadMotorDataFileNamed(edits, prompter, dir + "/short.dpt"), dcdrive::MotorLoad::Damaged);
    EXPECT_EQ(edits[11], "12,5");
    EXPECT_EQ(edits[12], "0");

    EXPECT_EQ(prompter.notices(),
        std::vector<std::string>({ "Ошибка при сохранении файла " + dir + "/missing/motor",
            " Ошибка при попытке открытия файла " + dir + "/none.dpt",
            "Файл " + dir + "/short.dpt" + " поврежден" }));
}

} // namespace
