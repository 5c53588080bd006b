// Arbitrary bytes loaded as a ".dpt" file into the DC motor window's edits and accepted over a
// realistic load diagram, then both systems calculated.

#include <cstdint>
#include <stdexcept>

#include "common/errors.h"
#include "common/linesink.h"
#include "dcdrive/calc/convertermotor.h"
#include "dcdrive/calc/generatormotor.h"
#include "dcdrive/data/motordata.h"
#include "dcdrive/data/tachogrid.h"
#include "tests/fuzz/fuzzsupport.h"

namespace {

// A window a batch run cannot use ends the run.
struct WindowOpened : std::exception {};

class NoWindows : public dcdrive::DcWindows {
public:
    void ShowTachoEditor() override { throw WindowOpened(); }
    void ShowMotorWindow() override { throw WindowOpened(); }
};

// Start, run, stop and pause of a 100 1/s drive.
drive::TextGrid CycleGrid()
{
    drive::TextGrid grid = dcdrive::MakeTachoGrid();
    const char* rows[][2] = {{"0", "0"}, {"2", "100"}, {"10", "100"}, {"12", "0"}, {"20", "0"}};
    for (int r = 1; r <= 5; ++r) {
        grid.SetCell(r, 1, rows[r - 1][0]);
        grid.SetCell(r, 2, rows[r - 1][1]);
        grid.SetCell(r, 5, "1");
    }
    return grid;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string name = fuzz::WriteScratchFile(data, size, ".dpt");
    fuzz::QuietPrompter prompter;
    NoWindows windows;
    dcdrive::DcWorkingData dc;
    try {
        dcdrive::AcceptTachogram(CycleGrid(), dc, prompter);
        dcdrive::DcMotorEdits edits = dcdrive::MakeMotorEdits();
        dcdrive::LoadMotorDataFileNamed(edits, prompter, name);
        if (!dcdrive::AcceptDcMotorData(edits, dc, prompter, windows))
            return 0;
        drive::LineBuffer memo;
        dcdrive::GeneratorMotorForm gd;
        gd.edit1 = "1";
        gd.edit2 = "10";
        gd.edit3 = "2";
        try {
            dcdrive::CalculateGeneratorMotor(gd, dc, prompter, memo, windows);
        } catch (const drive::PlatformError&) {
        }
        dcdrive::ConverterMotorForm tpd;
        tpd.edit16 = "1000";
        tpd.edit17 = "1";
        tpd.edit18 = "100";
        if (dcdrive::AcceptConverterInputs(tpd, dc, prompter)) {
            dcdrive::CoefficientForm coefficients;
            dcdrive::CalculateConverterMotor(coefficients, tpd.sourceData, dc, prompter, memo, windows);
        }
    } catch (const drive::PlatformError&) {
    } catch (const WindowOpened&) {
    }
    return 0;
}
