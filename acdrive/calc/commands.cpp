#include "acdrive/calc/commands.h"

#include "acdrive/calc/frequency.h"
#include "acdrive/calc/multispeed.h"
#include "acdrive/calc/pulse.h"
#include "acdrive/calc/rheostat.h"
#include "acdrive/calc/voltageregulator.h"
#include "acdrive/data/sampledrive.h"

namespace acdrive {

const char* CommandCaption(AcCommand command)
{
    switch (command) {
    case AcCommand::Mains:
        return "Сеть - АД";
    case AcCommand::Frequency:
        return "ПЧ - АД";
    case AcCommand::VoltageRegulator:
        return "ТРН - АД";
    case AcCommand::Rheostat:
        return "РСР";
    case AcCommand::Pulse:
        return "ИРР";
    case AcCommand::MultiSpeed:
        return "Многоск. АД";
    }
    return "";
}

CalculationMenu UpdateCalculationMenu(const AcWorkingData& data, const CalculationMenu& current)
{
    if (data.multiSpeed)
        return {false, false, false, false, false, false, true};
    if (data.rotorType == 2)
        return {false, true, true, true, false, false, false};
    if (data.rotorType == 1)
        return {false, false, false, true, true, true, false};
    return current;
}

void RunCalculationCommand(AcCommand command, AcWorkingData& data, drive::Prompter& prompter,
                           drive::LineSink& resultsPane)
{
    data.methodTitle = kMethodTitles[static_cast<int>(command)];
    switch (command) {
    case AcCommand::Mains:
        data.startMode = 2;
        data.rotorType = 2;
        rheostat::Run(data, prompter, resultsPane);
        break;
    case AcCommand::Rheostat:
        rheostat::Run(data, prompter, resultsPane);
        break;
    case AcCommand::Frequency:
        frequency::Run(data, prompter, resultsPane);
        break;
    case AcCommand::VoltageRegulator:
        voltage_regulator::Run(data, prompter, resultsPane);
        break;
    case AcCommand::Pulse:
        pulse::Run(data, prompter, resultsPane);
        break;
    case AcCommand::MultiSpeed:
        multispeed::Run(data, prompter, resultsPane);
        break;
    }
}

void UseSampleDrive(AcWorkingData& data, CalculationMenu& menu)
{
    FillSampleDrive(data);
    data.diagramEntered = true;
    data.motorEntered = true;
    data.rotorType = 1;
    data.multiSpeed = false;
    menu = UpdateCalculationMenu(data, menu);
}

}  // namespace acdrive
