#include "acdrive/calc/commands.h"
#include "acdrive/calc/frequency.h"
#include "acdrive/data/sampledrive.h"
#include "common/errors.h"
#include "common/scriptedprompter.h"
#include "tests/acdrive/calc/calctesting.h"
#include "tests/support/testsupport.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace acdrive;
using namespace actest;

void RunFrequency(AcWorkingData& d, drive::ScriptedPrompter& p, drive::LineBuffer& pane)
{
    RunCalculationCommand(AcCommand::Frequency, d, p, pane);
}

// Figures of stretches 1 and 2 of the sample drive with the default converter efficiency,
// the same for a direct converter and a voltage-source inverter.
void ExpectMotoringFigures(const AcWorkingData& d)
{
    EXPECT_PRINTED(d.constantLosses, 650, 2);
    EXPECT_PRINTED(d.ratedTorque, 132.654, 3);
    EXPECT_PRINTED(d.slipStiffness, 2072.72, 2);
    EXPECT_PRINTED(d.stretchLosses[1], 619.51, 2);
    EXPECT_PRINTED(d.stretchPowerFactor[1], 0.2148, 4);
    EXPECT_PRINTED(d.stretchActivePower[1] * 0.576, 4834.03, 2);
    EXPECT_PRINTED(d.stretchActivePower[1], 8392.42, 2);
    EXPECT_PRINTED(d.stretchReactivePower[1], 38157.20, 2);
    EXPECT_PRINTED(d.stretchEfficiency[1], 0.1752, 4);
    EXPECT_PRINTED(d.stretchLosses[2], 3275.98, 2);
    EXPECT_PRINTED(d.stretchPowerFactor[2], 0.2682, 4);
    EXPECT_PRINTED(d.stretchActivePower[2], 4506.64, 2);
    EXPECT_PRINTED(d.stretchReactivePower[2], 16189.51, 2);
    EXPECT_PRINTED(d.stretchEfficiency[2], 0.6524, 4);
}

const std::string kEfficiencyQuestion = "Коэфф. полезного действия преобразователя";
const std::string kStructureChoice = "Структура преобразователя / непосредственный / двухзвенный";

TEST(Frequency, DirectConverterWithEmptyEfficiencyAnswerReproducesTheWorkedCheck)
{
    AcWorkingData d = CageSample();
    drive::ScriptedPrompter p({ "", "1" });
    drive::LineBuffer pane;
    RunFrequency(d, p, pane);

    EXPECT_EQ(Asked(p), (std::vector<std::string> { kEfficiencyQuestion, kStructureChoice }));
    EXPECT_EQ(d.converterEfficiency, 0.8);
    EXPECT_EQ(d.converterKind, 1);
    ExpectMotoringFigures(d);
    EXPECT_PRINTED(d.stretchLosses[3], 187.80, 2);
    EXPECT_EQ(d.stretchPowerFactor[3], 1);
    EXPECT_EQ(d.stretchShaftPower[3], 0);
    EXPECT_PRINTED(d.stretchActivePower[3], 2, 2);
    EXPECT_EQ(d.stretchReactivePower[3], 0);
    EXPECT_EQ(d.stretchEfficiency[3], 0);
    EXPECT_EQ(pane.lines(),
        (std::vector<std::string> { "", std::string(49, '='), "Частотное управление", std::string(49, '='),
            " пуск ", "КПД = 0,18   cos f = 0,21   P = 8392,42   Q = 38157,20", " установившийся ",
            "КПД = 0,65   cos f = 0,27   P = 4506,64   Q = 16189,50", " торможение ",
            "КПД = 0,00   cos f = 1,00   P = 2,00   Q = 0,00" }));
    EXPECT_EQ(d.methodResults[2].rows[3][2], d.stretchActivePower[2]);
}

