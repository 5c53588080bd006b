#include "common/errors.h"
#include "common/scriptedprompter.h"
#include "dcdrive/calc/convertermotor.h"
#include "tests/dcdrive/dcsetup.h"
#include "tests/support/testsupport.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using dcdrive::CalculationEnd;
using dcdrive::DcWorkingData;

dcdrive::ConverterMotorForm Inputs(const char* ep = "230", const char* rp = "1", bool ramp = false)
{
    dcdrive::ConverterMotorForm form;
    form.edit16 = ep;
    form.edit17 = rp;
    form.edit18 = "40";
    form.rampGenerator = ramp;
    return form;
}

// Accepts the converter inputs and runs the calculation with the coefficient window's texts.
CalculationEnd Calculate(DcWorkingData& data, const dcdrive::ConverterMotorForm& form,
    drive::Prompter& prompter, drive::LineSink& memo, dcdrive::DcWindows& windows)
{
    EXPECT_TRUE(dcdrive::AcceptConverterInputs(form, data, prompter));
    return dcdrive::CalculateConverterMotor(
        dcdrive::CoefficientForm {}, form.sourceData, data, prompter, memo, windows);
}

TEST(AcceptConverterInputs, ChecksTheEmfAndTakesWholeNumbers)
{
    DcWorkingData data = dctest::AcceptedDrive(dctest::ForwardReverse("62,5"), dctest::Motor4kw());
    drive::ScriptedPrompter prompter;
    EXPECT_TRUE(dcdrive::AcceptConverterInputs(Inputs("220", "0", true), data, prompter));
    EXPECT_TRUE(prompter.notices().empty());
    EXPECT_EQ(data.rampGenerator, 1);
    EXPECT_DOUBLE_EQ(data.circuitResistance, 1.1 * 0.9);

    EXPECT_FALSE(dcdrive::AcceptConverterInputs(Inputs("219,9", "2"), data, prompter));
    EXPECT_EQ(prompter.notices(),
        std::vector<std::string>({ "Введите другое значение Э.Д.С. ТП Еп, В . У вас получается Еп<Uн (Э.Д.С. "
                                   "ТП<Номинального напряжения) " }));
    EXPECT_EQ(data.rampGenerator, 0);
    EXPECT_EQ(data.converterResistance, 2);
    EXPECT_EQ(data.transformerNoLoadLoss, 40);

    try {
        dcdrive::AcceptConverterInputs(Inputs("230", "0,5"), data, prompter);
        FAIL() << "a fraction was taken as a whole number";
    } catch (const drive::ConversionError& e) {
        EXPECT_STREQ(e.what(), "'0,5' is not a valid integer value");
    }
}

struct RampCase {
    const char* name;
    double tau;
    double expected;
};

void PrintTo(const RampCase& row, std::ostream* out)
{
    *out << row.name;
}

class RampFactorTest : public testing::TestWithParam<RampCase> { };

// A changing stretch of idle running: A = (J / 2) * F * Δw² * ν², doubled for a reversal.
TEST_P(RampFactorTest, TakesTheFactorFromTau)
{
    DcWorkingData data;
    data.totalInertia = 0.12;
    data.rampFactor = 0.123;
    dcdrive::DutyStretch s;
    s.tau = GetParam().tau;
    s.startSpeed = 0;
    s.endSpeed = s.speedChange = 100;
    s.nu2 = 0.25;
    s.k = 1;
    drive::ScriptedPrompter prompter;
    dctest::RecordingWindows windows;
    const std::optional<dcdrive::StretchOutcome> r
        = dcdrive::ConverterMotorStretch(data, s, prompter, windows);
    ASSERT_TRUE(r.has_value());
    EXPECT_DOUBLE_EQ(data.rampFactor, GetParam().expected);
    EXPECT_DOUBLE_EQ(r->loss.value(), 0.06 * GetParam().expected * 10000 * 0.25);
    EXPECT_EQ(r->time.value(), 0);

    s.startSpeed = 100;
    s.k = -2;
    const std::optional<dcdrive::StretchOutcome> reversal
        = dcdrive::ConverterMotorStretch(data, s, prompter, windows);
    EXPECT_DOUBLE_EQ(reversal->loss.value(), 2 * r->loss.value());
}

