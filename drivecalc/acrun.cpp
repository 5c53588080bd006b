#include "drivecalc/acrun.h"

#include <iostream>
#include <optional>

#include "acdrive/calc/commands.h"
#include "acdrive/calc/datacommands.h"
#include "acdrive/data/diagramgrid.h"
#include "acdrive/data/motorwindow.h"
#include "acdrive/data/report.h"
#include "common/errors.h"
#include "common/linesink.h"
#include "common/numbertext.h"
#include "common/scriptedprompter.h"
#include "drivecalc/batchrun.h"
#include "drivecalc/exitstatus.h"
#include "drivecalc/json.h"
#include "drivecalc/usage.h"

namespace drivecalc {
namespace {

using acdrive::AcCommand;

struct MethodName {
    const char* name;
    AcCommand command;
};

constexpr MethodName kMethodNames[] = {
    {"mains", AcCommand::Mains},       {"freq", AcCommand::Frequency},
    {"tvr", AcCommand::VoltageRegulator}, {"rheostat", AcCommand::Rheostat},
    {"pulse", AcCommand::Pulse},       {"multispeed", AcCommand::MultiSpeed},
};

struct AcOptions {
    bool sample = false;
    std::string diagramFile;
    std::optional<int> points;
    std::string motorFile;
    std::string rotor;  // "wound" or "cage"
    std::optional<int> speeds;
    std::vector<std::string> speedMotorFiles;
    std::vector<std::string> methods;
    AnswerOptions run;
};

// What one --method run left behind, for the text and JSON output.
struct RunRecord {
    std::string method;
    std::string title;
    bool completed = false;
    std::string error;  // empty when none
    int pointCount = 0;
    std::size_t firstNotice = 0, lastNotice = 0;
    std::size_t firstQuestion = 0, lastQuestion = 0;
    std::vector<std::string> report;
};

std::optional<AcCommand> FindMethod(const std::string& name)
{
    for (const MethodName& m : kMethodNames) {
        if (name == m.name)
            return m.command;
    }
    return std::nullopt;
}

int ParseCount(const std::string& option, const std::string& text, int low, int high)
{
    int value = 0;
    try {
        value = drive::ParseWhole(text);
    } catch (const drive::ConversionError&) {
        throw UsageError(option + " needs a whole number, not '" + text + "'");
    }
    if (value < low || value > high)
        throw UsageError(option + " must lie in " + std::to_string(low) + " .. " + std::to_string(high));
    return value;
}

AcOptions ParseOptions(const std::vector<std::string>& args)
{
    AcOptions o;
    ArgumentReader reader(args);
    while (const std::optional<std::string> option = reader.Next()) {
        const std::string& a = *option;
        auto value = [&]() -> const std::string& { return reader.Value(); };
        if (o.run.Take(a, reader)) {
            continue;
        } else if (a == "--sample") {
            o.sample = true;
        } else if (a == "--diagram") {
            o.diagramFile = value();
        } else if (a == "--points") {
            o.points = ParseCount(a, value(), 0, acdrive::kGridPoints);
        } else if (a == "--motor") {
            o.motorFile = value();
        } else if (a == "--rotor") {
            o.rotor = value();
            if (o.rotor != "wound" && o.rotor != "cage")
                throw UsageError("--rotor takes wound or cage");
        } else if (a == "--speeds") {
            o.speeds = ParseCount(a, value(), 1, acdrive::kMaxSpeeds);
        } else if (a == "--speed-motor") {
            o.speedMotorFiles.push_back(value());
        } else if (a == "--method") {
            o.methods.push_back(value());
            if (!FindMethod(o.methods.back()))
                throw UsageError("unknown method '" + o.methods.back() +
                                 "' (mains, freq, tvr, rheostat, pulse, multispeed)");
        } else {
            throw UsageError("unknown option '" + a + "'");
        }
    }
    if (o.methods.empty())
        throw UsageError("at least one --method is needed");
    if (!o.speedMotorFiles.empty()) {
        const int files = static_cast<int>(o.speedMotorFiles.size());
        if (files > acdrive::kMaxSpeeds)
            throw UsageError("--speed-motor takes at most " + std::to_string(acdrive::kMaxSpeeds) + " files");
        if (o.speeds && *o.speeds != files)
            throw UsageError("--speeds must equal the number of --speed-motor files");
    }
    return o;
}

// The prompts of the set-up: the number of speeds is answered from the options, notices go to
// stderr as they are shown.
class SetUpPrompter : public drive::ScriptedPrompter {
public:
    explicit SetUpPrompter(bool transcript) : transcript_(transcript)
    {
        if (transcript)
            SetObserver([](const std::string& line) { std::cerr << line << '\n'; });
    }

