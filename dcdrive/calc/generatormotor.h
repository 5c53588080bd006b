#pragma once

// The generator-motor system ("Схема Г-Д"): the input window TForm5 and its calculation.

#include "common/linesink.h"
#include "common/prompter.h"
#include "dcdrive/calc/dutycycle.h"
#include "dcdrive/data/windows.h"
#include "dcdrive/data/workingdata.h"

#include <string>

namespace dcdrive {

// What TForm5 holds: the texts of its edits (each starts "0") and its tick box.
struct GeneratorMotorForm {
    std::string edit1 = "0"; // Rгс, generator armature resistance, Ohm
    std::string edit2 = "0"; // Rвг, generator field resistance, Ohm
    std::string edit3 = "0"; // Lвг, generator field inductance, H
    bool sourceData = false; // CheckBox1 "Выводить исходные данные"
};

// The window's "ОК": reads the three inputs (drive::ConversionError for a text that is not a
// number; "Вы ввели не все значения" and Refused when one is 0), computes R, Tв, Tм and β and
// walks the cycle, appending to the memo. When the acceleration check fails and the user
// answers Yes, shows the load diagram editor and starts again from the inputs (the lines
// written before stay); No clears the whole memo and ends. Completed closes the window.
CalculationEnd CalculateGeneratorMotor(const GeneratorMotorForm& form, DcWorkingData& data,
    drive::Prompter& prompter, drive::LineSink& memo, DcWindows& windows);

// The generator-motor results of a steady or changing stretch: the loss energy with its
// static and cross parts, the current and the transient duration.
StretchOutcome GeneratorMotorStretch(const DcWorkingData& data, const DutyStretch& stretch);

} // namespace dcdrive