INSTANTIATE_TEST_SUITE_P(Tau, RampFactorTest,
    testing::Values(RampCase { "tau_6", 6, (2.0 / 36) * 5 },
        RampCase { "tau_2", 2, (std::exp(-2.0) + 1) * (2.0 / 4) },
        RampCase { "tau_exactly_5_keeps_the_last_value", 5, 0.123 }),
    drivetest::CaseName());

TEST(CalculateConverterMotor, AZeroDurationEndsWithItsMessage)
{
    DcWorkingData data = dctest::AcceptedDrive(dctest::ForwardReverse("62,5"), dctest::Motor4kw());
    data.tachoTime[2] = data.tachoTime[1];
    drive::ScriptedPrompter prompter;
    drive::LineBuffer memo;
    dctest::RecordingWindows windows;
    EXPECT_EQ(Calculate(data, Inputs(), prompter, memo, windows), CalculationEnd::Ended);
    EXPECT_EQ(prompter.notices(),
        std::vector<std::string>({ "В введенных данных тахограммы время 2 участка и 3 участка cовпадают" }));
    EXPECT_EQ(memo.lines().size(), 2 + 5u);
}

// Without ramp generator a start to 150 1/s in 0,5 s is shorter than its transient (0,83 s).
TEST(CalculateConverterMotor, ATransientLongerThanItsStretchShowsTheEditorAndEnds)
{
    DcWorkingData data
        = dctest::AcceptedDrive({ { "0,5", "150" }, { "10", "150" }, { "12", "0" } }, dctest::Motor4kw());
    drive::ScriptedPrompter prompter;
    drive::LineBuffer memo;
    dctest::RecordingWindows windows;
    EXPECT_EQ(Calculate(data, Inputs(), prompter, memo, windows), CalculationEnd::Ended);
    EXPECT_EQ(prompter.notices(), std::vector<std::string>({ "Уточните время цикла тахогрммы" }));
    EXPECT_EQ(windows.editorShown, 1);
    EXPECT_NEAR(data.transientTime, 0.834, 0.001);
    EXPECT_EQ(memo.lines().size(), 2u);
}

TEST(CalculateConverterMotor, FailedAccelerationEndsAfterTheEditorAndKeepsTheMemo)
{
    DcWorkingData data
        = dctest::AcceptedDrive({ { "1,5", "150" }, { "1,7", "50" }, { "10", "0" } }, dctest::Motor4kw());
    drive::ScriptedPrompter prompter({ "y" });
    drive::LineBuffer memo;
    dctest::RecordingWindows windows;
    EXPECT_EQ(Calculate(data, Inputs("230", "1", true), prompter, memo, windows), CalculationEnd::Ended);
    EXPECT_EQ(windows.editorShown, 1);
    EXPECT_EQ(memo.lines().size(), 2 + 5u);
}

// Idle running without ramp generator: Tп is never computed, so changing stretches take no
// time, and steady ones draw the static current of 0 A; the cycle's energy is then 0 and the
// efficiency divides by it.
TEST(CalculateConverterMotor, IdleRunningWithoutRampGivesChangingStretchesNoTime)
{
    dcdrive::DcMotorEdits motor = dctest::Motor4kw();
    motor[9] = "0,0";
    DcWorkingData data = dctest::AcceptedDrive(dctest::ForwardReverse("62,5"), motor);
    drive::ScriptedPrompter prompter;
    drive::LineBuffer memo;
    dctest::RecordingWindows windows;
    EXPECT_THROW(Calculate(data, Inputs(), prompter, memo, windows), drive::ArithmeticError);
    for (std::size_t at : { 0u, 2u, 4u, 5u, 7u })
        EXPECT_EQ(data.stretchTime[at], 0) << at;
    EXPECT_EQ(data.stretchTime[1], 10);
    EXPECT_EQ(data.cycleWorkTime, 20);
    EXPECT_EQ(data.totalEnergy, 0);
    EXPECT_EQ(memo.lines()[0], "     Cистема ТП-Д  Мс = 0");
    EXPECT_EQ(memo.lines().size(), 2 + 9 * 5u);
}

