#pragma once

#include "common/prompter.h"
#include "dcdrive/data/windows.h"
#include "dcdrive/data/workingdata.h"

namespace dcdrive {

// Run before either calculation window opens: while no load diagram has been counted shows
// "Вы не ввели параметры тахограммы" and the load diagram editor, then while no motor
// acceptance got past its completeness check shows "Вы не ввели параметры двигателя" and the
// motor window. Returns once both hold; `data` is re-read after every window.
void EnsureCalculationInputs(const DcWorkingData& data, drive::Prompter& prompter, DcWindows& windows);

} // namespace dcdrive
