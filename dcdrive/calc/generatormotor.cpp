#include "dcdrive/calc/generatormotor.h"

#include "common/numbertext.h"
#include "common/real.h"

namespace dcdrive {
namespace {

using drive::Real;

class GeneratorMotor : public DutyCycleSystem {
public:
    explicit GeneratorMotor(const DcWorkingData& data)
        : data_(data)
    {
    }

    std::optional<StretchOutcome> StretchResults(const DutyStretch& stretch) override
    {
        return GeneratorMotorStretch(data_, stretch);
    }

private:
    const DcWorkingData& data_;
};

// Reads the inputs and computes the constants of the walk; false when an input is 0.
bool PrepareGeneratorMotor(const GeneratorMotorForm& form, DcWorkingData& data, drive::Prompter& prompter)
{
    data.generatorResistance = drive::ParseNumber(form.edit1);
    data.generatorFieldResistance = drive::ParseNumber(form.edit2);
    data.generatorFieldInductance = drive::ParseNumber(form.edit3);
    if (data.generatorResistance == 0 || data.generatorFieldResistance == 0
        || data.generatorFieldInductance == 0) {
        prompter.ShowNotice("Вы ввели не все значения");
        return false;
    }
    const Real c = data.emfCoefficient;
    const Real r = 1.1 * (Real(data.armatureResistance) + data.generatorResistance);
    data.circuitResistance = r.value();
    data.fieldTimeConstant = (Real(data.generatorFieldInductance) / data.generatorFieldResistance).value();
    data.mechTimeConstant = (Real(data.totalInertia) * r / drive::Sqr(c)).value();
    data.motorStiffness = (drive::Sqr(c) / r).value();
    return true;
}

} // namespace

StretchOutcome GeneratorMotorStretch(const DcWorkingData& data, const DutyStretch& s)
{
    const Real j = data.totalInertia;
    const Real w0 = data.idealNoLoadSpeed;
    const Real mc = data.staticLoadTorque;
    const Real beta = data.motorStiffness;
    const Real tv = data.fieldTimeConstant;
    const Real k = s.k;

    StretchOutcome r;
    const Real m = (tv / data.mechTimeConstant).value();
    r.loss = (drive::Sqr(k) * j * drive::Sqr(w0) * s.nu2 / (2 * (m + 1))).value();
    if (mc != 0) {
        const Real q = ((1 - drive::Exp(-s.duration / tv)) * m - (1 - drive::Exp(-s.tau))).value();
        r.staticLoss = (drive::Sqr(mc) * s.duration / beta).value();
        r.crossLoss = (2 * k * j * w0 * s.nu2 * (w0 * s.nu2 - mc / beta) * q / (m - 1)).value();
        r.loss = (r.loss + r.staticLoss + r.crossLoss).value();
    }
    const Real overloadCurrent = Real(data.overloadFactor) * data.nominalCurrent;
    if (s.steady) {
        r.current = (overloadCurrent / drive::Sqrt(3)).value();
        r.time = EqualMagnitudesTime(data, s).value();
    } else {
        r.current = (overloadCurrent / 9).value();
        r.time = TransientTime(data, s).value();
    }
    return r;
}

CalculationEnd CalculateGeneratorMotor(const GeneratorMotorForm& form, DcWorkingData& data,
    drive::Prompter& prompter, drive::LineSink& memo, DcWindows& windows)
{
    while (true) {
        if (!PrepareGeneratorMotor(form, data, prompter))
            return CalculationEnd::Refused;
        GeneratorMotor system(data);
        switch (RunDutyCycle(data, system, form.sourceData, prompter, memo)) {
        case DutyCycleEnd::Completed:
            if (form.sourceData) {
                memo.AppendLine("Rвг=" + drive::FormatWhole(data.generatorFieldResistance)
                    + " Ом Lвг=" + drive::FormatWhole(data.generatorFieldInductance) + " Гн");
                memo.AppendLine("Rгс=" + drive::FormatWhole(data.generatorResistance) + " Ом");
            }
            return CalculationEnd::Completed;
        case DutyCycleEnd::AccelerationYes:
            windows.ShowTachoEditor();
            break;
        case DutyCycleEnd::AccelerationNo:
            memo.Clear();
            return CalculationEnd::Ended;
        case DutyCycleEnd::Ended:
            return CalculationEnd::Ended;
        }
    }
}

} // namespace dcdrive