TEST(CalculateConverterMotor, RealisticCycleLineByLine)
{
    DcWorkingData data = dctest::AcceptedDrive(dctest::ForwardReverse("62,5"), dctest::Motor4kw());
    dcdrive::ConverterMotorForm form = Inputs();
    form.sourceData = true;
    drive::ScriptedPrompter prompter;
    drive::LineBuffer memo;
    dctest::RecordingWindows windows;
    EXPECT_EQ(Calculate(data, form, prompter, memo, windows), CalculationEnd::Completed);
    const std::vector<std::string> expected = {
        "     Cистема ТП-Д  Мс = 15",
        "       Расчетные данные", //
        "Ап1=4589 Дж",
        "Рэ1=4859 Вт",
        "Iэ1=25 А",
        "Ту1=0 c",
        "Wт1=0 рад/с", //
        "Ап2=8181 Дж",
        "Рэ2=2250 Вт",
        "Iэ2=11 А",
        "Ту2=10 c",
        "Wт2=150 рад/с", //
        "Ап3=3375 Дж",
        "Рэ3=3239 Вт",
        "Iэ3=25 А",
        "Ту3=1 c",
        "Wт3=150 рад/с", //
        "Ап4=2450 Дж",
        "Рэ4=750 Вт",
        "Iэ4=11 А",
        "Ту4=5 c",
        "Wт4=50 рад/с", //
        "Ап5=201 Дж",
        "Рэ5=1619 Вт",
        "Iэ5=25 А",
        "Ту5=0 c",
        "Wт5=50 рад/с", //
        "Ап6=3375 Дж",
        "Рэ6=3239 Вт",
        "Iэ6=25 А",
        "Ту6=1 c",
        "Wт6=0 рад/с", //
        "Ап7=3065 Дж",
        "Рэ7=1500 Вт",
        "Iэ7=11 А",
        "Ту7=5 c",
        "Wт7=-100 рад/с", //
        "Ап8=3375 Дж",
        "Рэ8=3239 Вт",
        "Iэ8=25 А",
        "Ту8=1 c",
        "Wт8=-100 рад/с", //
        "Ап9=0 Дж",
        "Рэ9=0 Вт",
        "Iэ9=0 А",
        "Ту9=0 c",
        "Wт9=0 рад/с", //
        "Асум=28614 Дж",
        "Рэ.сум=51764 Вт",
        "Эквивалентный ток Iэ=16 A",
        "К.П.Д.=44 %",
        " Исходные данные ",
        "Uн=220 B  Iн=22 A",
        "Wн=157 1/c",
        "Ra=2 Ом  Рн=4000 Вт",
        "Jc=0 кг*м*м",
        "Iт=11 A  K=2",
        "Mн=25 H*м",
        "Uвн=220 В",
        "Iвн=0 A",
        "B=1", //
        "Px=40 Вт",
        "Еп=230 B",
        "Rп=1 Oм",
        "Кi=1",
        "Кф=1",
    };
    EXPECT_EQ(memo.lines(), expected);
    EXPECT_TRUE(prompter.notices().empty());
    EXPECT_NEAR(data.efficiency, 0.447221749775, 1e-12);
    EXPECT_NEAR(data.equivalentCurrent, 16.0231675905, 1e-10);
}

} // namespace
