#include "common/scriptedprompter.h"
#include "dcdrive/calc/generatormotor.h"
#include "tests/dcdrive/dcsetup.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using dcdrive::CalculationEnd;
using dcdrive::DcWorkingData;

dcdrive::GeneratorMotorForm Inputs(const char* rgs = "1", const char* rvg = "100", const char* lvg = "20")
{
    dcdrive::GeneratorMotorForm form;
    form.edit1 = rgs;
    form.edit2 = rvg;
    form.edit3 = lvg;
    return form;
}

TEST(CalculateGeneratorMotor, RefusesAnInputOfZero)
{
    const dcdrive::GeneratorMotorForm forms[] = { Inputs("0"), Inputs("1", "0"), Inputs("1", "100", "0") };
    for (const dcdrive::GeneratorMotorForm& form : forms) {
        DcWorkingData data = dctest::AcceptedDrive(dctest::ForwardReverse("37,5"), dctest::Motor4kw());
        drive::ScriptedPrompter prompter;
        drive::LineBuffer memo;
        dctest::RecordingWindows windows;
        EXPECT_EQ(
            dcdrive::CalculateGeneratorMotor(form, data, prompter, memo, windows), CalculationEnd::Refused);
        EXPECT_EQ(prompter.notices(), std::vector<std::string>({ "Вы ввели не все значения" }));
        EXPECT_TRUE(memo.lines().empty());
    }
}

// Idle running, a start from standstill to Wн: A = J * W0² / (2 * (m + 1)), I = K * Iн / 9,
// t = J * Wн / (K * Mн). The cycle has no pause, so its duty factor then ends the calculation.
TEST(CalculateGeneratorMotor, StartFromStandstillWithoutStaticTorqueInClosedForm)
{
    dcdrive::DcMotorEdits motor = dctest::Motor4kw();
    motor[9] = "0,0";
    DcWorkingData data = dctest::AcceptedDrive({ { "1", "157" } }, motor);
    drive::ScriptedPrompter prompter;
    drive::LineBuffer memo;
    dctest::RecordingWindows windows;
    EXPECT_EQ(
        dcdrive::CalculateGeneratorMotor(Inputs(), data, prompter, memo, windows), CalculationEnd::Ended);

    const double c = (220 - 22 * 0.9) / 157.0;
    const double w0 = 220 / c;
    const double r = 1.1 * (0.9 + 1);
    const double m = (20 / 100.0) / (0.12 * r / (c * c));
    const double mn = 4000 / 157.0;
    EXPECT_DOUBLE_EQ(data.stretchLoss[0], 0.12 * w0 * w0 / (2 * (m + 1)));
    EXPECT_EQ(data.stretchStaticLoss[0], 0);
    EXPECT_EQ(data.stretchCrossLoss[0], 0);
    EXPECT_DOUBLE_EQ(data.stretchCurrent[0], 2 * 22 / 9.0);
    EXPECT_DOUBLE_EQ(data.stretchTime[0], 0.12 * 157 / (2 * mn));
    EXPECT_EQ(memo.lines().back(), "ЭД не проходит по ПВ,% ! ПВр=100,5%ПВд=40,5%");
}

// A steady stretch at w: k² = 4 in A, ν² = (w / Wн)², I = K * Iн / √3.
TEST(GeneratorMotorStretch, SteadyStretchWithoutStaticTorque)
{
    DcWorkingData data;
    data.totalInertia = 0.12;
    data.idealNoLoadSpeed = 170;
    data.fieldTimeConstant = 0.2;
    data.mechTimeConstant = 0.1;
    data.overloadFactor = 2;
    data.nominalCurrent = 22;
    data.nominalTorque = 25;
    dcdrive::DutyStretch s;
    s.startSpeed = s.endSpeed = s.speedChange = 100;
    s.nu2 = 0.25;
    s.k = -2;
    s.steady = true;
    const dcdrive::StretchOutcome r = dcdrive::GeneratorMotorStretch(data, s);
    EXPECT_DOUBLE_EQ(r.loss.value(), 4 * 0.12 * 170 * 170 * 0.25 / (2 * 3));
    EXPECT_DOUBLE_EQ(r.current.value(), 2 * 22 / std::sqrt(3));
    EXPECT_DOUBLE_EQ(r.time.value(), 2 * 0.12 * 100 * (2 * 25 * 0.25) / (50 * 50 * 0.25));
}

