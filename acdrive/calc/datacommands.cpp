#include "acdrive/calc/datacommands.h"

namespace acdrive {

void UpdateMenuWhenEntered(const AcWorkingData& data, CalculationMenu& menu)
{
    if (data.motorEntered && data.diagramEntered)
        menu = UpdateCalculationMenu(data, menu);
}

void AcceptMotorWindow(const MotorWindowTexts& window, AcWorkingData& data, CalculationMenu& menu)
{
    AcceptMotorData(window, data);
    menu = UpdateCalculationMenu(data, menu);
}

void SingleSpeedMotorCommand(std::int32_t rotorType, AcWorkingData& data, MotorDialog& motorDialog,
                             CalculationMenu& menu)
{
    data.rotorType = rotorType;
    data.multiSpeed = false;
    motorDialog.ShowModal();
    UpdateMenuWhenEntered(data, menu);
}

void MultiSpeedMotorCommand(AcWorkingData& data, drive::Prompter& prompter, MotorDialog& motorDialog,
                            CalculationMenu& menu)
{
    if (EnterSpeedSteps(data, prompter, motorDialog))
        menu = UpdateCalculationMenu(data, menu);
}

}  // namespace acdrive
