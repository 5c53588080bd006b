#include "acdrive/calc/commands.h"
#include "acdrive/calc/multispeed.h"
#include "acdrive/data/sampledrive.h"
#include "common/errors.h"
#include "common/scriptedprompter.h"
#include "tests/acdrive/calc/calctesting.h"
#include "tests/support/testsupport.h"

#include <array>
#include <cmath>
#include <gtest/gtest.h>

namespace {

using namespace acdrive;
using namespace actest;

// The sample's two speeds and a third at 314.2 1/s, otherwise like the second.
AcWorkingData ThreeSpeedData()
{
    AcWorkingData d = TwoSpeedSample();
    d.speedCount = 3;
    d.stepParameters[3] = d.stepParameters[2];
    d.stepParameters[3].synchronousSpeed = 314.2;
    return d;
}

void RunMultiSpeed(AcWorkingData& d, drive::ScriptedPrompter& p, drive::LineBuffer& pane)
{
    RunCalculationCommand(AcCommand::MultiSpeed, d, p, pane);
}

// Losses of a regenerative stage on step j of a stretch under 30 N*m and 0.5 kg*m^2, J.
double RegenerativeLosses(const AcWorkingData& d, int j, double omegaA, double omegaB, double t)
{
    const MotorParameters& m = d.stepParameters[j];
    const double mb = (omegaA - omegaB) * 0.5 / t - 30;
    const double sa = omegaA / m.synchronousSpeed - 1;
    const double sb = omegaB / m.synchronousSpeed - 1;
    const double kR = 1 + m.statorResistance / m.rotorResistance;
    return kR * (sa * sa - sb * sb) * m.synchronousSpeed * m.synchronousSpeed * 0.5 / 2 * mb / (mb + 30)
        + d.stepConstantLosses[j] * t;
}

TEST(MultiSpeed, TwoSpeedSampleWithDynamicBrakingReproducesTheWorkedCheck)
{
    AcWorkingData d = TwoSpeedSample();
    drive::ScriptedPrompter p({ "1", "10" });
    drive::LineBuffer pane;
    RunMultiSpeed(d, p, pane);

    EXPECT_EQ(Asked(p),
        (std::vector<std::string> { "Торможение,  участок №3: /  Динамическое  /  Противовключением",
            "Динамическое торможение участок №3\rВеличина постоянного тока " }));
    EXPECT_PRINTED(d.stepConstantLosses[1], 772.56, 2);
    EXPECT_PRINTED(d.stepConstantLosses[2], 1002.41, 2);
    EXPECT_EQ(d.stretchStep, 1);
    EXPECT_EQ(d.previousStep, 1);

    EXPECT_EQ(d.stretchLabels[1], "пуск");
    EXPECT_PRINTED(d.stretchLosses[1], 9846.8, 1);
    EXPECT_PRINTED(d.stretchShaftPower[1], 1470, 1);
    EXPECT_PRINTED(d.stretchPowerFactor[1], 0.41963, 5);
    EXPECT_PRINTED(d.stretchActivePower[1], 22733, 0);
    // Printed rounded to 49175; the stretch's reactive power is 49174.5 to the first decimal.
    EXPECT_PRINTED(d.stretchReactivePower[1], 49174.5, 1);
    EXPECT_PRINTED(d.stretchEfficiency[1], 0.079181, 6);

    EXPECT_EQ(d.stretchLabels[2], "установившийся");
    EXPECT_PRINTED(d.stretchLosses[2], 6324.6, 1);
    EXPECT_PRINTED(d.stretchShaftPower[2], 2940, 1);
    EXPECT_PRINTED(d.stretchPowerFactor[2], 0.78262, 5);
    EXPECT_PRINTED(d.stretchActivePower[2], 4224.4, 1);
    EXPECT_PRINTED(d.stretchReactivePower[2], 3360.1, 1);
    EXPECT_PRINTED(d.stretchEfficiency[2], 0.69595, 5);

    EXPECT_EQ(d.stretchLabels[3], "динамическое  торможение ");
    EXPECT_PRINTED(d.stretchLosses[3], 1735.6, 1);
    EXPECT_EQ(d.stretchShaftPower[3], 0);
    EXPECT_EQ(d.stretchPowerFactor[3], 1);
    EXPECT_PRINTED(d.stretchActivePower[3], 139.2, 1);
    EXPECT_EQ(d.stretchReactivePower[3], 0);
    EXPECT_EQ(d.stretchEfficiency[3], 0);

    EXPECT_EQ(pane.lines().at(2), "многоскоростной двигатель");
    EXPECT_EQ(pane.lines().size(), 10u);
    EXPECT_EQ(d.methodResults[6].rows[4][1], d.stretchReactivePower[1]);
}

struct QuestionCase {
    const char* name;
    std::array<TachoPoint, 4> points;
    std::vector<std::string> answers;
    std::vector<std::string> asked;
    std::array<std::string, 3> labels;
};

class MultiSpeedQuestions : public ::testing::TestWithParam<QuestionCase> { };

TEST_P(MultiSpeedQuestions, AreAskedInOrderAndNameTheStretches)
{
    AcWorkingData d = TwoSpeedSample();
    SetPoints(d, { GetParam().points.begin(), GetParam().points.end() });
    drive::ScriptedPrompter p({ GetParam().answers.begin(), GetParam().answers.end() });
    drive::LineBuffer pane;
    RunMultiSpeed(d, p, pane);
    EXPECT_EQ(Asked(p), GetParam().asked);
    EXPECT_EQ(p.remainingAnswers(), 0u);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(d.stretchLabels[i], GetParam().labels[i - 1]) << "stretch " << i;
        EXPECT_TRUE(std::isfinite(d.stretchEfficiency[i])) << "stretch " << i;
    }
    EXPECT_EQ(pane.lines().size(), 10u);
}