    void ShowNotice(const std::string& text) override
    {
        drive::ScriptedPrompter::ShowNotice(text);
        if (!transcript_)
            PrintText(text, std::cerr);
    }

private:
    bool transcript_;
};

// The motor window as the batch runner shows it: activated, optionally loaded from a file,
// then accepted. For a multi-speed motor, speed k is loaded from the k-th file, if any.
class BatchMotorWindow : public acdrive::MotorDialog {
public:
    BatchMotorWindow(acdrive::AcWorkingData& data, acdrive::CalculationMenu& menu, drive::Prompter& prompter)
        : data_(data), menu_(menu), prompter_(prompter)
    {
    }

    // Activates the window, loads `file` and accepts.
    void LoadAndAccept(const std::string& file)
    {
        acdrive::ShowMotorData(data_, texts_);
        Load(file);
        acdrive::AcceptMotorWindow(texts_, data_, menu_);
    }

    void SetSpeedFiles(const std::vector<std::string>& files) { speedFiles_ = files; }

    void ShowModal() override
    {
        acdrive::ShowMotorData(data_, texts_);
        const int step = data_.currentStep;
        if (step >= 1 && step <= static_cast<int>(speedFiles_.size()))
            Load(speedFiles_[static_cast<std::size_t>(step - 1)]);
        acdrive::AcceptMotorWindow(texts_, data_, menu_);
    }

private:
    void Load(const std::string& file)
    {
        if (acdrive::LoadMotorFileNamed(texts_, prompter_, file) == acdrive::MotorLoad::CannotOpen)
            throw FileNotOpened();
    }

