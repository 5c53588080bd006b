// Arbitrary answer lines driving a whole calculation of every AC method on the sample drive,
// as drivecalc's answers file would: every outcome is a report, a platform error, a misfit
// answer or the answers running out.

#include <cstdint>

#include "acdrive/calc/commands.h"
#include "common/errors.h"
#include "common/scriptedprompter.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::deque<std::string> answers = fuzz::AnswerLines(data, size);
    for (int m = 1; m <= acdrive::kMethodCount; ++m) {
        const auto command = static_cast<acdrive::AcCommand>(m);
        acdrive::AcWorkingData ac;
        acdrive::CalculationMenu menu{};
        acdrive::UseSampleDrive(ac, menu);
        if (command == acdrive::AcCommand::Frequency)
            ac.rotorType = 2;
        if (command == acdrive::AcCommand::MultiSpeed) {
            ac.multiSpeed = true;
            ac.speedCount = 2;
        }
        drive::ScriptedPrompter prompter(answers);
        drive::LineBuffer pane;
        try {
            acdrive::RunCalculationCommand(command, ac, prompter, pane);
        } catch (const drive::PlatformError&) {
        } catch (const drive::AnswersExhausted&) {
        } catch (const drive::InvalidAnswer&) {
        }
    }
    return 0;
}
