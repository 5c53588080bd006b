#include "dcdrive/calc/convertermotor.h"

#include "common/numbertext.h"
#include "common/real.h"

namespace dcdrive {
namespace {

using drive::Real;

// The transient factor F is taken anew only when τ lies on either side of this value.
constexpr double kRampTauLimit = 5;

// The converter-motor results of a steady stretch.
StretchOutcome SteadyStretch(const DcWorkingData& d, const DutyStretch& s)
{
    StretchOutcome r;
    r.loss = ((Real(d.converterLosses) + d.fieldPower + Real(d.nominalConstantLosses) * s.nu2) * s.duration)
                 .value();
    r.time = s.duration;
    r.current = d.staticCurrent;
    return r;
}

// The converter-motor results of a changing stretch; nullopt when the transient does not fit.
std::optional<StretchOutcome> ChangingStretch(
    DcWorkingData& d, const DutyStretch& s, drive::Prompter& prompter, DcWindows& windows)
{
    const Real j = d.totalInertia;
    const Real w0 = d.idealNoLoadSpeed;
    const Real mc = d.staticLoadTorque;
    const Real mn = d.nominalTorque;
    const Real in = d.nominalCurrent;
    const Real k = d.overloadFactor;
    const Real beta = d.motorStiffness;
    const bool ramp = d.rampGenerator != 0;

    const Real a = (2 / drive::Sqr(s.tau)).value();
    const Real b = (s.tau - 1).value();
    if (s.tau > kRampTauLimit)
        d.rampFactor = (a * b).value();
    else if (s.tau < kRampTauLimit)
        d.rampFactor = ((drive::Exp(-s.tau) + b) * a).value();
    const Real f = d.rampFactor;

    StretchOutcome r;
    r.loss = (j / 2 * f * drive::Sqr(s.speedChange) * s.nu2).value();
    if (s.startSpeed == s.endSpeed)
        r.loss = (2 * r.loss).value();
    if (mc != 0) {
        if (!ramp) {
            const Real tp = (w0 * s.nu2 - k * mn * s.nu2 / beta) * j / (k * mn * s.nu2 - mc)
                + 3 * Real(d.mechTimeConstant);
            d.transientTime = tp.value();
            if (tp - s.duration > 0) {
                prompter.ShowNotice("Уточните время цикла тахогрммы");
                windows.ShowTachoEditor();
                return std::nullopt;
            }
            r.loss = (drive::Abs(tp) * 4 * mn * s.nu2 * in * d.circuitResistance / beta).value();
        } else {
            r.staticLoss = (drive::Sqr(mc) * s.duration / beta).value();
            r.crossLoss = (2 * j * w0 * s.nu2 * (w0 * s.nu2 - mc / beta) * f * s.k).value();
            r.loss = (r.loss + r.staticLoss + r.crossLoss).value();
        }
    }
    r.current = (k * in / drive::Sqrt(3)).value();
    if (ramp)
        r.time = TransientTime(d, s).value();
    else if (s.startSpeed != s.endSpeed)
        r.time = drive::Abs(d.transientTime);
    return r;
}

class ConverterMotor : public DutyCycleSystem {
public:
    ConverterMotor(DcWorkingData& data, drive::Prompter& prompter, DcWindows& windows)
        : d_(data)
        , prompter_(prompter)
        , windows_(windows)
    {
    }

    bool CheckStretch(const DutyStretch& s) override
    {
        if (s.duration != 0)
            return true;
        prompter_.ShowNotice("В введенных данных тахограммы время " + std::to_string(s.index) + " участка и "
            + std::to_string(s.index + 1) + " участка cовпадают");
        return false;
    }

    std::optional<StretchOutcome> StretchResults(const DutyStretch& s) override
    {
        return ConverterMotorStretch(d_, s, prompter_, windows_);
    }

private:
    DcWorkingData& d_;
    drive::Prompter& prompter_;
    DcWindows& windows_;
};

} // namespace

std::optional<StretchOutcome> ConverterMotorStretch(
    DcWorkingData& data, const DutyStretch& stretch, drive::Prompter& prompter, DcWindows& windows)
{
    if (stretch.steady)
        return SteadyStretch(data, stretch);
    return ChangingStretch(data, stretch, prompter, windows);
}

bool AcceptConverterInputs(const ConverterMotorForm& form, DcWorkingData& data, drive::Prompter& prompter)
{
    data.rampGenerator = form.rampGenerator ? 1 : 0;
    data.converterEmf = drive::ParseNumber(form.edit16);
    const bool emfTooLow = data.converterEmf < data.nominalVoltage;
    if (emfTooLow)
        prompter.ShowNotice(
            "Введите другое значение Э.Д.С. ТП Еп, В . У вас получается Еп<Uн (Э.Д.С. ТП<Номинального "
            "напряжения) ");
    data.converterResistance = drive::ParseWhole(form.edit17);
    data.circuitResistance = (1.1 * (Real(data.armatureResistance) + data.converterResistance)).value();
    data.transformerNoLoadLoss = drive::ParseWhole(form.edit18);
    return !emfTooLow;
}

CalculationEnd CalculateConverterMotor(const CoefficientForm& form, bool sourceData, DcWorkingData& data,
    drive::Prompter& prompter, drive::LineSink& memo, DcWindows& windows)
{
    data.variableLossFactor = drive::ParseNumber(form.edit1);
    data.currentFormFactor = drive::ParseNumber(form.edit2);

    const Real un = data.nominalVoltage;
    const Real in = data.nominalCurrent;
    const Real x2 = drive::Sqr(data.staticCurrentRatio);
    const Real r = data.circuitResistance;
    const Real c = data.emfCoefficient;
    data.converterLosses = ((Real(data.converterEmf) - un) * in * x2
        + Real(data.variableLossFactor) * r * x2 * in * (Real(data.currentFormFactor) - 1)
        + data.transformerNoLoadLoss + data.staticLoadLosses)
                               .value();
    data.mechTimeConstant = (Real(data.totalInertia) * r / drive::Sqr(c)).value();
    data.fieldPower = (Real(data.fieldVoltage) * data.fieldCurrent).value();
    data.nominalConstantLosses
        = (un * in - data.nominalPower - drive::Sqr(in) * data.armatureResistance).value();
    data.motorStiffness = (drive::Sqr(c) / r).value();

    memo.AppendLine("     Cистема ТП-Д  Мс = " + drive::FormatNumber(data.staticLoadTorque));
    memo.AppendLine("       Расчетные данные");
    data.transientTime = 0;
    ConverterMotor system(data, prompter, windows);
    switch (RunDutyCycle(data, system, sourceData, prompter, memo)) {
    case DutyCycleEnd::Completed:
        break;
    case DutyCycleEnd::AccelerationYes:
        windows.ShowTachoEditor();
        return CalculationEnd::Ended;
    case DutyCycleEnd::AccelerationNo:
    case DutyCycleEnd::Ended:
        return CalculationEnd::Ended;
    }
    if (sourceData) {
        memo.AppendLine("Px=" + drive::FormatWhole(data.transformerNoLoadLoss) + " Вт");
        memo.AppendLine("Еп=" + drive::FormatWhole(data.converterEmf) + " B");
        memo.AppendLine("Rп=" + drive::FormatWhole(data.converterResistance) + " Oм");
        memo.AppendLine("Кi=" + drive::FormatWhole(data.variableLossFactor));
        memo.AppendLine("Кф=" + drive::FormatWhole(data.currentFormFactor));
    }
    return CalculationEnd::Completed;
}

} // namespace dcdrive
