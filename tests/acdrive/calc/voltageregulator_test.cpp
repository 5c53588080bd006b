#include "acdrive/calc/voltageregulator.h"

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

// The empirical power factor 0.6 * (g * (cN - 0.6) + 0.2) of the sample motor.
double EmpiricalPowerFactor(double g)
{
    return 0.6 * (g * (0.81 - 0.6) + 0.2);
}
TEST(VoltageRegulator, SampleDriveReproducesTheWorkedCheck)
{
    AcWorkingData d = WoundRotorSample();
    drive::ScriptedPrompter p({"2", "0,95", "0"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::VoltageRegulator, d, p, pane);

    const voltage_regulator::RatedCircuit circuit = voltage_regulator::RatedEquivalentCircuit(d.motor);
    EXPECT_PRINTED(d.ratedTorque, 132.654, 3);
    EXPECT_PRINTED(circuit.resistance, 6.9436, 4);
    EXPECT_PRINTED(circuit.reactance, 4.9440, 4);
    EXPECT_PRINTED(d.ratedStatorCurrent, 25.810, 3);
    EXPECT_PRINTED(d.ratedMagnetizingCurrent, 12.215, 3);
    EXPECT_PRINTED(d.magnetizingLossShare, 0.22399, 5);
    EXPECT_PRINTED(d.ratedStatorCopperLosses, 725.43, 2);
    EXPECT_PRINTED(d.ratedRotorCopperLosses, 888.89, 2);
    EXPECT_PRINTED(d.fixedLossPower, 65, 0);
    EXPECT_EQ(d.driveType, 2);
    EXPECT_EQ(d.converterEfficiency, 0.95);
    EXPECT_EQ(d.rotorResistanceRatio, 1);

    EXPECT_EQ(d.stretchLabels[2], "установившийся режим");
    EXPECT_PRINTED(d.stretchLosses[2], 2840.55, 2);
    EXPECT_PRINTED(d.stretchShaftPower[2], 2940, 2);
    EXPECT_PRINTED(d.stretchPowerFactor[2], 0.4247, 4);
    EXPECT_PRINTED(d.stretchActivePower[2], 3516.88, 2);
    EXPECT_PRINTED(d.stretchReactivePower[2], 72611.67, 2);
    EXPECT_PRINTED(d.stretchEfficiency[2], 0.8360, 4);

    // A non-reversible drive brakes to standstill by DC injection without a question.
    const std::vector<std::string> asked = {"Тип привода :", "Коэффициент полезного\rдействия преобразователя",
                                            "Приведенное активное\rдобавочное сопротивление\rротора"};
    EXPECT_EQ(QuestionTexts(p), asked);
    EXPECT_EQ(p.questions().at(0).kind, drive::PromptRecord::Kind::Choice);
    EXPECT_TRUE(p.notices().empty());
    EXPECT_EQ(d.stretchLabels[1], "пуск");
    EXPECT_EQ(d.stretchLabels[3], "торможение");
    EXPECT_EQ(d.stretchPowerFactor[3], 0.4);
    EXPECT_EQ(pane.lines().at(2), "Регулирование переменного напряжения\rв цепи статора");
    EXPECT_EQ(d.methodResults[3].rows[3][2], d.stretchActivePower[2]);
}

TEST(VoltageRegulator, ReversibleDriveAsksTheBrakingKindAndUsesTheResistanceLastGiven)
{
    AcWorkingData d = WoundRotorSample();
    drive::ScriptedPrompter pulseAnswers({"2", "2", "0,5", "100"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::Pulse, d, pulseAnswers, pane);
    d.startMode = 2;  // the added resistance is not asked: the pulse run's 0.5 Ohm is used

    drive::ScriptedPrompter p({"1", "0,95", "2"});
    RunCalculationCommand(AcCommand::VoltageRegulator, d, p, pane);
    const std::vector<std::string> asked = {"Тип привода :", "Коэффициент полезного\rдействия преобразователя",
                                            "Участок №3\r :выберите тип торможения"};
    EXPECT_EQ(QuestionTexts(p), asked);
    EXPECT_EQ(d.driveType, 1);
    EXPECT_DOUBLE_EQ(d.rotorResistanceRatio, (0.597 + 0.5) / 0.597);

    // Plugging from 98 1/s in 0.5 s: braking torque 98 + 30 N*m, Qe = tan(phi) * E, no shaft work.
    const double c = EmpiricalPowerFactor(std::sqrt(128 / d.ratedTorque));
    EXPECT_NEAR(d.stretchPowerFactor[3], c, 1e-12);
    EXPECT_NEAR(d.stretchReactivePower[3] / d.stretchActivePower[3], std::sqrt(1 / (c * c) - 1), 1e-9);
    EXPECT_EQ(d.stretchEfficiency[3], 0);
}

TEST(VoltageRegulator, ConverterEfficiencyDividesOnlyTheEnergyOfStartAndDeceleration)
{
    AcWorkingData whole = WoundRotorSample();
    whole.tachoPoints[4].speed = 50;  // stretch 3 slows down to 50 1/s
    AcWorkingData half = whole;
    drive::LineBuffer pane;
    drive::ScriptedPrompter p1({"2", "1", "0"});
    RunCalculationCommand(AcCommand::VoltageRegulator, whole, p1, pane);
    drive::ScriptedPrompter p2({"2", "0,5", "0"});
    RunCalculationCommand(AcCommand::VoltageRegulator, half, p2, pane);

    EXPECT_DOUBLE_EQ(half.stretchActivePower[1], 2 * whole.stretchActivePower[1]);
    EXPECT_DOUBLE_EQ(half.stretchActivePower[2], whole.stretchActivePower[2]);
    EXPECT_DOUBLE_EQ(half.stretchActivePower[3], 2 * whole.stretchActivePower[3]);
    EXPECT_EQ(whole.stretchLabels[3], "торможение");
}

TEST(VoltageRegulator, ReversalKeepsTheAccelerationLossesAndCountsBothPartsInTheEnergy)
{
    AcWorkingData d = WoundRotorSample();
    SetDiagram(d, {{0, 98}, {1, -98}}, 30);
    drive::ScriptedPrompter p({"2", "1", "0", "0,4"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::VoltageRegulator, d, p, pane);
    EXPECT_EQ(p.questions().at(3).text, "Участок №1 -реверс. \rвремя торможения Tторм < 1,00 c.");
    EXPECT_EQ(d.stretchLabels[1], "реверс");

    // The acceleration part is a start from standstill to 98 1/s in the remaining 0.6 s.
    AcWorkingData start = WoundRotorSample();
    SetDiagram(start, {{0, 0}, {0.6, -98}}, 30);
    drive::ScriptedPrompter q({"2", "1", "0"});
    RunCalculationCommand(AcCommand::VoltageRegulator, start, q, pane);
    EXPECT_DOUBLE_EQ(d.stretchLosses[1], start.stretchLosses[1]);

    // The power factor is that of the whole stretch's energies; the useful work is the shaft
    // power over the acceleration part, Mc * wb / 2 * 0.6 s, and the duration is 1 s.
    const double e = d.stretchActivePower[1];
    EXPECT_GT(e, 1470 * 0.6 + d.stretchLosses[1]) << "the braking part's energy is counted too";
    EXPECT_NEAR(d.stretchPowerFactor[1], 1 / std::sqrt(std::pow(e / d.stretchReactivePower[1], 2) + 1), 1e-12);
    EXPECT_NEAR(d.stretchEfficiency[1], 1470 * 0.6 / e, 1e-12);
}

// A stretch whose formulas leave a value undefined: the run goes on with the values chosen.
struct UndefinedCase {
    const char* name;
    std::vector<TachoPoint> points;
    double torque;
    double ratedSlip;  // of the motor, synchronous speed 100 1/s when not 0
    const char* label;
    double (*powerFactor)(const AcWorkingData&);
    bool nothingDrawn;  // losses, P1, Q1 and efficiency are 0
};

class VoltageRegulatorUndefined : public ::testing::TestWithParam<UndefinedCase> {};

TEST_P(VoltageRegulatorUndefined, RunsThroughWithTheChosenFiniteValues)
{
    const UndefinedCase& c = GetParam();
    AcWorkingData d = WoundRotorSample();
    if (c.ratedSlip != 0) {
        d.motor.synchronousSpeed = 100;
        d.motor.ratedSlip = c.ratedSlip;
    }
    SetDiagram(d, c.points, c.torque);
    drive::ScriptedPrompter p({"2", "1", "0"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::VoltageRegulator, d, p, pane);

    EXPECT_EQ(pane.lines().size(), 6u);
    EXPECT_EQ(d.stretchLabels[1], c.label);
    ExpectFiniteResults(d, 1);
    EXPECT_NEAR(d.stretchPowerFactor[1], c.powerFactor(d), 1e-12);
    if (c.points[0].speed != 0 && c.points[0].speed == c.points[1].speed) {
        EXPECT_DOUBLE_EQ(d.stretchShaftPower[1], c.torque * c.points[0].speed);
        EXPECT_GT(d.stretchEfficiency[1], 0);
    } else {
        EXPECT_EQ(d.stretchShaftPower[1], 0);
        EXPECT_EQ(d.stretchEfficiency[1], 0);
    }
    if (c.nothingDrawn) {
        EXPECT_EQ(d.stretchLosses[1], 0);
        EXPECT_EQ(d.stretchActivePower[1], 0);
        EXPECT_EQ(d.stretchReactivePower[1], 0);
    } else {
        EXPECT_GT(d.stretchActivePower[1], 0);
    }
}

double Zero(const AcWorkingData&) { return 0; }
// Standstill under load: the speed factor's limit 0.6 for x -> infinity.
double StandstillLimit(const AcWorkingData& d) { return (std::sqrt(30 / d.ratedTorque) * 0.21 + 0.2) * 0.6; }
// Exactly the rated speed: the speed factor's limit 1.4 for x -> 1.
double RatedSpeedLimit(const AcWorkingData& d) { return (std::sqrt(30 / d.ratedTorque) * 0.21 + 0.2) * 1.4; }
double DynamicBrakingFactor(const AcWorkingData&) { return 0.4; }

INSTANTIATE_TEST_SUITE_P(
    Table, VoltageRegulatorUndefined,
    ::testing::Values(
        UndefinedCase{"pause_of_zero_duration", {{3, 0}, {3, 0}}, 0, 0, "ожидание", Zero, true},
        UndefinedCase{"pause_of_negative_duration", {{12, 0}, {0, 0}}, 0, 0, "ожидание", Zero, true},
        UndefinedCase{"standstill_under_load", {{0, 0}, {2, 0}}, 30, 0, "установившийся режим", StandstillLimit,
                      false},
        UndefinedCase{"standstill_under_load_of_zero_duration", {{2, 0}, {2, 0}}, 30, 0, "установившийся режим",
                      StandstillLimit, true},
        // w0 = 100 and sN = 0.0625 make x = (1 - sN) / (1 - s) exactly 1 at 93.75 1/s.
        UndefinedCase{"exactly_the_rated_speed", {{0, 93.75}, {2, 93.75}}, 30, 0.0625, "установившийся режим",
                      RatedSpeedLimit, false},
        UndefinedCase{"dynamic_braking_from_below_the_threshold_speed", {{0, 5}, {0.01, 0}}, 30, 0, "торможение",
                      DynamicBrakingFactor, true}),
    drivetest::CaseName());

struct FaultCase {
    const char* name;
    TachoPoint end;  // point 3: stretch 1 is the sample's steady run, stretch 2 ends here
    std::vector<std::string> answers;
    const char* message;
};

class VoltageRegulatorStops : public ::testing::TestWithParam<FaultCase> {};

TEST_P(VoltageRegulatorStops, WithTheMessageNoReportAndEarlierStretchesKept)
{
    AcWorkingData d = WoundRotorSample();
    SetDiagram(d, {{0, 98}, {4.924, 98}, GetParam().end}, 30);
    ExpectStops(AcCommand::VoltageRegulator, d, GetParam().answers, GetParam().message);
    EXPECT_PRINTED(d.stretchActivePower[1], 3516.88, 2) << "stretch 1 was calculated before the stop";
}

INSTANTIATE_TEST_SUITE_P(
    Table, VoltageRegulatorStops,
    ::testing::Values(FaultCase{"zero_converter_efficiency", {5.5, 50}, {"2", "0", "0"}, "Floating point division by zero"},
                      FaultCase{"zero_braking_time", {5.924, -98}, {"2", "1", "0", "0"}, "Floating point division by zero"},
                      FaultCase{"braking_time_equal_to_the_stretch",
                                {5.924, -98},
                                {"2", "1", "0", "1"},
                                "Floating point division by zero"},
                      FaultCase{"moving_stretch_of_zero_duration", {4.924, 50}, {"2", "1", "0"},
                                "Floating point division by zero"}),
    drivetest::CaseName());

TEST(VoltageRegulator, ThirtyStretchesWithEmptyRowsAtTheEndRunThrough)
{
    AcWorkingData d = WoundRotorSample();
    d.pointCount = 31;  // as the editor's accept leaves it
    drive::ScriptedPrompter p({"1", "0,95", "0", "1", "2"});
    drive::LineBuffer pane;
    RunCalculationCommand(AcCommand::VoltageRegulator, d, p, pane);

    EXPECT_EQ(p.questions().at(3).text, "Участок №3\r :выберите тип торможения");
    EXPECT_EQ(p.questions().at(4).text, "Участок №6\r :выберите тип торможения");
    EXPECT_EQ(pane.lines().size(), 4u + 2 * 30);
    EXPECT_EQ(d.stretchLabels[4], "пуск");
    EXPECT_EQ(d.stretchLabels[5], "установившийся режим");
    EXPECT_EQ(d.stretchLabels[6], "торможение");
    for (int i = 1; i <= 30; ++i)
        ExpectFiniteResults(d, i);
    ExpectPausesShowZeros(d, 7, 30);
    EXPECT_EQ(d.methodResults[3].rows[3][4], d.stretchActivePower[4]);
}

}  // namespace
