// Time of one calculation run of each AC method, over the sample drive and over a 30-stretch
// load diagram, with every question answered at once (numbers "1", choices the first option).

#include <benchmark/benchmark.h>

#include "acdrive/calc/commands.h"
#include "acdrive/data/sampledrive.h"

namespace {

using namespace acdrive;

// Answers every question instantly, as a user who knows the answers would.
class InstantPrompter : public drive::Prompter {
public:
    std::string AskNumber(const std::string&) override { return "1"; }
    bool AskChoice(const std::string&, const std::string&, const std::string&) override { return true; }
    bool AskYesNo(const std::string&) override { return true; }
    void ShowNotice(const std::string&) override {}
};

// The sample drive, set up for the method: the rotor type it suits, two speeds for the
// multi-speed motor.
AcWorkingData SampleFor(AcCommand command)
{
    AcWorkingData d;
    CalculationMenu menu{};
    UseSampleDrive(d, menu);
    if (command == AcCommand::Mains || command == AcCommand::Frequency)
        d.rotorType = 2;
    if (command == AcCommand::MultiSpeed) {
        d.multiSpeed = true;
        d.speedCount = 2;
    }
    return d;
}

// Ten repetitions of start, steady run and stop: 31 points, 30 stretches.
AcWorkingData ThirtyStretchesFor(AcCommand command)
{
    AcWorkingData d = SampleFor(command);
    double t = 0;
    for (int cycle = 0; cycle < 10; ++cycle) {
        const int k = 3 * cycle + 1;
        d.tachoPoints[k] = {t, 0};
        d.tachoPoints[k + 1] = {t + 0.576, 98};
        d.tachoPoints[k + 2] = {t + 5.5, 98};
        t += 6;
    }
    d.tachoPoints[31] = {t, 0};
    for (int k = 1; k <= 31; ++k)
        d.stretchLoads[k] = {30, 0.5};
    d.pointCount = 31;
    return d;
}

void RunMethod(benchmark::State& state, AcCommand command, AcWorkingData (*setUp)(AcCommand))
{
    const AcWorkingData start = setUp(command);
    InstantPrompter prompter;
    for (auto _ : state) {
        AcWorkingData d = start;
        drive::LineBuffer pane;
        RunCalculationCommand(command, d, prompter, pane);
        benchmark::DoNotOptimize(d.stretchEfficiency);
    }
}

#define DRIVE_METHOD_BENCHMARKS(name, command)                                            \
    BENCHMARK_CAPTURE(RunMethod, name##_sample, command, SampleFor)                        \
        ->Unit(benchmark::kMicrosecond);                                                  \
    BENCHMARK_CAPTURE(RunMethod, name##_30_stretches, command, ThirtyStretchesFor)       \
        ->Unit(benchmark::kMicrosecond)

DRIVE_METHOD_BENCHMARKS(mains, AcCommand::Mains);
DRIVE_METHOD_BENCHMARKS(freq, AcCommand::Frequency);
DRIVE_METHOD_BENCHMARKS(tvr, AcCommand::VoltageRegulator);
DRIVE_METHOD_BENCHMARKS(rheostat, AcCommand::Rheostat);
DRIVE_METHOD_BENCHMARKS(pulse, AcCommand::Pulse);
DRIVE_METHOD_BENCHMARKS(multispeed, AcCommand::MultiSpeed);

}  // namespace

BENCHMARK_MAIN();
