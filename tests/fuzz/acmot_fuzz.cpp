// Arbitrary bytes loaded as a ".mot" file into the motor window's fields, accepted, and the
// motor calculated on the sample load diagram by every single-speed method.

#include <cstdint>

#include "acdrive/calc/commands.h"
#include "acdrive/data/motorwindow.h"
#include "acdrive/data/sampledrive.h"
#include "common/errors.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string name = fuzz::WriteScratchFile(data, size, ".mot");
    fuzz::QuietPrompter prompter;
    acdrive::AcWorkingData ac;
    acdrive::FillSampleDrive(ac);
    acdrive::MotorWindowTexts window;
    acdrive::ShowMotorData(ac, window);
    acdrive::LoadMotorFileNamed(window, prompter, name);
    try {
        acdrive::AcceptMotorData(window, ac);
    } catch (const drive::PlatformError&) {
        return 0;
    }
    for (acdrive::AcCommand command : {acdrive::AcCommand::Mains, acdrive::AcCommand::Frequency,
                                       acdrive::AcCommand::VoltageRegulator, acdrive::AcCommand::Rheostat,
                                       acdrive::AcCommand::Pulse}) {
        try {
            ac.rotorType = 1;
            drive::LineBuffer pane;
            acdrive::RunCalculationCommand(command, ac, prompter, pane);
        } catch (const drive::PlatformError&) {
        }
    }
    return 0;
}
