#include "acdrive/calc/pulse.h"

#include <gtest/gtest.h>

#include <cmath>

#include "acdrive/calc/commands.h"
#include "acdrive/data/sampledrive.h"
#include "common/errors.h"
#include "common/scriptedprompter.h"
#include "tests/acdrive/calc/calctesting.h"
#include "tests/support/testsupport.h"

namespace {

using namespace acdrive;
using namespace actest;

const std::vector<std::string> kRunQuestions = {"Привод", "Коэффициент трансформации двигателя ",
                                                " Привед. акт. добавочное сопр. ротора "};

TEST(Pulse, SampleDriveReproducesTheWorkedCheck)
{
    AcWorkingData d = WoundRotorSample();
    drive::ScriptedPrompter p({"2", "2", "1", "100"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Pulse, d, p, pane);

    EXPECT_PRINTED(d.ratedTorque, 132.654, 3);
    EXPECT_PRINTED(d.ratedStatorCurrent, 25.810, 3);
    EXPECT_PRINTED(d.magnetizingLossShare, 0.22399, 5);
    EXPECT_EQ(d.driveType, 2);
    EXPECT_EQ(d.addedRotorResistance, 1);

    EXPECT_EQ(d.stretchLabels[1], " пуск");
    EXPECT_PRINTED(d.stretchLosses[1], 832.28, 2);
    EXPECT_PRINTED(d.stretchShaftPower[1], 1470, 0);
    EXPECT_PRINTED(d.stretchPowerFactor[1], 0.18022, 5);
    EXPECT_PRINTED(d.stretchActivePower[1], 7083.3, 1);
    EXPECT_PRINTED(d.stretchReactivePower[1], 38660, -1);
    EXPECT_PRINTED(d.stretchEfficiency[1], 0.20753, 5);

    EXPECT_EQ(d.stretchLabels[2], " установившийся режим ");
    EXPECT_PRINTED(d.stretchLosses[2], 1397.6, 1);
    EXPECT_PRINTED(d.stretchShaftPower[2], 2940, 0);
    EXPECT_PRINTED(d.stretchPowerFactor[2], 0.18022, 5);
    EXPECT_PRINTED(d.stretchActivePower[2], 3223.8, 1);
    EXPECT_PRINTED(d.stretchReactivePower[2], 17595, 0);
    EXPECT_PRINTED(d.stretchEfficiency[2], 0.91196, 5);

    // The dynamic torque 98 N*m exceeds the static torque: DC injection without a question, and
    // the stator losses of the DC excitation, which hold the dynamic-braking ratio 0.035477.
    EXPECT_EQ(d.stretchLabels[3], " режим динамического торможения");
    EXPECT_PRINTED(d.stretchLosses[3], 368.38, 2);
    EXPECT_EQ(d.stretchShaftPower[3], 0);
    EXPECT_EQ(d.stretchPowerFactor[3], 1);
    EXPECT_PRINTED(d.stretchActivePower[3], 486.14, 2);
    EXPECT_EQ(d.stretchReactivePower[3], 0);
    EXPECT_EQ(d.stretchEfficiency[3], 0);

    std::vector<std::string> asked = kRunQuestions;
    asked.push_back("Участок №3\r Крит. момент дин. торможения ");
    EXPECT_EQ(QuestionTexts(p), asked);
    EXPECT_EQ(p.questions().at(0).kind, drive::PromptRecord::Kind::Choice);
    EXPECT_TRUE(p.notices().empty());
    EXPECT_EQ(pane.lines().at(2), "Импульсное реостатное регулирование");
    EXPECT_EQ(d.methodResults[5].rows[4][1], d.stretchReactivePower[1]);
}

TEST(Pulse, ReversibleDriveAsksTheBrakingKindAndPlugs)
{
    AcWorkingData d = WoundRotorSample();
    drive::ScriptedPrompter p({"1", "2", "1", "2"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Pulse, d, p, pane);

    std::vector<std::string> asked = kRunQuestions;
    asked.push_back("Участок №3 - торможение");
    EXPECT_EQ(QuestionTexts(p), asked);
    EXPECT_EQ(d.driveType, 1);
    EXPECT_EQ(d.stretchLabels[3], " торможения противовключением ");
    // Same static torque as the steady run, so the same power factor; Qe = tan(phi) * E.
    const double c = d.stretchPowerFactor[2];
    EXPECT_EQ(d.stretchPowerFactor[3], c);
    EXPECT_NEAR(d.stretchReactivePower[3] / d.stretchActivePower[3], std::sqrt(1 / (c * c) - 1), 1e-9);
    EXPECT_DOUBLE_EQ(d.stretchActivePower[3] * 0.5, d.stretchLosses[3]);
    EXPECT_EQ(d.stretchShaftPower[3], 0);
    EXPECT_EQ(d.stretchEfficiency[3], 0);
}

TEST(Pulse, ReversalCountsTheShaftWorkAfterBrakingAndThePowerFactorOfItsEnergies)
{
    AcWorkingData d = WoundRotorSample();
    SetDiagram(d, {{0, 98}, {1, -98}}, 30);
    drive::ScriptedPrompter p({"2", "2", "1", "0,4"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Pulse, d, p, pane);

    EXPECT_EQ(p.questions().at(3).text, "Участок №1\r Время торможения ");
    EXPECT_TRUE(p.notices().empty());
    EXPECT_EQ(d.stretchLabels[1], " реверс");
    EXPECT_DOUBLE_EQ(d.stretchShaftPower[1], 30 * 98 / 2.0);
    EXPECT_DOUBLE_EQ(d.motoringTime, 0.6);
    // E and Qe over a duration of 1 s are P1 and Q1.
    const double e = d.stretchActivePower[1];
    EXPECT_NEAR(d.stretchEfficiency[1], 1470 * 0.6 / e, 1e-12);
    EXPECT_NEAR(d.stretchPowerFactor[1], 1 / std::sqrt(1 + std::pow(d.stretchReactivePower[1] / e, 2)), 1e-12);
    // E holds both parts' losses, the kinetic energy at the end and the shaft work.
    EXPECT_NEAR(e, d.stretchLosses[1] + 98 * 98 * 0.5 / 2 + 1470 * 0.6, 1e-9);
}

// A stretch that raises the time-interval warning: the run goes on with the values it has.
struct WarningCase {
    const char* name;
    std::vector<TachoPoint> points;
    std::vector<std::string> answers;
    const char* label;
};

class PulseWarns : public ::testing::TestWithParam<WarningCase> {};

TEST_P(PulseWarns, AndGoesOn)
{
    AcWorkingData d = WoundRotorSample();
    SetDiagram(d, GetParam().points, 30);
    drive::ScriptedPrompter p({GetParam().answers.begin(), GetParam().answers.end()});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Pulse, d, p, pane);
    EXPECT_EQ(p.notices(), std::vector<std::string>{"Участок №1 - неверный интервал времени "});
    EXPECT_EQ(d.stretchLabels[1], GetParam().label);
    ExpectFiniteResults(d, 1);
    EXPECT_EQ(pane.lines().size(), 6u);
}

INSTANTIATE_TEST_SUITE_P(
    Table, PulseWarns,
    ::testing::Values(
        // Dynamic torque 0.8 N*m, below the static torque: a deceleration, warned about.
        WarningCase{"slow_deceleration", {{0, 98}, {5, 90}}, {"2", "2", "1"}, " замедление"},
        // The braking time exceeds the stretch: a negative acceleration time and torque.
        WarningCase{"reversal_braking_time_beyond_the_stretch", {{0, 98}, {1, -98}}, {"2", "2", "1", "1,5"}, " реверс"},
        WarningCase{"steady_run_of_negative_duration", {{5, 98}, {4, 98}}, {"2", "2", "1"}, " установившийся режим "}),
    drivetest::CaseName());

TEST(Pulse, StandstillUnderLoadIsASteadyRunAndAPauseShowsZeros)
{
    AcWorkingData d = WoundRotorSample();
    SetDiagram(d, {{0, 0}, {2, 0}, {3, 0}, {3, 0}}, 30);
    d.stretchLoads[2].staticTorque = 0;
    d.stretchLoads[3].staticTorque = 0;
    for (int i = 2; i <= 3; ++i) {  // what an earlier run left at the pauses' indices
        d.stretchLosses[i] = d.stretchShaftPower[i] = d.stretchPowerFactor[i] = 1;
        d.stretchActivePower[i] = d.stretchReactivePower[i] = d.stretchEfficiency[i] = 1;
    }
    drive::ScriptedPrompter p({"2", "2", "1"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Pulse, d, p, pane);

    EXPECT_EQ(d.stretchLabels[1], " установившийся режим ");
    EXPECT_EQ(d.stretchShaftPower[1], 0);
    EXPECT_EQ(d.stretchEfficiency[1], 0);
    EXPECT_GT(d.stretchActivePower[1], 0);
    for (int i = 2; i <= 3; ++i) {
        EXPECT_EQ(d.stretchLabels[i], "ожидание");
        for (double v : {d.stretchLosses[i], d.stretchShaftPower[i], d.stretchPowerFactor[i], d.stretchActivePower[i],
                         d.stretchReactivePower[i], d.stretchEfficiency[i]})
            EXPECT_EQ(v, 0) << "stretch " << i;
    }
}

struct FaultCase {
    const char* name;
    TachoPoint end;  // point 3: stretch 1 is the sample's steady run, stretch 2 ends here
    double torque;   // of stretch 2
    std::vector<std::string> answers;
    const char* message;
};

class PulseStops : public ::testing::TestWithParam<FaultCase> {};

TEST_P(PulseStops, WithTheMessageNoReportAndEarlierStretchesKept)
{
    AcWorkingData d = WoundRotorSample();
    SetDiagram(d, {{0, 98}, {4.924, 98}, GetParam().end}, 30);
    d.stretchLoads[2].staticTorque = GetParam().torque;
    ExpectStops(AcCommand::Pulse, d, GetParam().answers, GetParam().message);
    EXPECT_PRINTED(d.stretchActivePower[1], 3223.8, 1) << "stretch 1 was calculated before the stop";
}

INSTANTIATE_TEST_SUITE_P(
    Table, PulseStops,
    ::testing::Values(
        FaultCase{"zero_braking_time", {5.924, -98}, 30, {"2", "2", "1", "0"}, "Floating point division by zero"},
        FaultCase{"braking_time_equal_to_the_stretch", {5.924, -98}, 30, {"2", "2", "1", "1"},
                  "Floating point division by zero"},
        FaultCase{"zero_static_torque_on_a_moving_stretch", {6, 98}, 0, {"2", "2", "1"},
                  "Floating point division by zero"},
        // A static torque beyond the critical region: A^2 < scr^2 leaves no real slip.
        FaultCase{"no_real_slip", {6, 98}, 400, {"2", "2", "1"}, "Invalid floating point operation"},
        FaultCase{"moving_stretch_of_zero_duration", {4.924, 50}, 30, {"2", "2", "1"},
                  "Floating point division by zero"}),
    drivetest::CaseName());

TEST(Pulse, ThirtyStretchesWithEmptyRowsAtTheEndRunThrough)
{
    AcWorkingData d = WoundRotorSample();
    d.pointCount = 31;  // as the editor's accept leaves it
    drive::ScriptedPrompter p({"1", "2", "1", "1", "100", "2"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Pulse, d, p, pane);

    std::vector<std::string> asked = kRunQuestions;
    asked.insert(asked.end(), {"Участок №3 - торможение", "Участок №3\r Крит. момент дин. торможения ",
                               "Участок №6 - торможение"});
    EXPECT_EQ(QuestionTexts(p), asked);
    EXPECT_EQ(pane.lines().size(), 4u + 2 * 30);
    EXPECT_EQ(d.stretchLabels[4], " пуск");
    EXPECT_EQ(d.stretchLabels[5], " установившийся режим ");
    EXPECT_EQ(d.stretchLabels[6], " торможения противовключением ");
    for (int i = 1; i <= 30; ++i)
        ExpectFiniteResults(d, i);
    ExpectPausesShowZeros(d, 7, 30);
    EXPECT_EQ(d.methodResults[5].rows[3][4], d.stretchActivePower[4]);
}

}  // namespace
