#include "acdrive/calc/datacommands.h"

#include <gtest/gtest.h>

#include <functional>

#include "acdrive/data/motorwindow.h"
#include "common/errors.h"
#include "common/scriptedprompter.h"

namespace {

using acdrive::AcWorkingData;
using acdrive::CalculationMenu;

// The motor window: activated, then accepted (through the core accept with its menu update)
// or cancelled.
class MotorWindowStub : public acdrive::MotorDialog {
public:
    MotorWindowStub(AcWorkingData& data, CalculationMenu& menu, bool accept)
        : data_(data), menu_(menu), accept_(accept)
    {
    }

    void ShowModal() override
    {
        acdrive::ShowMotorData(data_, texts_);
        if (accept_)
            acdrive::AcceptMotorWindow(texts_, data_, menu_);
    }

private:
    AcWorkingData& data_;
    CalculationMenu& menu_;
    bool accept_;
    acdrive::MotorWindowTexts texts_;
};

constexpr CalculationMenu kAllOff{};
constexpr CalculationMenu kWoundRotorMethods = {false, false, false, true, true, true, false};
constexpr CalculationMenu kMultiSpeedOnly = {false, false, false, false, false, false, true};

// Right after start: choosing the wound rotor and accepting enables the wound-rotor methods,
// even before any diagram has been entered; cancelling enables nothing.
TEST(DataCommands, SingleSpeedMotorAcceptEnablesTheMethodsOfItsRotor)
{
    for (const bool accept : {true, false}) {
        AcWorkingData data;
        CalculationMenu menu{};
        MotorWindowStub window(data, menu, accept);
        acdrive::SingleSpeedMotorCommand(1, data, window, menu);
        EXPECT_EQ(data.rotorType, 1);
        EXPECT_FALSE(data.multiSpeed);
        EXPECT_EQ(data.motorEntered, accept);
        EXPECT_EQ(menu, accept ? kWoundRotorMethods : kAllOff);
    }
}

TEST(DataCommands, MultiSpeedMotorEnablesOnlyTheMultiSpeedMethod)
{
    AcWorkingData data;
    data.rotorType = 1;
    CalculationMenu menu = kWoundRotorMethods;
    MotorWindowStub window(data, menu, false);
    drive::ScriptedPrompter prompter({"2"});
    acdrive::MultiSpeedMotorCommand(data, prompter, window, menu);
    EXPECT_EQ(data.speedCount, 2);
    EXPECT_EQ(menu, kMultiSpeedOnly);
}

TEST(DataCommands, RefusedSpeedCountLeavesTheMenu)
{
    AcWorkingData data;
    data.rotorType = 1;
    CalculationMenu menu = kAllOff;
    MotorWindowStub window(data, menu, true);
    drive::ScriptedPrompter prompter({"12"});
    acdrive::MultiSpeedMotorCommand(data, prompter, window, menu);
    EXPECT_EQ(menu, kAllOff);
    EXPECT_EQ(prompter.notices().size(), 1u);
}

}  // namespace