const std::string kStartKind = "Разгон  участок 1 /  Прямой   / Ступенчатый";

INSTANTIATE_TEST_SUITE_P(Table, MultiSpeedQuestions,
    ::testing::Values(
        QuestionCase { "stepped_start_and_regenerative_stop_with_dynamic_braking",
            { { { 0, 0 }, { 1, 150 }, { 3, 150 }, { 4, 0 } } },
            { "2", "0,4", "100", "1", "0,3", "110", "1", "10" },
            { kStartKind, "Pазгон -  участок №1\rcтупень №1\r\rВремя пуска на ступени",
                "Pазгон -  участок №1\rcтупень №1\r\rКонечная скорость пуска на ступени ",
                "Участок 3торможение рекуперативное /  Да /  Нет",
                "Рек. торможение участок 3\r, ступень №1\rВремя рекуперативного торможения на ступени",
                "Рек. торможение участок 3\r, ступень №1\rКонечная скорость торможения на ступени ",
                " Торможение,  участок №3 /  Динамическое   /  Противовключением",
                "Динамическое торможение участок №3\rВеличина постоянного тока  " },
            { "ступенчатый пуск", "установившийся", " рекуперативное торможение" } },
        QuestionCase { "reversal_from_the_second_speed",
            { { { 0, 0 }, { 1, 150 }, { 3, 150 }, { 5, -100 } } }, { "1", "0,3", "110", "0,5", "1", "100" },
            { kStartKind,
                "Рек. торможение, участок №3\r, ступень №1\rВремя рекуперативного торможения на ступени ",
                "Рек. торможение, участок №3\r, ступень №1\r Конечная скорость торможения на ступени ",
                "Торм.противовкл. участок 3\r Bремя торможения противовключением ",
                "Pазгон -  участок 3 cтупень 1\r Время пуска на ступени  ",
                "Pазгон -  участок 3 cтупень 1\r Конечная скорость пуска на ступени " },
            { "пуск", "установившийся", " реверс" } },
        QuestionCase { "stop_from_the_second_speed_by_plugging_on_the_first",
            { { { 0, 0 }, { 1, 150 }, { 3, 150 }, { 4, 0 } } }, { "1", "2", "2" },
            { kStartKind, "Участок 3торможение рекуперативное /  Да /  Нет",
                "Торможение,  участок №3: /  Динамическое  /  Противовключением" },
            { "пуск", "установившийся", " торможение  противовключением" } },
        QuestionCase { "speed_in_no_band_belongs_to_the_highest_speed",
            { { { 0, 0 }, { 1, 60 }, { 3, 60 }, { 4, 0 } } }, { "1", "2", "1", "10" },
            { kStartKind, "Участок 3торможение рекуперативное /  Да /  Нет",
                "Торможение,  участок №3: /  Динамическое  /  Противовключением",
                "Динамическое торможение участок №3\rВеличина постоянного тока " },
            { "пуск", "установившийся", "динамическое  торможение " } },
        QuestionCase { "start_one_speed_up_from_a_running_speed_is_direct",
            { { { 0, 0 }, { 1, 100 }, { 3, 150 }, { 4, 150 } } }, {}, {},
            { "пуск", "пуск", "установившийся" } },
        QuestionCase { "braking_within_the_second_speed_is_a_deceleration",
            { { { 0, 0 }, { 1, 150 }, { 3, 150 }, { 4, 140 } } }, { "1" }, { kStartKind },
            { "пуск", "установившийся", " замедление" } },
        QuestionCase { "braking_on_the_first_speed_to_a_speed_stops_on_the_first_speed",
            { { { 0, 0 }, { 1, 100 }, { 3, 100 }, { 4, 90 } } }, { "2" },
            { "Торможение,  участок №3: /  Динамическое  /  Противовключением" },
            { "пуск", "установившийся", " торможение  противовключением" } }),
    drivetest::CaseName());

