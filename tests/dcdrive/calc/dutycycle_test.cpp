#include "common/errors.h"
#include "common/scriptedprompter.h"
#include "dcdrive/calc/dutycycle.h"
#include "tests/support/testsupport.h"

#include <cmath>
#include <functional>
#include <gtest/gtest.h>

namespace {

using dcdrive::DcWorkingData;
using dcdrive::DutyCycleEnd;
using dcdrive::DutyStretch;
using dcdrive::StretchOutcome;

// Gives every steady or changing stretch A = 10 J, I = 2 A, t = 1 s and records what it saw.
class FixedSystem : public dcdrive::DutyCycleSystem {
public:
    std::vector<DutyStretch> seen;

    std::optional<StretchOutcome> StretchResults(const DutyStretch& s) override
    {
        seen.push_back(s);
        StretchOutcome r;
        r.loss = 10;
        r.current = 2;
        r.time = 1;
        return r;
    }
};

DcWorkingData DataWithPoints(const std::vector<std::pair<double, double>>& points)
{
    DcWorkingData d;
    d.tachoPointCount = static_cast<int>(points.size());
    for (std::size_t k = 0; k < points.size(); ++k) {
        d.tachoTime[k] = points[k].first;
        d.tachoSpeed[k] = points[k].second;
    }
    d.nominalSpeed = 100;
    d.nominalCurrent = 10;
    d.mechTimeConstant = 0.5;
    d.allowedAcceleration = 1000;
    d.emfCoefficient = 1.5;
    d.heatTransferFactor = 1;
    d.ratedDutyFactor = 45;
    return d;
}

TEST(RunDutyCycle, WalksAbsoluteDurationsSpeedMagnitudesAndTheLastPause)
{
    DcWorkingData d
        = DataWithPoints({ { 0, 0 }, { 5, 100 }, { 3, -100 }, { 6, -60 }, { 16, 0 }, { 26, 0 }, { 30, 0 } });
    d.stretchLoss[5] = 77;
    FixedSystem system;
    drive::ScriptedPrompter prompter;
    drive::LineBuffer memo;
    EXPECT_EQ(dcdrive::RunDutyCycle(d, system, false, prompter, memo), DutyCycleEnd::Completed);

    ASSERT_EQ(system.seen.size(), 4u);
    const double durations[] = { 5, 2, 3, 10 };
    const double changes[] = { 100, 100, 40, 60 };
    const int signs[] = { 1, -2, -1, -1 };
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_EQ(system.seen[k].duration.value(), durations[k]) << k;
        EXPECT_EQ(system.seen[k].speedChange.value(), changes[k]) << k;
        EXPECT_EQ(system.seen[k].k, signs[k]) << k;
        EXPECT_EQ(system.seen[k].tau.value(), durations[k] / 0.5) << k;
        EXPECT_FALSE(system.seen[k].steady) << k;
    }
    EXPECT_EQ(system.seen[1].nu2.value(), 1);
    EXPECT_EQ(d.pauseTime, 4);
    EXPECT_EQ(d.stretchPower[0], 300);
    EXPECT_EQ(d.stretchTorque[2], 3);
    EXPECT_EQ(d.stretchI2t[3], 4);
    EXPECT_EQ(d.stretchLoss[5], 0);
    EXPECT_EQ(d.totalLoss, 40);
    EXPECT_EQ(d.totalEnergy, 900);
    EXPECT_EQ(d.cycleWorkTime, 4);
    EXPECT_EQ(d.sumBetaT, 4);

    const std::vector<std::string>& lines = memo.lines();
    ASSERT_EQ(lines.size(), 6 * 5 + 4u);
    EXPECT_EQ(std::vector<std::string>(lines.begin(), lines.begin() + 5),
        std::vector<std::string>({ "Ап1=10 Дж", "Рэ1=300 Вт", "Iэ1=2 А", "Ту1=1 c", "Wт1=0 рад/с" }));
    EXPECT_EQ(lines[19], "Wт4=-60 рад/с");
    EXPECT_EQ(std::vector<std::string>(lines.begin() + 25, lines.begin() + 30),
        std::vector<std::string>({ "Ап6=0 Дж", "Рэ6=0 Вт", "Iэ6=0 А", "Ту6=0 c", "Wт6=0 рад/с" }));
    EXPECT_EQ(lines.back(), "К.П.Д.=95 %");
}

struct AccelerationCase {
    const char* name;
    std::vector<std::pair<double, double>> points;
    double allowed;
    const char* answer;
    DutyCycleEnd end;
    std::size_t linesBefore; // lines of the stretches that passed
};

void PrintTo(const AccelerationCase& row, std::ostream* out)
{
    *out << row.name;
}

class AccelerationCheckTest : public testing::TestWithParam<AccelerationCase> { };

TEST_P(AccelerationCheckTest, AsksAndStopsTheWalk)
{
    DcWorkingData d = DataWithPoints(GetParam().points);
    d.allowedAcceleration = GetParam().allowed;
    FixedSystem system;
    drive::ScriptedPrompter prompter({ GetParam().answer });
    drive::LineBuffer memo;
    EXPECT_EQ(dcdrive::RunDutyCycle(d, system, false, prompter, memo), GetParam().end);
    ASSERT_EQ(prompter.questions().size(), 1u);
    EXPECT_EQ(prompter.questions()[0].text, dcdrive::kAccelerationQuestion);
    EXPECT_EQ(memo.lines().size(), GetParam().linesBefore);
}

