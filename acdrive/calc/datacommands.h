#pragma once

// The data commands of the AC main window and the motor window's accept, as core operations:
// they combine the motor window and the load diagram with the calculation menu update.

#include <cstdint>

#include "acdrive/calc/commands.h"
#include "acdrive/data/motorwindow.h"
#include "acdrive/data/workingdata.h"
#include "common/prompter.h"

namespace acdrive {

// The menu update that waits for both entries: UpdateCalculationMenu only when motorEntered and
// diagramEntered are both true (after the single-speed motor command, the "диаграмма..." command
// and the batch runner's rotor choice).
void UpdateMenuWhenEntered(const AcWorkingData& data, CalculationMenu& menu);

// The motor window's "Принять изменения": AcceptMotorData, then UpdateCalculationMenu; the window
// then closes. A field that is not a number throws drive::ConversionError before the update and
// the window stays open.
void AcceptMotorWindow(const MotorWindowTexts& window, AcWorkingData& data, CalculationMenu& menu);

// "Данные" → "Двигатель" → "односкоростной" → "фазный" (rotorType 1) or "короткозамкнутый" (2):
// rotorType := the given type, multiSpeed := false, the motor window shown modally, then
// UpdateMenuWhenEntered.
void SingleSpeedMotorCommand(std::int32_t rotorType, AcWorkingData& data, MotorDialog& motorDialog,
                             CalculationMenu& menu);

// "Данные" → "Двигатель" → "многоскоростной": EnterSpeedSteps, then UpdateCalculationMenu unless
// the number of speeds was refused. A number that is not whole throws drive::ConversionError.
void MultiSpeedMotorCommand(AcWorkingData& data, drive::Prompter& prompter, MotorDialog& motorDialog,
                            CalculationMenu& menu);

}  // namespace acdrive