    acdrive::AcWorkingData& data_;
    acdrive::CalculationMenu& menu_;
    drive::Prompter& prompter_;
    acdrive::MotorWindowTexts texts_;
    std::vector<std::string> speedFiles_;
};

// Applies the set-up options to the data set in the order the desktop program's commands
// would: sample, diagram, point count, motor, rotor type, multi-speed motor.
void SetUp(const AcOptions& o, acdrive::AcWorkingData& data, acdrive::CalculationMenu& menu,
           SetUpPrompter& prompter)
{
    if (o.sample)
        acdrive::UseSampleDrive(data, menu);
    if (!o.diagramFile.empty()) {
        drive::TextGrid grid = acdrive::NewDiagramGrid();
        if (drive::LoadDiagramFileNamed(grid, prompter, o.diagramFile) == drive::DiagramLoad::CannotOpen)
            throw FileNotOpened();
        if (!acdrive::GridToDiagram(grid, data))
            std::cerr << acdrive::kDiagramErrorPanelText << '\n';
        acdrive::CountPoints(data);
    }
    if (o.points)
        data.pointCount = static_cast<std::uint16_t>(*o.points);
    BatchMotorWindow motorWindow(data, menu, prompter);
    if (!o.motorFile.empty())
        motorWindow.LoadAndAccept(o.motorFile);
    if (!o.rotor.empty()) {
        data.rotorType = o.rotor == "wound" ? 1 : 2;
        data.multiSpeed = false;
        acdrive::UpdateMenuWhenEntered(data, menu);
    }
    if (o.speeds || !o.speedMotorFiles.empty()) {
        const int speeds = o.speeds ? *o.speeds : static_cast<int>(o.speedMotorFiles.size());
        prompter.AddAnswer(std::to_string(speeds));
        motorWindow.SetSpeedFiles(o.speedMotorFiles);
        acdrive::MultiSpeedMotorCommand(data, prompter, motorWindow, menu);
    }
}

void WriteJson(const std::vector<RunRecord>& runs, const acdrive::AcWorkingData& data,
               const drive::ScriptedPrompter& prompter, std::ostream& out)
{
    JsonWriter w;
    w.BeginObject();
    w.Key("program");
    w.String("acdrive");
    w.Key("runs");
    w.BeginArray();
    for (const RunRecord& r : runs) {
        w.BeginObject();
        w.Key("method");
        w.String(r.method);
        w.Key("title");
        w.String(r.title);
        w.Key("completed");
        w.Bool(r.completed);
        WriteTextOrNull(w, "error", r.error);
        w.Key("pointCount");
        w.Integer(r.pointCount);
        w.Key("stretches");
        w.BeginArray();
        for (int i = 1; i <= r.pointCount - 1; ++i) {
            w.BeginObject();
            w.Key("index");
            w.Integer(i);
            w.Key("kind");
            w.Integer(acdrive::ClassifyStretch(data.tachoPoints[i].speed, data.tachoPoints[i + 1].speed));
            w.Key("label");
            w.String(data.stretchLabels[i]);
            WriteNumber(w, "efficiency", data.stretchEfficiency[i]);
            WriteNumber(w, "powerFactor", data.stretchPowerFactor[i]);
            WriteNumber(w, "activePower", data.stretchActivePower[i]);
            WriteNumber(w, "reactivePower", data.stretchReactivePower[i]);
            WriteNumber(w, "shaftPower", data.stretchShaftPower[i]);
            WriteNumber(w, "losses", data.stretchLosses[i]);
            w.EndObject();
        }
        w.EndArray();
        WriteTexts(w, "notices", prompter.notices(), r.firstNotice, r.lastNotice);
        WriteQuestions(w, prompter.questions(), r.firstQuestion, r.lastQuestion);
        WriteTexts(w, "report", r.report, 0, r.report.size());
        w.EndObject();
    }
    w.EndArray();
    w.EndObject();
    out << w.text() << '\n';
}

}  // namespace

int RunAc(const std::vector<std::string>& args)
{
    AcOptions options;
    acdrive::AcWorkingData data;
    acdrive::CalculationMenu menu{};
    std::optional<drive::ScriptedPrompter> made;  // the run's prompter, once the options are read
    try {
        options = ParseOptions(args);
        made.emplace(MakePrompter(options.run));
        SetUpPrompter setUpPrompter(options.run.transcript);
        SetUp(options, data, menu, setUpPrompter);
    } catch (const HelpRequested&) {
        std::cout << kUsage;
        return kExitOk;
    } catch (const UsageError& e) {
        std::cerr << "drivecalc ac: " << e.what() << '\n';
        return kExitUsage;
    } catch (const FileNotOpened&) {
        return kExitUsage;
    } catch (const drive::PlatformError& e) {
        std::cerr << e.what() << '\n';
        return kExitRunError;
    }
    for (const std::string& name : options.methods) {
        const AcCommand command = *FindMethod(name);
        if (!menu[static_cast<int>(command)]) {
            std::cerr << "drivecalc ac: the method " << name << " (\"" << acdrive::CommandCaption(command)
                      << "\") is disabled: "
                      << (!data.motorEntered || !data.diagramEntered
                              ? "no motor or no load diagram has been entered"
                              : data.multiSpeed ? "a multi-speed motor is described"
                                                : data.rotorType == 1 ? "it does not suit a wound-rotor motor"
                                                                      : "it does not suit a squirrel-cage motor")
                      << '\n';
            return kExitUsage;
        }
    }

    drive::ScriptedPrompter& prompter = *made;

    std::vector<RunRecord> runs;
    int status = kExitOk;
    for (const std::string& name : options.methods) {
        const AcCommand command = *FindMethod(name);
        RunRecord r;
        r.method = name;
        r.firstNotice = prompter.notices().size();
        r.firstQuestion = prompter.questions().size();
        drive::LineBuffer pane;
        bool stop = false;
        try {
            acdrive::RunCalculationCommand(command, data, prompter, pane);
            r.completed = true;
        } catch (const drive::PlatformError& e) {
            r.error = e.what();
            status = kExitRunError;
        } catch (const drive::AnswersExhausted& e) {
            r.error = std::string("the answers ran out at the question: ") + e.what();
            status = kExitUnanswered;
            stop = true;
        } catch (const drive::InvalidAnswer& e) {
            r.error = e.what();
            status = kExitUsage;
            stop = true;
        }
        r.title = data.methodTitle;
        r.pointCount = data.pointCount;
        r.lastNotice = prompter.notices().size();
        r.lastQuestion = prompter.questions().size();
        r.report = pane.lines();
        PrintNotices(prompter, r.firstNotice, options.run.transcript);
        if (!r.error.empty())
            std::cerr << r.error << '\n';
        if (!options.run.json) {
            for (const std::string& line : r.report)
                PrintText(line, std::cout);
        }
        runs.push_back(std::move(r));
        if (stop)
            break;
    }
    if (options.run.json)
        WriteJson(runs, data, prompter, std::cout);
    return status;
}

}  // namespace drivecalc