TEST(Frequency, VoltageSourceInverterReturnsBrakingEnergy)
{
    AcWorkingData d = CageSample();
    drive::ScriptedPrompter p({ "", "2", "2", "1" });
    drive::LineBuffer pane;
    RunFrequency(d, p, pane);

    EXPECT_EQ(Asked(p),
        (std::vector<std::string> { kEfficiencyQuestion, kStructureChoice,
            "Структура преобразователя / ШИП / Автономный инвертор",
            "Структура преобразователя / АИН / АИТ" }));
    EXPECT_EQ(d.converterKind, 3);
    ExpectMotoringFigures(d);
    EXPECT_PRINTED(d.brakingEnergy, 4296.53, 2);
    EXPECT_PRINTED(d.stretchShaftPower[3], -8217.46, 2);
    EXPECT_PRINTED(d.stretchActivePower[3], -8217.46, 2);
    EXPECT_EQ(d.stretchPowerFactor[3], -0.576);
    EXPECT_PRINTED(d.stretchReactivePower[3], 11662.08, 2);
    EXPECT_PRINTED(d.stretchEfficiency[3], -0.9563, 4);
}

struct ConverterCase {
    const char* name;
    std::vector<std::string> answers;
    double efficiency;
    int structure, inverterType, kind;
};

class FrequencyConverter : public ::testing::TestWithParam<ConverterCase> { };

TEST_P(FrequencyConverter, DescriptionGivesTheConverterKind)
{
    AcWorkingData d = CageSample();
    d.inverterType = 7; // a direct converter leaves the inverter type as it was
    drive::ScriptedPrompter p({ GetParam().answers.begin(), GetParam().answers.end() });
    drive::LineBuffer pane;
    RunFrequency(d, p, pane);
    EXPECT_EQ(p.questions().size(), GetParam().answers.size());
    EXPECT_EQ(d.converterEfficiency, GetParam().efficiency);
    EXPECT_EQ(d.converterStructure, GetParam().structure);
    EXPECT_EQ(d.inverterType, GetParam().inverterType);
    EXPECT_EQ(d.converterKind, GetParam().kind);
}

INSTANTIATE_TEST_SUITE_P(Table, FrequencyConverter,
    ::testing::Values(ConverterCase { "direct", { "0,9", "1" }, 0.9, 1, 7, 1 },
        ConverterCase { "chopper", { "", "2", "1" }, 0.8, 2, 1, 2 },
        ConverterCase { "voltage_source_inverter", { "", "2", "2", "1" }, 0.8, 2, 2, 3 },
        ConverterCase { "current_source_inverter", { "", "2", "2", "2" }, 0.8, 2, 3, 4 }),
    drivetest::CaseName());

TEST(Frequency, CurrentSourceInverterReportsUnitPowerFactorAndDividesByTheAveragedOne)
{
    AcWorkingData direct = CageSample();
    drive::ScriptedPrompter directAnswers({ "", "1" });
    drive::LineBuffer pane;
    RunFrequency(direct, directAnswers, pane);

    AcWorkingData d = CageSample();
    drive::ScriptedPrompter p({ "", "2", "2", "2" });
    RunFrequency(d, p, pane);
    for (int i = 1; i <= 2; ++i) {
        EXPECT_EQ(d.stretchPowerFactor[i], 1);
        EXPECT_EQ(d.stretchReactivePower[i], 0);
        EXPECT_EQ(d.stretchLosses[i], direct.stretchLosses[i]);
    }
    // The same energy as the direct converter's, divided by the motor's averaged power factor.
    EXPECT_PRINTED(direct.stretchActivePower[1] / d.stretchActivePower[1], 0.820468, 6);
    EXPECT_PRINTED(direct.stretchActivePower[2] / d.stretchActivePower[2], 0.377940, 6);
    EXPECT_PRINTED(d.stretchActivePower[3], 2, 2);
    EXPECT_EQ(d.stretchEfficiency[3], 0);
}

TEST(Frequency, ReversalCountsTheShaftEnergyOfItsAccelerationPartOnly)
{
    AcWorkingData d = CageSample();
    d.tachoPoints[3].speed = -98; // stretch 2 reverses from 98 to -98 in 4.924 s
    d.tachoPoints[4].speed = -98;
    drive::ScriptedPrompter p({ "", "1", "0,5" });
    drive::LineBuffer pane;
    RunFrequency(d, p, pane);

    EXPECT_EQ(Asked(p).at(2), "Участок №2 - реверс \rВремя торможения:");
    EXPECT_EQ(d.stretchLabels[2], " pеверс ");
    EXPECT_EQ(d.stretchLabels[2][1], 'p') << "the label's first letter is the Latin p";
    EXPECT_PRINTED(d.stretchShaftPower[2], 98 * 30 / 2.0, 9);
    const double tm = 4.924 - 0.5;
    EXPECT_PRINTED(d.motoringTime, tm, 9);
    const double e = d.stretchActivePower[2] * 4.924;
    EXPECT_PRINTED(d.stretchEfficiency[2], 1470 * tm / e, 9);
    EXPECT_EQ(d.stretchLabels[3], " установившийся ");
}