// Yes shows the editor and starts again from the first stretch; No clears the whole memo.
TEST(CalculateGeneratorMotor, FailedAccelerationRestartsOnYesAndClearsTheMemoOnNo)
{
    DcWorkingData data
        = dctest::AcceptedDrive({ { "1,5", "150" }, { "1,7", "50" }, { "10", "0" } }, dctest::Motor4kw());
    drive::ScriptedPrompter prompter({ "y", "n" });
    drive::LineBuffer memo;
    memo.AppendLine("an earlier calculation");
    dctest::RecordingWindows windows;
    std::vector<std::string> beforeNo;
    windows.onEditor = [&] { beforeNo = memo.lines(); };
    EXPECT_EQ(
        dcdrive::CalculateGeneratorMotor(Inputs(), data, prompter, memo, windows), CalculationEnd::Ended);
    EXPECT_EQ(windows.editorShown, 1);
    EXPECT_EQ(prompter.questions().size(), 2u);
    EXPECT_EQ(beforeNo.size(), 6u);
    EXPECT_TRUE(memo.lines().empty());
}

TEST(CalculateGeneratorMotor, RestartAfterTheEditorRepeatsTheLinesAlreadyPrinted)
{
    DcWorkingData data
        = dctest::AcceptedDrive({ { "1,5", "150" }, { "1,7", "50" }, { "10", "0" } }, dctest::Motor4kw());
    drive::ScriptedPrompter prompter({ "y" });
    drive::LineBuffer memo;
    dctest::RecordingWindows windows;
    windows.onEditor = [&] {
        drive::ScriptedPrompter editorPrompter;
        ASSERT_TRUE(dcdrive::AcceptTachogram(
            dctest::GridWithPoints({ { "1,5", "150" }, { "3", "50" }, { "4", "0" }, { "6", "0" } }), data,
            editorPrompter));
    };
    EXPECT_EQ(
        dcdrive::CalculateGeneratorMotor(Inputs(), data, prompter, memo, windows), CalculationEnd::Completed);
    const std::vector<std::string>& lines = memo.lines();
    ASSERT_GE(lines.size(), 10u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
        std::vector<std::string>(lines.begin() + 5, lines.begin() + 10));
    EXPECT_EQ(data.tachoPointCount, 5);
}

TEST(CalculateGeneratorMotor, RealisticCycleLineByLine)
{
    DcWorkingData data = dctest::AcceptedDrive(dctest::ForwardReverse("37,5"), dctest::Motor4kw());
    dcdrive::GeneratorMotorForm form = Inputs();
    form.sourceData = true;
    drive::ScriptedPrompter prompter;
    drive::LineBuffer memo;
    dctest::RecordingWindows windows;
    EXPECT_EQ(
        dcdrive::CalculateGeneratorMotor(form, data, prompter, memo, windows), CalculationEnd::Completed);
    const std::vector<std::string> expected = {
        "Ап1=6355 Дж",
        "Рэ1=935 Вт",
        "Iэ1=4 А",
        "Ту1=0 c",
        "Wт1=0 рад/с", //
        "Ап2=-4716 Дж",
        "Рэ2=4859 Вт",
        "Iэ2=25 А",
        "Ту2=0 c",
        "Wт2=150 рад/с", //
        "Ап3=42 Дж",
        "Рэ3=623 Вт",
        "Iэ3=4 А",
        "Ту3=0 c",
        "Wт3=150 рад/с", //
        "Ап4=1776 Дж",
        "Рэ4=1619 Вт",
        "Iэ4=25 А",
        "Ту4=1 c",
        "Wт4=50 рад/с", //
        "Ап5=375 Дж",
        "Рэ5=311 Вт",
        "Iэ5=4 А",
        "Ту5=0 c",
        "Wт5=50 рад/с", //
        "Ап6=1599 Дж",
        "Рэ6=623 Вт",
        "Iэ6=4 А",
        "Ту6=2 c",
        "Wт6=0 рад/с", //
        "Ап7=1004 Дж",
        "Рэ7=3239 Вт",
        "Iэ7=25 А",
        "Ту7=0 c",
        "Wт7=-100 рад/с", //
        "Ап8=-100 Дж",
        "Рэ8=623 Вт",
        "Iэ8=4 А",
        "Ту8=0 c",
        "Wт8=-100 рад/с", //
        "Ап9=0 Дж",
        "Рэ9=0 Вт",
        "Iэ9=0 А",
        "Ту9=0 c",
        "Wт9=0 рад/с", //
        "Асум=6336 Дж",
        "Рэ.сум=10717 Вт",
        "Эквивалентный ток Iэ=17 A",
        "К.П.Д.=40 %",
        " Исходные данные ",
        "Uн=220 B  Iн=22 A",
        "Wн=157 1/c",
        "Ra=2 Ом  Рн=4000 Вт",
        "Jc=0 кг*м*м",
        "Iт=11 A  K=2",
        "Mн=25 H*м",
        "Uвн=220 В",
        "Iвн=0 A",
        "B=1",
        "Rвг=100 Ом Lвг=20 Гн",
        "Rгс=1 Ом",
    };
    EXPECT_EQ(memo.lines(), expected);
    EXPECT_TRUE(prompter.notices().empty());
    EXPECT_NEAR(data.efficiency, 0.408818559213, 1e-12);
    EXPECT_NEAR(data.actualDutyFactor, 39.9542479133, 1e-10);
}

} // namespace
