#pragma once

// The calculation commands of the AC main window as core operations, shared by the desktop
// program and the batch runner: each sets what its menu item sets and runs its method.

#include <array>

#include "acdrive/data/workingdata.h"
#include "common/linesink.h"
#include "common/prompter.h"

namespace acdrive {

// The six calculation commands, numbered as the methods' results tables.
enum class AcCommand : int {
    Mains = 1,             // "Сеть - АД"
    Frequency = 2,         // "ПЧ - АД"
    VoltageRegulator = 3,  // "ТРН - АД"
    Rheostat = 4,          // "РСР"
    Pulse = 5,             // "ИРР"
    MultiSpeed = 6,        // "Многоск. АД"
};

// Enabled state of the six calculation menu items, indexed by command number 1 .. 6.
using CalculationMenu = std::array<bool, kMethodCount + 1>;

// The menu caption of a command ("Сеть - АД", ...).
const char* CommandCaption(AcCommand command);

// The enabled states after an update: by rotor type for a single-speed motor, only the
// multi-speed method for a multi-speed motor; a rotor type other than 1 or 2 changes nothing.
CalculationMenu UpdateCalculationMenu(const AcWorkingData& data, const CalculationMenu& current);

// Sets methodTitle (and for "Сеть - АД" startMode := 2, rotorType := 2) and runs the method.
// Conversion and arithmetic errors propagate as drive::PlatformError; the report is appended
// to the results pane only when the method runs to its end.
void RunCalculationCommand(AcCommand command, AcWorkingData& data, drive::Prompter& prompter,
                           drive::LineSink& resultsPane);

// The sample tool button: FillSampleDrive, both entry flags true, a wound-rotor single-speed
// motor, then the menu update.
void UseSampleDrive(AcWorkingData& data, CalculationMenu& menu);

}  // namespace acdrive