TEST(MultiSpeed, RegenerativeBrakingToTheEndSpeedInOneStageHasNoRemainingStage)
{
    AcWorkingData d = TwoSpeedSample();
    SetPoints(d, { { 0, 0 }, { 1, 150 }, { 3, 150 }, { 4, 100 } });
    drive::ScriptedPrompter p({ "1" });
    drive::LineBuffer pane;
    RunMultiSpeed(d, p, pane);

    EXPECT_EQ(Asked(p), std::vector<std::string> { kStartKind });
    EXPECT_EQ(d.stretchLabels[3], " рекуперативное торможение");
    EXPECT_PRINTED(d.stretchLosses[3], RegenerativeLosses(d, 1, 150, 100, 1), 9);
    EXPECT_PRINTED(d.motoringTime, 1, 12);
    EXPECT_TRUE(std::isfinite(d.stretchEfficiency[3]));
    EXPECT_TRUE(std::isfinite(d.stretchPowerFactor[3]));
}

TEST(MultiSpeed, RegenerativeBrakingThroughTwoStagesHasNoRemainingStage)
{
    AcWorkingData d = ThreeSpeedData();
    SetPoints(d, { { 0, 0 }, { 1, 300 }, { 3, 300 }, { 4, 100 } });
    drive::ScriptedPrompter p({ "1", "0,2", "200" });
    drive::LineBuffer pane;
    RunMultiSpeed(d, p, pane);

    EXPECT_EQ(Asked(p),
        (std::vector<std::string> { kStartKind,
            "Рек. торможение участок 3\r, ступень №2\rВремя рекуперативного торможения на ступени",
            "Рек. торможение участок 3\r, ступень №2\rКонечная скорость торможения на ступени " }));
    EXPECT_PRINTED(d.stretchLosses[3],
        RegenerativeLosses(d, 2, 300, 200, 0.2) + RegenerativeLosses(d, 1, 200, 100, 1), 9);
    EXPECT_PRINTED(d.motoringTime, 1, 12) << "the remaining time -0.2 s brings T back to the stretch";
    EXPECT_TRUE(std::isfinite(d.stretchEfficiency[3]));
}

struct SpeedCountCase {
    const char* name;
    int speedCount;
    int takenAs;
};

class MultiSpeedCount : public ::testing::TestWithParam<SpeedCountCase> { };

TEST_P(MultiSpeedCount, OutsideOneToTenIsTakenAsTheNearestCountTheArraysHold)
{
    auto run = [](int count) {
        AcWorkingData d = TwoSpeedSample();
        for (int j = 3; j <= kMaxSpeeds; ++j)
            d.stepParameters[j] = d.stepParameters[2];
        d.speedCount = count;
        drive::ScriptedPrompter p({ "1", "10" });
        drive::LineBuffer pane;
        RunMultiSpeed(d, p, pane);
        return d;
    };
    const AcWorkingData d = run(GetParam().speedCount);
    const AcWorkingData expected = run(GetParam().takenAs);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(d.stretchActivePower[i], expected.stretchActivePower[i]) << "stretch " << i;
        EXPECT_EQ(d.stretchEfficiency[i], expected.stretchEfficiency[i]) << "stretch " << i;
    }
    EXPECT_PRINTED(d.stretchActivePower[2], 4224.4, 1);
    EXPECT_EQ(d.speedCount, GetParam().speedCount) << "the count itself is left as it is";
}

