// Arbitrary bytes loaded as a ".tah" file into the DC editor's grid, then drawn and accepted.

#include <cstdint>

#include "common/errors.h"
#include "dcdrive/data/tachogrid.h"
#include "tests/fuzz/fuzzsupport.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    drive::FixedFileDialogs dialogs;
    dialogs.openName = fuzz::WriteScratchFile(data, size, ".tah");
    fuzz::QuietPrompter prompter;
    dcdrive::DcWorkingData dc;
    drive::TextGrid grid = dcdrive::MakeTachoGrid();
    dcdrive::LoadTachoFile(grid, dialogs, prompter);
    try {
        dcdrive::DrawTachogram(grid, dc, prompter);
        dcdrive::AcceptTachogram(grid, dc, prompter);
    } catch (const drive::PlatformError&) {
    }
    return 0;
}