struct UnsetCase {
    const char* name;
    std::vector<std::string> answers;
    void (*change)(AcWorkingData&);
    void (*check)(const AcWorkingData&);
};

class FrequencyUnsetValues : public ::testing::TestWithParam<UnsetCase> { };

TEST_P(FrequencyUnsetValues, RunToTheEndWithFiniteValues)
{
    AcWorkingData d = CageSample();
    GetParam().change(d);
    drive::ScriptedPrompter p({ GetParam().answers.begin(), GetParam().answers.end() });
    drive::LineBuffer pane;
    RunFrequency(d, p, pane);
    ASSERT_EQ(pane.lines().size(), 10u);
    for (int i = 1; i <= 3; ++i) {
        for (double v : { d.stretchLosses[i], d.stretchShaftPower[i], d.stretchPowerFactor[i],
                 d.stretchActivePower[i], d.stretchReactivePower[i], d.stretchEfficiency[i] })
            EXPECT_TRUE(std::isfinite(v)) << "stretch " << i;
    }
    GetParam().check(d);
}

// Stretch 1 becomes a pause at standstill under no load; an earlier run left figures there.
void PauseFirst(AcWorkingData& d)
{
    d.tachoPoints[2].speed = 0;
    d.stretchLoads[1].staticTorque = 0;
    d.stretchEfficiency[1] = d.stretchActivePower[1] = d.stretchReactivePower[1] = 5;
    d.stretchLosses[1] = d.stretchShaftPower[1] = d.stretchPowerFactor[1] = 5;
}
void ExpectPauseZeros(const AcWorkingData& d)
{
    EXPECT_EQ(d.stretchLabels[1], " ожидание");
    for (double v : { d.stretchLosses[1], d.stretchShaftPower[1], d.stretchPowerFactor[1],
             d.stretchActivePower[1], d.stretchReactivePower[1], d.stretchEfficiency[1] })
        EXPECT_EQ(v, 0);
}

// Stretch 2 runs at 98 1/s under no load: slip 0, only the constant losses.
void NoLoadRun(AcWorkingData& d)
{
    d.stretchLoads[2].staticTorque = 0;
}
void ExpectNoLoadRun(const AcWorkingData& d)
{
    EXPECT_PRINTED(d.stretchLosses[2], std::pow(98 / 104.7, 1.3) * 650 * 4.924, 9);
    EXPECT_EQ(d.stretchShaftPower[2], 0);
    EXPECT_EQ(d.stretchEfficiency[2], 0);
    EXPECT_GT(d.stretchPowerFactor[2], 0);
    EXPECT_GT(d.stretchActivePower[2], 0);
}

// Stretch 2 holds the load at standstill.
void HoldAtStandstill(AcWorkingData& d)
{
    d.tachoPoints[2].speed = 0;
    d.tachoPoints[3].speed = 0;
}
void ExpectHoldingFigures(const AcWorkingData& d)
{
    EXPECT_EQ(d.stretchLabels[2], " установившийся ");
    EXPECT_EQ(d.stretchShaftPower[2], 0);
    EXPECT_GT(d.stretchLosses[2], 0);
    EXPECT_EQ(d.stretchEfficiency[2], 0);
}
void ExpectHoldingEmpiricalPowerFactor(const AcWorkingData& d)
{
    ExpectHoldingFigures(d);
    // The speed term (0 / omegaN)^0.33 is 0 at standstill: factor 0.6 + 0.8 * exp(0).
    EXPECT_PRINTED(d.stretchPowerFactor[2], (std::sqrt(30 / d.ratedTorque) * (0.81 - 0.6) + 0.2) * 1.4, 12);
}

