#pragma once

// Shared set-up of the DC tests: a realistic motor, load diagrams typed into the editor grid,
// and windows that record being shown.

#include "common/scriptedprompter.h"
#include "common/textgrid.h"
#include "dcdrive/data/motordata.h"
#include "dcdrive/data/tachogrid.h"
#include "dcdrive/data/windows.h"
#include "dcdrive/data/workingdata.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

namespace dctest {

// Counts the windows shown and runs what the user does in them.
class RecordingWindows : public dcdrive::DcWindows {
public:
    int editorShown = 0;
    int motorWindowShown = 0;
    std::function<void()> onEditor;
    std::function<void()> onMotorWindow;

    void ShowTachoEditor() override
    {
        ++editorShown;
        if (onEditor)
            onEditor();
    }

    void ShowMotorWindow() override
    {
        ++motorWindowShown;
        if (onMotorWindow)
            onMotorWindow();
    }
};

// A 4 kW, 220 V, 157 1/s motor with its drive as typed in the motor window: Uн, Iн, Wн, Rя,
// Pн kW, Jc, ПВ %, B, K, Мс, Iхх, Uвн, Iвн.
inline dcdrive::DcMotorEdits Motor4kw()
{
    return { "220", "22", "157", "0,9", "4", "0,12", "40", "1", "2", "15", "2", "220", "0,8" };
}

// (time, speed) texts of one point.
using PointText = std::pair<std::string, std::string>;

// The editor grid with an all-"0" first row and the points typed into rows 2 ..; each typed
// row also carries a static torque and an inertia, as users fill them.
inline drive::TextGrid GridWithPoints(const std::vector<PointText>& points)
{
    drive::TextGrid grid = dcdrive::MakeTachoGrid();
    int row = 2;
    for (const auto& [time, speed] : points) {
        grid.SetCell(row, 1, time);
        grid.SetCell(row, 2, speed);
        grid.SetCell(row, 3, "15");
        grid.SetCell(row, 5, "0,12");
        ++row;
    }
    return grid;
}

// Forward start to 150 1/s, run, slow to 50 1/s, run, stop, reverse to -100 1/s, run, stop, and
// a standstill until `end` seconds.
inline std::vector<PointText> ForwardReverse(const std::string& end)
{
    return { { "1,5", "150" }, { "11,5", "150" }, { "13,5", "50" }, { "18,5", "50" }, { "19,5", "0" },
        { "21", "-100" }, { "26", "-100" }, { "27,5", "0" }, { end, "0" } };
}

// Accepts the points and the motor as the editor and the motor window do; fails the test when
// either refuses.
inline dcdrive::DcWorkingData AcceptedDrive(
    const std::vector<PointText>& points, const dcdrive::DcMotorEdits& motor)
{
    dcdrive::DcWorkingData data;
    drive::ScriptedPrompter prompter;
    RecordingWindows windows;
    const bool diagram = dcdrive::AcceptTachogram(GridWithPoints(points), data, prompter);
    const bool accepted = diagram && dcdrive::AcceptDcMotorData(motor, data, prompter, windows);
    if (!accepted)
        ADD_FAILURE() << "the drive was not accepted: "
                      << (prompter.notices().empty() ? std::string("?") : prompter.notices().back());
    return data;
}

} // namespace dctest
