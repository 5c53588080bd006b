#include "drivecalc/dcrun.h"

#include "common/errors.h"
#include "common/linesink.h"
#include "common/numbertext.h"
#include "common/scriptedprompter.h"
#include "common/tahfile.h"
#include "dcdrive/calc/convertermotor.h"
#include "dcdrive/calc/entrychecks.h"
#include "dcdrive/calc/generatormotor.h"
#include "dcdrive/data/motordata.h"
#include "dcdrive/data/tachogrid.h"
#include "drivecalc/batchrun.h"
#include "drivecalc/exitstatus.h"
#include "drivecalc/json.h"
#include "drivecalc/usage.h"

#include <iostream>
#include <optional>
#include <utility>

namespace drivecalc {
namespace {

struct DcOptions {
    std::string diagramFile;
    std::string motorFile;
    std::vector<std::pair<int, std::string>> motorEdits; // edit number 1 .. 13 and its text
    std::string system; // "gd" or "tpd"
    std::optional<std::string> rgs, rvg, lvg;
    std::optional<std::string> ep, rp, px, ki, kf;
    bool ramp = false;
    bool sourceData = false;
    AnswerOptions run;
};

// The inputs were refused before the calculation started.
struct InputsRefused { };

// How the run ended.
enum class Outcome { Completed, Ended, Refused, Error, Unanswered };

const char* OutcomeName(Outcome outcome)
{
    switch (outcome) {
    case Outcome::Completed:
        return "completed";
    case Outcome::Ended:
        return "ended";
    case Outcome::Refused:
        return "refused";
    case Outcome::Error:
        return "error";
    case Outcome::Unanswered:
        return "unanswered";
    }
    return "error";
}

// The modal windows of a batch run. The load diagram editor opened by a calculation is shown
// and closed without changes; where a window would have to be used to change the inputs
// before the calculation (no non-zero speed, no motor data), the run is refused.
class BatchWindows : public dcdrive::DcWindows {
public:
    explicit BatchWindows(bool transcript)
        : transcript_(transcript)
    {
    }

    // While set, a window opened asks for inputs that a batch run cannot give.
    bool beforeCalculation = true;
    // Why the inputs were refused, when a window refused them.
    std::string refusal;

    void ShowTachoEditor() override
    {
        if (beforeCalculation) {
            refusal = "the load diagram's greatest speed is 0 and the load diagram editor cannot be used in "
                      "a batch run";
            throw InputsRefused();
        }
        if (transcript_)
            std::cerr << "~ the load diagram editor is shown and closed without changes\n";
    }