const std::vector<std::string> kDirect = { "", "1" };
const std::vector<std::string> kCurrentSource = { "", "2", "2", "2" };

INSTANTIATE_TEST_SUITE_P(Table, FrequencyUnsetValues,
    ::testing::Values(UnsetCase { "pause_shows_zeros", kDirect, PauseFirst, ExpectPauseZeros },
        UnsetCase { "pause_shows_zeros_current_source", kCurrentSource, PauseFirst, ExpectPauseZeros },
        UnsetCase { "no_load_run_at_slip_zero", kDirect, NoLoadRun, ExpectNoLoadRun },
        UnsetCase { "no_load_run_at_slip_zero_current_source", kCurrentSource, NoLoadRun, ExpectNoLoadRun },
        UnsetCase { "load_held_at_standstill", kDirect, HoldAtStandstill, ExpectHoldingEmpiricalPowerFactor },
        UnsetCase { "load_held_at_standstill_current_source", kCurrentSource, HoldAtStandstill,
            ExpectHoldingFigures }),
    drivetest::CaseName());

struct FaultCase {
    const char* name;
    std::vector<std::string> answers;
    void (*change)(AcWorkingData&);
    const char* message;
    bool firstStretchDone;
};

class FrequencyStops : public ::testing::TestWithParam<FaultCase> { };

TEST_P(FrequencyStops, WithTheMessageNoReportAndEarlierStretchesKept)
{
    AcWorkingData d = CageSample();
    GetParam().change(d);
    ExpectStops(AcCommand::Frequency, d, GetParam().answers, GetParam().message);
    EXPECT_EQ(d.stretchActivePower[1] != 0, GetParam().firstStretchDone)
        << "stretch 1 finished before the stop";
}

void NoChange(AcWorkingData&)
{
}
void ZeroDurationSteadyRun(AcWorkingData& d)
{
    d.tachoPoints[3].time = d.tachoPoints[2].time;
}
// Stretch 2 reverses from 98 to -98 in exactly 4 s.
void ReversalOnStretch2(AcWorkingData& d)
{
    d.tachoPoints[2].time = 1;
    d.tachoPoints[3] = { 5, -98 };
    d.tachoPoints[4] = { 6, -98 };
}
void StartWithoutLoad(AcWorkingData& d)
{
    d.stretchLoads[1].staticTorque = 0;
}

INSTANTIATE_TEST_SUITE_P(Table, FrequencyStops,
    ::testing::Values(FaultCase { "unparsable_efficiency", { "abc" }, NoChange,
                          "'abc' is not a valid floating point value", false },
        FaultCase { "zero_efficiency", { "0", "1" }, NoChange, "Floating point division by zero", false },
        FaultCase { "moving_stretch_of_zero_duration", kDirect, ZeroDurationSteadyRun,
            "Invalid floating point operation", true },
        FaultCase { "braking_time_equal_to_the_stretch", { "", "1", "4" }, ReversalOnStretch2,
            "Floating point division by zero", true },
        FaultCase { "slip_of_zero_torque_on_a_start", kCurrentSource, StartWithoutLoad,
            "Floating point division by zero", false }),
    drivetest::CaseName());

TEST(Frequency, ThirtyStretchesWithEmptyRowsAtTheEndRunThrough)
{
    for (const std::vector<std::string>& converter : { kDirect, kCurrentSource }) {
        AcWorkingData d = CageSample();
        d.stretchLoads[7] = { -30, 0.5 }; // the last filled row holds the load at standstill
        d.pointCount = 31; // as the editor's accept leaves it
        drive::ScriptedPrompter p({ converter.begin(), converter.end() });
        drive::LineBuffer pane;
        RunFrequency(d, p, pane);
        EXPECT_EQ(pane.lines().size(), 4u + 2 * 30);
        EXPECT_EQ(d.stretchLabels[7], " установившийся ") << "standstill under load, duration -12 s";
        EXPECT_TRUE(std::isfinite(d.stretchActivePower[7]));
        for (int i = 8; i <= 30; ++i) {
            EXPECT_EQ(d.stretchLabels[i], " ожидание");
            EXPECT_EQ(d.stretchActivePower[i], 0);
            EXPECT_EQ(d.stretchEfficiency[i], 0);
        }
    }
}

} // namespace
