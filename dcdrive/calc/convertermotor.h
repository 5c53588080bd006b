#pragma once

// The thyristor converter-motor system ("Схема ТП-Д"): the input window TForm6, the
// coefficient window TForm7 and the calculation.

#include "common/linesink.h"
#include "common/prompter.h"
#include "dcdrive/calc/dutycycle.h"
#include "dcdrive/data/windows.h"
#include "dcdrive/data/workingdata.h"

#include <string>

namespace dcdrive {

// What TForm6 holds: the texts of its edits (each starts "0") and its tick boxes.
struct ConverterMotorForm {
    std::string edit16 = "0"; // Eп, converter EMF, V
    std::string edit17 = "0"; // Rп, converter resistance, a whole number, Ohm
    std::string edit18 = "0"; // Px, transformer no-load losses, a whole number, W
    bool rampGenerator = false; // CheckBox1 "Наличие задатчика интенсивности"
    bool sourceData = false; // CheckBox2 "Выводить исходные данные?"
};

// What TForm7 holds: the texts of its edits, which start with the first entries of its tables.
struct CoefficientForm {
    std::string edit1 = "1,1"; // Ki, variable-loss factor
    std::string edit2 = "1,57"; // Kф, current form factor
};

// TForm6's accept: stores rampGenerator, Eп (shows "Введите другое значение Э.Д.С. ТП Еп, В . У
// вас получается Еп<Uн (Э.Д.С. ТП<Номинального напряжения) " when Eп < Uн, and goes on), Rп and
// Px as whole numbers (drive::ConversionError with the integer text otherwise) and R. Returns
// true when TForm7 is to be shown modally, after which TForm6 closes; false when TForm6 stays
// open.
bool AcceptConverterInputs(const ConverterMotorForm& form, DcWorkingData& data, drive::Prompter& prompter);

// TForm7's calculate button: reads Ki and Kф, computes P0, Tм, Pв, ΔPк and β, appends the two
// heading lines and walks the cycle with Tп set to 0 (rampFactor keeps its value from earlier
// calculations). A stretch of zero duration and a transient longer than its stretch without
// ramp generator end it with their messages (the latter after showing the load diagram editor);
// a failed acceleration check asks, shows the editor on Yes, and ends either way.
// `sourceData` is CheckBox2 of TForm6. Completed closes TForm7 and then TForm6.
CalculationEnd CalculateConverterMotor(const CoefficientForm& form, bool sourceData, DcWorkingData& data,
    drive::Prompter& prompter, drive::LineSink& memo, DcWindows& windows);

// The converter-motor results of a steady or changing stretch. A changing stretch computes the
// transient factor F into rampFactor (kept when τ is exactly 5) and, without ramp generator and
// with a static torque, the transient Tп into transientTime; a Tп longer than the stretch shows
// "Уточните время цикла тахогрммы" and the load diagram editor and gives nullopt.
std::optional<StretchOutcome> ConverterMotorStretch(
    DcWorkingData& data, const DutyStretch& stretch, drive::Prompter& prompter, DcWindows& windows);

} // namespace dcdrive