INSTANTIATE_TEST_SUITE_P(Table, MultiSpeedCount,
    ::testing::Values(SpeedCountCase { "zero", 0, 1 }, SpeedCountCase { "negative", -3, 1 },
        SpeedCountCase { "eleven", 11, 10 }, SpeedCountCase { "huge", 1000000, 10 }),
    drivetest::CaseName());

struct FaultCase {
    const char* name;
    std::vector<std::string> answers;
    void (*change)(AcWorkingData&);
    const char* message;
    bool firstStretchDone;
};

class MultiSpeedStops : public ::testing::TestWithParam<FaultCase> { };

TEST_P(MultiSpeedStops, WithTheMessageNoReportAndEarlierStretchesKept)
{
    AcWorkingData d = TwoSpeedSample();
    GetParam().change(d);
    ExpectStops(AcCommand::MultiSpeed, d, GetParam().answers, GetParam().message);
    EXPECT_EQ(d.stretchActivePower[1] != 0, GetParam().firstStretchDone)
        << "stretch 1 finished before the stop";
}

void NoChange(AcWorkingData&)
{
}
void StartWithoutInertia(AcWorkingData& d)
{
    d.stretchLoads[1].inertia = 0;
}
void StartToTheSecondSpeed(AcWorkingData& d)
{
    SetPoints(d, { { 0, 0 }, { 1, 150 }, { 3, 150 }, { 4, 0 } });
}
void ZeroDurationSteadyRun(AcWorkingData& d)
{
    d.tachoPoints[3].time = d.tachoPoints[2].time;
}
void DecelerationWithoutLoad(AcWorkingData& d)
{
    SetPoints(d, { { 0, 0 }, { 1, 150 }, { 3, 150 }, { 4, 140 } });
    d.stretchLoads[3].staticTorque = 0;
}

INSTANTIATE_TEST_SUITE_P(Table, MultiSpeedStops,
    ::testing::Values(FaultCase { "start_without_acceleration_torque", {}, StartWithoutInertia,
                          "Invalid floating point operation", false },
        FaultCase { "zero_stage_time", { "2", "0", "100" }, StartToTheSecondSpeed,
            "Floating point division by zero", false },
        FaultCase { "moving_stretch_of_zero_duration", {}, ZeroDurationSteadyRun,
            "Invalid floating point operation", true },
        FaultCase { "deceleration_without_static_torque", { "1" }, DecelerationWithoutLoad,
            "Floating point division by zero", true },
        FaultCase {
            "unparsable_current", { "1", "x" }, NoChange, "'x' is not a valid floating point value", true }),
    drivetest::CaseName());

TEST(MultiSpeed, ThirtyStretchesWithEmptyRowsAtTheEndRunThrough)
{
    AcWorkingData d = TwoSpeedSample();
    d.stretchLoads[7] = { -30, 0.5 }; // the last filled row holds the load at standstill
    d.pointCount = 31; // as the editor's accept leaves it
    d.stretchActivePower[10] = d.stretchReactivePower[10] = d.stretchEfficiency[10] = 5; // an earlier run's
    drive::ScriptedPrompter p({ "1", "10", "1", "10" });
    drive::LineBuffer pane;
    RunMultiSpeed(d, p, pane);

    EXPECT_EQ(pane.lines().size(), 4u + 2 * 30);
    EXPECT_EQ(d.stretchLabels[4], "пуск");
    EXPECT_EQ(d.stretchLabels[6], "динамическое  торможение ");
    EXPECT_EQ(d.stretchLabels[7], "установившийся") << "standstill under load, duration -12 s";
    EXPECT_TRUE(std::isfinite(d.stretchActivePower[7]));
    for (int i = 8; i <= 30; ++i) {
        EXPECT_EQ(d.stretchLabels[i], "ожидание");
        EXPECT_EQ(d.stretchLosses[i], 0.000001);
        EXPECT_EQ(d.stretchPowerFactor[i], 0);
        EXPECT_EQ(d.stretchActivePower[i], 0) << "a pause shows zeros, not an earlier run's figures";
        EXPECT_EQ(d.stretchReactivePower[i], 0);
        EXPECT_EQ(d.stretchEfficiency[i], 0);
    }
}

} // namespace
