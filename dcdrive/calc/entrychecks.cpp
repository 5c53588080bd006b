#include "dcdrive/calc/entrychecks.h"

namespace dcdrive {

void EnsureCalculationInputs(const DcWorkingData& data, drive::Prompter& prompter, DcWindows& windows)
{
    while (data.tachoPointCount == 0) {
        prompter.ShowNotice("Вы не ввели параметры тахограммы");
        windows.ShowTachoEditor();
    }
    while (!data.motorDataComplete) {
        prompter.ShowNotice("Вы не ввели параметры двигателя");
        windows.ShowMotorWindow();
    }
}

} // namespace dcdrive
