#pragma once

// Shared set-ups and checks of the AC calculation tests.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "acdrive/calc/commands.h"
#include "acdrive/data/workingdata.h"
#include "common/errors.h"
#include "common/linesink.h"
#include "common/scriptedprompter.h"

namespace actest {

using namespace acdrive;

// The sample drive as the sample tool button leaves it: a wound-rotor motor.
inline AcWorkingData WoundRotorSample()
{
    AcWorkingData d;
    CalculationMenu menu{};
    UseSampleDrive(d, menu);
    return d;
}

// The sample drive with a squirrel-cage motor.
inline AcWorkingData CageSample()
{
    AcWorkingData d = WoundRotorSample();
    d.rotorType = 2;
    return d;
}

// The sample drive described as its two-speed motor.
inline AcWorkingData TwoSpeedSample()
{
    AcWorkingData d = CageSample();
    d.multiSpeed = true;
    d.speedCount = 2;
    return d;
}

// Replaces points 1 .. n and pointCount; the loads stay.
inline void SetPoints(AcWorkingData& d, const std::vector<TachoPoint>& points)
{
    for (std::size_t k = 0; k < points.size(); ++k)
        d.tachoPoints[k + 1] = points[k];
    d.pointCount = static_cast<std::uint16_t>(points.size());
}

// Replaces the load diagram by the given points, every stretch under `torque` and 0.5 kg*m^2.
inline void SetDiagram(AcWorkingData& d, const std::vector<TachoPoint>& points, double torque)
{
    SetPoints(d, points);
    for (std::size_t k = 0; k < points.size(); ++k)
        d.stretchLoads[k + 1] = {torque, 0.5};
}

// The texts of the questions asked, in order.
inline std::vector<std::string> QuestionTexts(const drive::ScriptedPrompter& p)
{
    std::vector<std::string> texts;
    for (const drive::PromptRecord& q : p.questions())
        texts.push_back(q.text);
    return texts;
}

// The questions asked, a choice with its options as "question / first / second".
inline std::vector<std::string> Asked(const drive::ScriptedPrompter& p)
{
    std::vector<std::string> texts;
    for (const drive::PromptRecord& q : p.questions()) {
        if (q.kind == drive::PromptRecord::Kind::Choice)
            texts.push_back(q.text + " / " + q.first + " / " + q.second);
        else
            texts.push_back(q.text);
    }
    return texts;
}

// Every result of stretch i is a finite number.
inline void ExpectFiniteResults(const AcWorkingData& d, int i)
{
    for (double v : {d.stretchLosses[i], d.stretchShaftPower[i], d.stretchPowerFactor[i], d.stretchActivePower[i],
                     d.stretchReactivePower[i], d.stretchEfficiency[i]})
        EXPECT_TRUE(std::isfinite(v)) << "stretch " << i;
}

// Runs the command with the answers; it must stop with `message` before its report: nothing is
// appended to the results pane and nothing is filed in the method's results table.
inline void ExpectStops(AcCommand command, AcWorkingData& d, const std::vector<std::string>& answers,
                        const char* message)
{
    drive::ScriptedPrompter p({answers.begin(), answers.end()});
    drive::LineBuffer pane;
    const MethodResultTable before = d.methodResults[static_cast<int>(command)];
    try {
        RunCalculationCommand(command, d, p, pane);
        ADD_FAILURE() << "the run did not stop";
    } catch (const drive::PlatformError& e) {
        EXPECT_STREQ(e.what(), message);
    }
    EXPECT_TRUE(pane.lines().empty());
    EXPECT_EQ(d.methodResults[static_cast<int>(command)].rows, before.rows) << "nothing filed";
}

// Stretches first .. last are pauses ("ожидание") that show zeros.
inline void ExpectPausesShowZeros(const AcWorkingData& d, int first, int last)
{
    for (int i = first; i <= last; ++i) {
        EXPECT_EQ(d.stretchLabels[i], "ожидание") << "stretch " << i;
        EXPECT_EQ(d.stretchEfficiency[i], 0) << "stretch " << i;
        EXPECT_EQ(d.stretchActivePower[i], 0) << "stretch " << i;
        EXPECT_EQ(d.stretchReactivePower[i], 0) << "stretch " << i;
    }
}

}  // namespace actest
