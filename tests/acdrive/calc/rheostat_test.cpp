#include "acdrive/calc/rheostat.h"

#include <gtest/gtest.h>

#include "acdrive/calc/commands.h"
#include "acdrive/data/sampledrive.h"
#include "common/errors.h"
#include "common/scriptedprompter.h"
#include "tests/acdrive/calc/calctesting.h"
#include "tests/support/testsupport.h"

namespace {

using namespace acdrive;
using namespace actest;
// The figures of the three sample stretches with zero added resistance, a direct start and
// plugging: identical for the rheostat and the mains-fed command.
void ExpectSampleFigures(const AcWorkingData& d)
{
    EXPECT_PRINTED(d.constantLosses, 1139.49, 2);
    EXPECT_PRINTED(d.stretchLosses[1], 6592.90, 2);
    EXPECT_PRINTED(d.stretchShaftPower[1], 1470, 2);
    EXPECT_PRINTED(d.stretchPowerFactor[1], 0.6922, 4);
    EXPECT_PRINTED(d.stretchActivePower[1], 17084.42, 2);
    EXPECT_PRINTED(d.stretchReactivePower[1], 17811.54, 2);
    EXPECT_PRINTED(d.stretchEfficiency[1], 0.0860, 4);
    EXPECT_PRINTED(d.stretchLosses[2], 7202.38, 2);
    EXPECT_PRINTED(d.stretchShaftPower[2], 2940, 2);
    EXPECT_PRINTED(d.stretchPowerFactor[2], 0.8148, 4);
    EXPECT_PRINTED(d.stretchActivePower[2], 4402.71, 2);
    EXPECT_PRINTED(d.stretchReactivePower[2], 3132.19, 2);
    EXPECT_PRINTED(d.stretchEfficiency[2], 0.6678, 4);
    EXPECT_PRINTED(d.stretchLosses[3], 8973.04, 2);
    EXPECT_PRINTED(d.stretchPowerFactor[3], 0.4593, 4);
    EXPECT_PRINTED(d.stretchActivePower[3], 17946.09, 2);
    EXPECT_PRINTED(d.stretchReactivePower[3], 34704.45, 2);
    EXPECT_EQ(d.stretchEfficiency[3], 0);
}

TEST(Rheostat, SampleDriveReproducesTheWorkedCheck)
{
    AcWorkingData d = WoundRotorSample();
    drive::ScriptedPrompter p({"0", "1", "0", "2", "0"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Rheostat, d, p, pane);

    ExpectSampleFigures(d);
    const std::string resistance = "\rПриведенное добавочное\rсопротивление ротора :";
    const std::vector<std::string> asked = {"Участок №1" + resistance, "Пуск, участок №1\r:",
                                            "Участок №2" + resistance, "Торможение: участок №3",
                                            "Участок №3" + resistance};
    EXPECT_EQ(QuestionTexts(p), asked);
    EXPECT_EQ(d.stretchLabels[3], "торможение  противовключением");
    EXPECT_EQ(pane.lines().at(2), "Реостатное регулирование АД с фазным ротором");
    EXPECT_EQ(d.methodResults[4].rows[3][1], d.stretchActivePower[1]);
}

TEST(Rheostat, MainsCommandAsksOnlyTheBrakingChoiceAndGivesTheSameFigures)
{
    AcWorkingData d = WoundRotorSample();
    drive::ScriptedPrompter p({"2"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Mains, d, p, pane);

    ExpectSampleFigures(d);
    EXPECT_EQ(QuestionTexts(p), std::vector<std::string>{"Торможение: участок №3"});
    EXPECT_EQ(d.startMode, 2);
    EXPECT_EQ(d.rotorType, 2);
    EXPECT_EQ(pane.lines().at(2), "Нерегулируемый АД");

    // startMode stays 2, so a later rheostat run starts directly without the start question.
    d.rotorType = 1;
    drive::ScriptedPrompter again({"0", "0", "2", "0"});
    RunCalculationCommand(AcCommand::Rheostat, d, again, pane);
    EXPECT_EQ(again.questions().size(), 4u);
}

TEST(Rheostat, SteppedStartWithNoStepsRunsTheWholeStretchLikeADirectStart)
{
    AcWorkingData d = WoundRotorSample();
    drive::ScriptedPrompter p({"0", "2", "0", "0", "2", "0"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Rheostat, d, p, pane);
    EXPECT_EQ(p.questions().at(2).text, "Участок №1 Количество ступеней :");
    EXPECT_PRINTED(d.stretchLosses[1], 6592.90, 2);
    EXPECT_PRINTED(d.stretchActivePower[1], 17084.42, 2);
    EXPECT_PRINTED(d.stretchPowerFactor[1], 0.6922, 4);
}

TEST(Rheostat, SteppedStartAsksEachStepWithGrowingQuestionsAndRestoresTheStretchResistance)
{
    AcWorkingData d = WoundRotorSample();
    drive::ScriptedPrompter p({"0,5", "2", "1", "0,2", "0,3", "50", "0", "2", "0"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Rheostat, d, p, pane);

    const std::string step = "Участок №1_ ступень №1\rДобав. привед. сопротивление ротора";
    EXPECT_EQ(p.questions().at(3).text, step);
    EXPECT_EQ(p.questions().at(4).text, step + "\rВремя пуска на ступени");
    EXPECT_EQ(p.questions().at(5).text, step + "\rВремя пуска на ступени\rКонечная скорость пуска на ступени");
    EXPECT_EQ(d.stretchAddedResistance[1], 0.5) << "the last step runs on the stretch's own resistance";
    EXPECT_GT(d.stretchLosses[1], 0);
    // Shaft energy of the steps, (0 + 50) * 30 / 2 * 0.3 + (50 + 98) * 30 / 2 * 0.276, over 0.576 s.
    EXPECT_PRINTED(d.stretchShaftPower[1], 1454.375, 6);
    EXPECT_EQ(pane.lines().size(), 10u);
}

TEST(Rheostat, ReversalWarnsOfATooLongBrakingTimeAndGoesOn)
{
    AcWorkingData d = WoundRotorSample();
    d.tachoPoints[3].speed = -98;  // stretch 2 now reverses from 98 to -98 in 4.924 s
    d.tachoPoints[4].speed = -98;
    drive::ScriptedPrompter p({"0", "1", "0", "4,9", "0"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Rheostat, d, p, pane);
    EXPECT_EQ(p.questions().at(3).text, "Участок №2\r Время торможения ");
    EXPECT_EQ(p.notices(), std::vector<std::string>{"Участок №2 - неверный интервал времени "});
    EXPECT_EQ(d.stretchLabels[2], "реверс");
    EXPECT_EQ(pane.lines().size(), 10u);
}

struct FaultCase {
    const char* name;
    std::vector<std::string> answers;
    void (*change)(AcWorkingData&);
    const char* message;
};

class RheostatStops : public ::testing::TestWithParam<FaultCase> {};

TEST_P(RheostatStops, WithTheMessageNoReportAndEarlierStretchesKept)
{
    AcWorkingData d = WoundRotorSample();
    GetParam().change(d);
    ExpectStops(AcCommand::Rheostat, d, GetParam().answers, GetParam().message);
    EXPECT_PRINTED(d.stretchLosses[1], 6592.90, 2) << "stretch 1 was calculated before the stop";
}

void NoChange(AcWorkingData&) {}
void ZeroDurationSteadyRun(AcWorkingData& d) { d.tachoPoints[3].time = d.tachoPoints[2].time; }
void ReversalOnStretch2(AcWorkingData& d)
{
    d.tachoPoints[3].speed = -98;
    d.tachoPoints[4].speed = -98;
}

INSTANTIATE_TEST_SUITE_P(
    Table, RheostatStops,
    ::testing::Values(
        FaultCase{"unparsable_answer", {"0", "1", "abc"}, NoChange, "'abc' is not a valid floating point value"},
        FaultCase{"empty_answer", {"0", "1", ""}, NoChange, "'' is not a valid floating point value"},
        FaultCase{"moving_stretch_of_zero_duration", {"0", "1", "0"}, ZeroDurationSteadyRun,
                  "Invalid floating point operation"},
        FaultCase{"zero_braking_time", {"0", "1", "0", "0"}, ReversalOnStretch2, "Floating point division by zero"}),
    drivetest::CaseName());

TEST(Rheostat, ThirtyStretchesWithEmptyRowsAtTheEndRunThrough)
{
    AcWorkingData d = WoundRotorSample();
    d.pointCount = 31;  // as the editor's accept leaves it
    drive::ScriptedPrompter p({"2", "2"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Mains, d, p, pane);
    EXPECT_EQ(pane.lines().size(), 4u + 2 * 30);
    for (int i = 8; i <= 30; ++i) {
        EXPECT_EQ(d.stretchLabels[i], "ожидание");
        EXPECT_EQ(d.stretchLosses[i], 0.001);
        EXPECT_EQ(d.stretchEfficiency[i], 0) << "a pause of zero duration shows zeros, not NaN";
        EXPECT_EQ(d.stretchActivePower[i], 0);
        EXPECT_EQ(d.stretchReactivePower[i], 0);
    }
}

struct MenuCase {
    const char* name;
    bool multiSpeed;
    int rotorType;
    CalculationMenu enabled;
};

class UpdateCalculationMenuTable : public ::testing::TestWithParam<MenuCase> {};

TEST_P(UpdateCalculationMenuTable, EnablesTheMethodsThatSuitTheMotor)
{
    AcWorkingData d;
    d.multiSpeed = GetParam().multiSpeed;
    d.rotorType = GetParam().rotorType;
    const CalculationMenu before = {false, true, false, true, false, true, false};
    EXPECT_EQ(UpdateCalculationMenu(d, before), GetParam().enabled);
}

INSTANTIATE_TEST_SUITE_P(
    Table, UpdateCalculationMenuTable,
    ::testing::Values(MenuCase{"squirrel_cage", false, 2, {false, true, true, true, false, false, false}},
                      MenuCase{"wound_rotor", false, 1, {false, false, false, true, true, true, false}},
                      MenuCase{"no_rotor_type_leaves_it", false, 0, {false, true, false, true, false, true, false}},
                      MenuCase{"multi_speed", true, 2, {false, false, false, false, false, false, true}}),
    drivetest::CaseName());

}  // namespace
