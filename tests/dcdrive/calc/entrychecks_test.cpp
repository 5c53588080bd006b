#include "common/scriptedprompter.h"
#include "dcdrive/calc/entrychecks.h"
#include "tests/dcdrive/dcsetup.h"

#include <gtest/gtest.h>

namespace {

// The editor is shown until a count happened there, then the motor window until an acceptance
// got past its completeness check.
TEST(EnsureCalculationInputs, ShowsEachWindowUntilItsInputIsThere)
{
    dcdrive::DcWorkingData data;
    drive::ScriptedPrompter prompter;
    dctest::RecordingWindows windows;
    windows.onEditor = [&] {
        if (windows.editorShown == 2)
            data.tachoPointCount = 1;
    };
    windows.onMotorWindow = [&] { data.motorDataComplete = true; };
    dcdrive::EnsureCalculationInputs(data, prompter, windows);
    EXPECT_EQ(windows.editorShown, 2);
    EXPECT_EQ(windows.motorWindowShown, 1);
    EXPECT_EQ(prompter.notices(),
        std::vector<std::string>({ "Вы не ввели параметры тахограммы", "Вы не ввели параметры тахограммы",
            "Вы не ввели параметры двигателя" }));

    dcdrive::EnsureCalculationInputs(data, prompter, windows);
    EXPECT_EQ(prompter.notices().size(), 3u);
}

} // namespace
