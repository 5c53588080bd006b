// Arbitrary bytes loaded as a ".tah" file into the AC editor's grid, then read into the load
// diagram, completed and calculated by the mains-fed method.

#include <cstdint>

#include "acdrive/calc/commands.h"
#include "acdrive/data/diagramgrid.h"
#include "common/errors.h"
#include "common/tahfile.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string name = fuzz::WriteScratchFile(data, size, ".tah");
    fuzz::QuietPrompter prompter;
    acdrive::AcWorkingData ac;
    drive::TextGrid grid = acdrive::NewDiagramGrid();
    drive::LoadDiagramFileNamed(grid, prompter, name);
    try {
        (void)acdrive::GridToDiagram(grid, ac);
        (void)acdrive::CompleteGridRows(grid, ac);
        acdrive::DiagramToGrid(ac, grid);
    } catch (const drive::PlatformError&) {
    }
    try {
        acdrive::CountPoints(ac);
        ac.motor = acdrive::MotorParameters{13, 220, 104.7, 0.064, 0.365, 398, 0.81, 0.835, 16.62, 0.363, 0.635, 0.597, 0.831};
        drive::LineBuffer pane;
        acdrive::RunCalculationCommand(acdrive::AcCommand::Mains, ac, prompter, pane);
    } catch (const drive::PlatformError&) {
    }
    return 0;
}