INSTANTIATE_TEST_SUITE_P(Stretches, AccelerationCheckTest,
    testing::Values(AccelerationCase { "steady_100_for_2_s_demands_50", { { 0, 0 }, { 5, 100 }, { 7, 100 } },
                        40, "y", DutyCycleEnd::AccelerationYes, 5 },
        AccelerationCase {
            "standstill_is_checked_too", { { 0, 0 }, { 2, 0 } }, -1, "n", DutyCycleEnd::AccelerationNo, 0 }),
    drivetest::CaseName());

TEST(RunDutyCycle, AZeroDurationStopsWithTheDivisionErrorAndKeepsEarlierLines)
{
    DcWorkingData d = DataWithPoints({ { 0, 0 }, { 5, 100 }, { 5, 50 }, { 9, 0 } });
    FixedSystem system;
    drive::ScriptedPrompter prompter;
    drive::LineBuffer memo;
    try {
        dcdrive::RunDutyCycle(d, system, false, prompter, memo);
        FAIL() << "no arithmetic error";
    } catch (const drive::ArithmeticError& e) {
        EXPECT_EQ(e.kind(), drive::ArithmeticError::Kind::DivisionByZero);
    }
    EXPECT_EQ(memo.lines().size(), 5u);
    EXPECT_EQ(d.stretchPower[1], 0);
}

// τ = Δt / Tм comes before the acceleration check: a zero Tм stops the walk there.
TEST(RunDutyCycle, AZeroTimeConstantStopsBeforeTheAccelerationQuestion)
{
    DcWorkingData d = DataWithPoints({ { 0, 0 }, { 5, 100 } });
    d.mechTimeConstant = 0;
    d.allowedAcceleration = 1;
    FixedSystem system;
    drive::ScriptedPrompter prompter({ "n" });
    drive::LineBuffer memo;
    EXPECT_THROW(dcdrive::RunDutyCycle(d, system, false, prompter, memo), drive::ArithmeticError);
    EXPECT_TRUE(prompter.questions().empty());
}

TEST(RunDutyCycle, ASinglePointDividesByTheZeroEnergy)
{
    DcWorkingData d = DataWithPoints({ { 0, 0 } });
    FixedSystem system;
    drive::ScriptedPrompter prompter;
    drive::LineBuffer memo;
    EXPECT_THROW(dcdrive::RunDutyCycle(d, system, false, prompter, memo), drive::ArithmeticError);
    EXPECT_TRUE(memo.lines().empty());
}

struct FinishCase {
    const char* name;
    std::function<void(DcWorkingData&)> change;
    bool finished;
    std::vector<std::string> notices;
    std::vector<std::string> lines;
};

void PrintTo(const FinishCase& row, std::ostream* out)
{
    *out << row.name;
}

class FinishDutyCycleTest : public testing::TestWithParam<FinishCase> { };

// 4000 J drawn, 1000 J lost, a heating current of 10 A and 40 % worked against 40 % rated.
TEST_P(FinishDutyCycleTest, ChecksTheCycleAndWritesItsLines)
{
    DcWorkingData d;
    d.totalEnergy = 4000;
    d.totalLoss = 1000;
    d.sumI2t = 400;
    d.sumBetaT = 4;
    d.cycleWorkTime = 40;
    d.pauseTime = 60;
    d.ratedDutyFactor = 40;
    d.nominalCurrent = 10;
    GetParam().change(d);
    drive::ScriptedPrompter prompter;
    drive::LineBuffer memo;
    EXPECT_EQ(dcdrive::FinishDutyCycle(d, false, prompter, memo), GetParam().finished);
    EXPECT_EQ(prompter.notices(), GetParam().notices);
    EXPECT_EQ(memo.lines(), GetParam().lines);
    EXPECT_EQ(d.efficiency, 0.75);
}

INSTANTIATE_TEST_SUITE_P(EndOfCycle, FinishDutyCycleTest,
    testing::Values(
        FinishCase { "efficiency_0_75_prints_75_and_current_equal_to_nominal_passes", [](DcWorkingData&) {},
            true, {}, { "Асум=1000 Дж", "Рэ.сум=4000 Вт", "Эквивалентный ток Iэ=10 A", "К.П.Д.=75 %" } },
        FinishCase { "current_above_nominal_fails_heating_and_goes_on",
            [](DcWorkingData& d) { d.nominalCurrent = 9.5; }, true, { "ЭД не проходит по тепловому режиму" },
            { "Асум=1000 Дж", "Рэ.сум=4000 Вт", "Эквивалентный ток Iэ=10 A",
                "ЭД не проходит по тепловому режиму4000 Вт", "Iэ=10 А > Iн=9,5 A", "К.П.Д.=75 %" } },
        FinishCase { "duty_deviation_of_10_passes",
            [](DcWorkingData& d) {
                d.cycleWorkTime = 50;
                d.pauseTime = 50;
                d.nominalCurrent = 20;
            },
            true, {}, { "Асум=1000 Дж", "Рэ.сум=4000 Вт", "Эквивалентный ток Iэ=11 A", "К.П.Д.=75 %" } },
        FinishCase { "duty_deviation_above_10_ends_the_calculation",
            [](DcWorkingData& d) {
                d.cycleWorkTime = 50.1;
                d.pauseTime = 49.9;
            },
            false, { "ЭД не проходит по ПВ,% ! ПВр=50,6%ПВд=40,5%" },
            { "Асум=1000 Дж", "Рэ.сум=4000 Вт", "ЭД не проходит по ПВ,% ! ПВр=50,6%ПВд=40,5%" } }),
    drivetest::CaseName());

} // namespace