    void ShowMotorWindow() override
    {
        refusal = "the motor data were not accepted and the motor window cannot be used in a batch run";
        throw InputsRefused();
    }

private:
    bool transcript_;
};

std::pair<int, std::string> ParseMotorEdit(const std::string& text)
{
    const std::size_t equals = text.find('=');
    int number = 0;
    if (equals != std::string::npos) {
        try {
            number = drive::ParseWhole(text.substr(0, equals));
        } catch (const drive::ConversionError&) {
            number = 0;
        }
    }
    if (number < 1 || number > dcdrive::kMotorEditCount)
        throw UsageError("--motor-edit takes K=TEXT with K from 1 to 13, not '" + text + "'");
    return { number, text.substr(equals + 1) };
}

DcOptions ParseOptions(const std::vector<std::string>& args)
{
    DcOptions o;
    ArgumentReader reader(args);
    while (const std::optional<std::string> option = reader.Next()) {
        const std::string& a = *option;
        auto value = [&]() -> const std::string& { return reader.Value(); };
        if (o.run.Take(a, reader)) {
            continue;
        } else if (a == "--diagram") {
            o.diagramFile = value();
        } else if (a == "--motor") {
            o.motorFile = value();
        } else if (a == "--motor-edit") {
            o.motorEdits.push_back(ParseMotorEdit(value()));
        } else if (a == "--system") {
            o.system = value();
            if (o.system != "gd" && o.system != "tpd")
                throw UsageError("--system takes gd or tpd");
        } else if (a == "--rgs") {
            o.rgs = value();
        } else if (a == "--rvg") {
            o.rvg = value();
        } else if (a == "--lvg") {
            o.lvg = value();
        } else if (a == "--ep") {
            o.ep = value();
        } else if (a == "--rp") {
            o.rp = value();
        } else if (a == "--px") {
            o.px = value();
        } else if (a == "--ramp") {
            o.ramp = true;
        } else if (a == "--ki") {
            o.ki = value();
        } else if (a == "--kf") {
            o.kf = value();
        } else if (a == "--source-data") {
            o.sourceData = true;
        } else {
            throw UsageError("unknown option '" + a + "'");
        }
    }
    if (o.diagramFile.empty())
        throw UsageError("--diagram FILE.tah is needed");
    if (o.motorFile.empty())
        throw UsageError("--motor FILE.dpt is needed");
    if (o.system.empty())
        throw UsageError("--system gd|tpd is needed");
    const bool gdInputs = o.rgs || o.rvg || o.lvg;
    const bool tpdInputs = o.ep || o.rp || o.px || o.ramp || o.ki || o.kf;
    if (o.system == "gd") {
        if (tpdInputs)
            throw UsageError("--ep, --rp, --px, --ramp, --ki and --kf belong to --system tpd");
        if (!o.rgs || !o.rvg || !o.lvg)
            throw UsageError("--system gd needs --rgs, --rvg and --lvg");
    } else {
        if (gdInputs)
            throw UsageError("--rgs, --rvg and --lvg belong to --system gd");
        if (!o.ep || !o.rp || !o.px)
            throw UsageError("--system tpd needs --ep, --rp and --px");
    }
    return o;
}

Outcome FromCalculation(dcdrive::CalculationEnd end)
{
    switch (end) {
    case dcdrive::CalculationEnd::Completed:
        return Outcome::Completed;
    case dcdrive::CalculationEnd::Ended:
        return Outcome::Ended;
    case dcdrive::CalculationEnd::Refused:
        return Outcome::Refused;
    }
    return Outcome::Ended;
}

// The set-up and the calculation, as the desktop program's windows would run them.
Outcome Run(const DcOptions& o, dcdrive::DcWorkingData& data, drive::Prompter& prompter,
    drive::LineSink& memo, BatchWindows& windows)
{
    drive::TextGrid grid = dcdrive::MakeTachoGrid();
    if (drive::LoadDiagramFileNamed(grid, prompter, o.diagramFile) == drive::DiagramLoad::CannotOpen)
        throw FileNotOpened();
    dcdrive::DcMotorEdits edits = dcdrive::MakeMotorEdits();
    if (dcdrive::LoadMotorDataFileNamed(edits, prompter, o.motorFile) == dcdrive::MotorLoad::CannotOpen)
        throw FileNotOpened();
    for (const auto& [number, text] : o.motorEdits)
        edits[static_cast<std::size_t>(number - 1)] = text;

    if (!dcdrive::AcceptTachogram(grid, data, prompter))
        return Outcome::Refused;
    if (!dcdrive::AcceptDcMotorData(edits, data, prompter, windows))
        return Outcome::Refused;
    dcdrive::EnsureCalculationInputs(data, prompter, windows);
    windows.beforeCalculation = false;

    if (o.system == "gd") {
        dcdrive::GeneratorMotorForm form;
        form.edit1 = *o.rgs;
        form.edit2 = *o.rvg;
        form.edit3 = *o.lvg;
        form.sourceData = o.sourceData;
        return FromCalculation(dcdrive::CalculateGeneratorMotor(form, data, prompter, memo, windows));
    }
    dcdrive::ConverterMotorForm form;
    form.edit16 = *o.ep;
    form.edit17 = *o.rp;
    form.edit18 = *o.px;
    form.rampGenerator = o.ramp;
    form.sourceData = o.sourceData;
    if (!dcdrive::AcceptConverterInputs(form, data, prompter))
        return Outcome::Refused;
    dcdrive::CoefficientForm coefficients;
    if (o.ki)
        coefficients.edit1 = *o.ki;
    if (o.kf)
        coefficients.edit2 = *o.kf;
    return FromCalculation(
        dcdrive::CalculateConverterMotor(coefficients, form.sourceData, data, prompter, memo, windows));
}

void WriteJson(const DcOptions& o, Outcome outcome, const std::string& error, const dcdrive::DcWorkingData& d,
    const drive::ScriptedPrompter& prompter, const drive::LineBuffer& memo, std::ostream& out)
{
    JsonWriter w;
    w.BeginObject();
    w.Key("program");
    w.String("dcdrive");
    w.Key("system");
    w.String(o.system);
    w.Key("outcome");
    w.String(OutcomeName(outcome));
    WriteTextOrNull(w, "error", error);
    WriteTexts(w, "messages", prompter.notices(), 0, prompter.notices().size());
    WriteQuestions(w, prompter.questions(), 0, prompter.questions().size());
    WriteTexts(w, "memo", memo.lines(), 0, memo.lines().size());

    w.Key("motor");
    w.BeginObject();
    WriteNumber(w, "emfCoefficient", d.emfCoefficient);
    WriteNumber(w, "idealNoLoadSpeed", d.idealNoLoadSpeed);
    WriteNumber(w, "nominalTorque", d.nominalTorque);
    WriteNumber(w, "allowedAcceleration", d.allowedAcceleration);
    WriteNumber(w, "staticCurrent", d.staticCurrent);
    WriteNumber(w, "staticCurrentRatio", d.staticCurrentRatio);
    WriteNumber(w, "staticLoadLosses", d.staticLoadLosses);
    w.EndObject();

    w.Key("stretches");
    w.BeginArray();
    for (int i = 1; i <= d.tachoPointCount - 1; ++i) {
        const std::size_t at = static_cast<std::size_t>(i - 1);
        w.BeginObject();
        w.Key("index");
        w.Integer(i);
        WriteNumber(w, "loss", d.stretchLoss[at]);
        WriteNumber(w, "staticLoss", d.stretchStaticLoss[at]);
        WriteNumber(w, "crossLoss", d.stretchCrossLoss[at]);
        WriteNumber(w, "current", d.stretchCurrent[at]);
        WriteNumber(w, "i2t", d.stretchI2t[at]);
        WriteNumber(w, "torque", d.stretchTorque[at]);
        WriteNumber(w, "power", d.stretchPower[at]);
        WriteNumber(w, "time", d.stretchTime[at]);
        w.EndObject();
    }
    w.EndArray();

    w.Key("totals");
    w.BeginObject();
    WriteNumber(w, "totalLoss", d.totalLoss);
    WriteNumber(w, "sumI2t", d.sumI2t);
    WriteNumber(w, "sumBetaT", d.sumBetaT);
    WriteNumber(w, "totalEnergy", d.totalEnergy);
    WriteNumber(w, "cycleWorkTime", d.cycleWorkTime);
    WriteNumber(w, "pauseTime", d.pauseTime);
    w.EndObject();

    w.Key("cycle");
    w.BeginObject();
    WriteNumber(w, "efficiency", d.efficiency);
    WriteNumber(w, "heatingCurrent", d.heatingCurrent);
    WriteNumber(w, "actualDutyFactor", d.actualDutyFactor);
    WriteNumber(w, "dutyCorrection", d.dutyCorrection);
    WriteNumber(w, "equivalentCurrent", d.equivalentCurrent);
    WriteNumber(w, "dutyDeviation", d.dutyDeviation);
    w.EndObject();
    w.EndObject();
    out << w.text() << '\n';
}

} // namespace

int RunDc(const std::vector<std::string>& args)
{
    DcOptions options;
    std::optional<drive::ScriptedPrompter> made;  // the run's prompter, once the options are read
    try {
        options = ParseOptions(args);
        made.emplace(MakePrompter(options.run));
    } catch (const HelpRequested&) {
        std::cout << kUsage;
        return kExitOk;
    } catch (const UsageError& e) {
        std::cerr << "drivecalc dc: " << e.what() << '\n';
        return kExitUsage;
    }

    drive::ScriptedPrompter& prompter = *made;

    dcdrive::DcWorkingData data;
    drive::LineBuffer memo;
    BatchWindows windows(options.run.transcript);
    Outcome outcome = Outcome::Error;
    std::string error;
    int status = kExitOk;
    try {
        outcome = Run(options, data, prompter, memo, windows);
    } catch (const FileNotOpened&) {
        PrintNotices(prompter, 0, options.run.transcript);
        return kExitUsage;
    } catch (const InputsRefused&) {
        outcome = Outcome::Refused;
    } catch (const drive::PlatformError& e) {
        outcome = Outcome::Error;
        error = e.what();
    } catch (const drive::AnswersExhausted& e) {
        outcome = Outcome::Unanswered;
        error = std::string("the answers ran out at the question: ") + e.what();
    } catch (const drive::InvalidAnswer& e) {
        outcome = Outcome::Error;
        error = e.what();
        status = kExitUsage;
    }
    if (status == kExitOk) {
        switch (outcome) {
        case Outcome::Completed:
        case Outcome::Ended:
            status = kExitOk;
            break;
        case Outcome::Refused:
        case Outcome::Error:
            status = kExitRunError;
            break;
        case Outcome::Unanswered:
            status = kExitUnanswered;
            break;
        }
    }

    PrintNotices(prompter, 0, options.run.transcript);
    if (!windows.refusal.empty())
        std::cerr << "drivecalc dc: " << windows.refusal << '\n';
    if (!error.empty())
        std::cerr << error << '\n';
    if (options.run.json) {
        WriteJson(options, outcome, error, data, prompter, memo, std::cout);
    } else {
        for (const std::string& line : memo.lines())
            PrintText(line, std::cout);
    }
    return status;
}

} // namespace drivecalc
