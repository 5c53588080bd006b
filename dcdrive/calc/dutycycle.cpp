#include "dcdrive/calc/dutycycle.h"

#include "common/numbertext.h"

#include <string>

namespace dcdrive {
namespace {

using drive::FormatWhole;
using drive::Real;

// A duty factor that deviates from the rated one by more than this many percent fails.
constexpr double kMaxDutyDeviation = 10;

void ClearResults(DcWorkingData& d)
{
    for (DcArray* a : { &d.stretchLoss, &d.stretchStaticLoss, &d.stretchCrossLoss, &d.stretchCurrent,
             &d.stretchI2t, &d.stretchTorque, &d.stretchPower, &d.stretchTime })
        a->fill(0.0);
    d.totalLoss = 0;
    d.sumI2t = 0;
    d.sumBetaT = 0;
    d.totalEnergy = 0;
    d.cycleWorkTime = 0;
    d.pauseTime = 0;
}

// The symbols of stretch i, up to the demanded acceleration; each is evaluated as it is
// written, so a fault stops the walk at the step that meets it.
DutyStretch MakeStretch(const DcWorkingData& d, int i)
{
    const std::size_t start = static_cast<std::size_t>(i - 1);
    const std::size_t end = static_cast<std::size_t>(i);
    DutyStretch s;
    s.index = i;
    s.duration = drive::Abs(Real(d.tachoTime[end]) - d.tachoTime[start]).value();
    s.startSpeed = drive::Abs(d.tachoSpeed[start]).value();
    s.endSpeed = drive::Abs(d.tachoSpeed[end]).value();
    s.speedChange = drive::Abs(s.endSpeed - s.startSpeed).value();
    if (s.speedChange == 0)
        s.speedChange = s.startSpeed;
    s.tau = (s.duration / d.mechTimeConstant).value();
    s.nu2 = drive::Sqr(s.speedChange / d.nominalSpeed).value();
    s.a = d.tachoSpeed[start];
    s.b = d.tachoSpeed[end];
    s.k = s.startSpeed < s.endSpeed ? 1 : s.startSpeed > s.endSpeed ? -1 : -2;
    s.steady = s.a == s.b && s.a != 0;
    return s;
}

void AppendSourceData(const DcWorkingData& d, drive::LineSink& memo)
{
    memo.AppendLine(" Исходные данные ");
    memo.AppendLine("Uн=" + FormatWhole(d.nominalVoltage) + " B  Iн=" + FormatWhole(d.nominalCurrent) + " A");
    memo.AppendLine("Wн=" + FormatWhole(d.nominalSpeed) + " 1/c");
    memo.AppendLine(
        "Ra=" + FormatWhole(d.circuitResistance) + " Ом  Рн=" + FormatWhole(d.nominalPower) + " Вт");
    memo.AppendLine("Jc=" + FormatWhole(d.totalInertia) + " кг*м*м");
    memo.AppendLine("Iт=" + FormatWhole(d.staticCurrent) + " A  K=" + FormatWhole(d.overloadFactor));
    memo.AppendLine("Mн=" + FormatWhole(d.nominalTorque) + " H*м");
    memo.AppendLine("Uвн=" + FormatWhole(d.fieldVoltage) + " В");
    memo.AppendLine("Iвн=" + FormatWhole(d.fieldCurrent) + " A");
    memo.AppendLine("B=" + FormatWhole(d.heatTransferFactor));
    if (d.staticLoadTorque == 0)
        memo.AppendLine("Ixx=" + FormatWhole(d.staticCurrent) + " A");
}

} // namespace

DutyCycleEnd RunDutyCycle(DcWorkingData& data, DutyCycleSystem& system, bool sourceData,
    drive::Prompter& prompter, drive::LineSink& memo)
{
    ClearResults(data);
    const Real c = data.emfCoefficient;
    const Real b = data.heatTransferFactor;
    for (int i = 1; i <= data.tachoPointCount - 1; ++i) {
        const DutyStretch s = MakeStretch(data, i);
        if (!system.CheckStretch(s))
            return DutyCycleEnd::Ended;
        const Real demanded = s.speedChange / s.duration;
        if (demanded > data.allowedAcceleration)
            return prompter.AskYesNo(kAccelerationQuestion) ? DutyCycleEnd::AccelerationYes
                                                            : DutyCycleEnd::AccelerationNo;

        StretchOutcome r;
        if (s.a == 0 && s.b == 0) {
            data.pauseTime = s.duration.value();
        } else {
            const std::optional<StretchOutcome> got = system.StretchResults(s);
            if (!got)
                return DutyCycleEnd::Ended;
            r = *got;
        }
        const double i2t = (drive::Sqr(r.current) * r.time).value();
        const double torque = (c * r.current).value();
        const double power = (Real(torque) * s.speedChange).value();
        const double totalLoss = (Real(data.totalLoss) + r.loss).value();
        const double sumI2t = (Real(data.sumI2t) + i2t).value();
        const double sumBetaT = (Real(data.sumBetaT) + r.time * b).value();
        const double totalEnergy = (Real(data.totalEnergy) + Real(power) * r.time).value();
        const double cycleWorkTime = (Real(data.cycleWorkTime) + r.time).value();

        const std::size_t at = static_cast<std::size_t>(i - 1);
        data.stretchLoss[at] = r.loss.value();
        data.stretchStaticLoss[at] = r.staticLoss.value();
        data.stretchCrossLoss[at] = r.crossLoss.value();
        data.stretchCurrent[at] = r.current.value();
        data.stretchI2t[at] = i2t;
        data.stretchTorque[at] = torque;
        data.stretchPower[at] = power;
        data.stretchTime[at] = r.time.value();
        data.totalLoss = totalLoss;
        data.sumI2t = sumI2t;
        data.sumBetaT = sumBetaT;
        data.totalEnergy = totalEnergy;
        data.cycleWorkTime = cycleWorkTime;

        const std::string number = std::to_string(i);
        memo.AppendLine("Ап" + number + "=" + FormatWhole(r.loss.value()) + " Дж");
        memo.AppendLine("Рэ" + number + "=" + FormatWhole(power) + " Вт");
        memo.AppendLine("Iэ" + number + "=" + FormatWhole(r.current.value()) + " А");
        memo.AppendLine("Ту" + number + "=" + FormatWhole(r.time.value()) + " c");
        memo.AppendLine("Wт" + number + "=" + FormatWhole(s.a) + " рад/с");
    }
    return FinishDutyCycle(data, sourceData, prompter, memo) ? DutyCycleEnd::Completed : DutyCycleEnd::Ended;
}

bool FinishDutyCycle(DcWorkingData& data, bool sourceData, drive::Prompter& prompter, drive::LineSink& memo)
{
    const Real totalEnergy = data.totalEnergy;
    const Real eta = (totalEnergy - data.totalLoss) / totalEnergy;
    data.efficiency = eta.value();
    memo.AppendLine("Асум=" + FormatWhole(data.totalLoss) + " Дж");
    memo.AppendLine("Рэ.сум=" + FormatWhole(data.totalEnergy) + " Вт");

    const Real heating = drive::Sqrt(Real(data.sumI2t) / data.sumBetaT);
    data.heatingCurrent = heating.value();
    const Real workTime = data.cycleWorkTime;
    const Real actualDuty = workTime / (workTime + data.pauseTime) * 100;
    data.actualDutyFactor = actualDuty.value();
    const Real ratedDuty = data.ratedDutyFactor;
    const Real correction = drive::Sqrt(actualDuty / ratedDuty);
    data.dutyCorrection = correction.value();
    const Real current = heating * correction;
    data.equivalentCurrent = current.value();

    const Real deviation = drive::Abs(actualDuty - ratedDuty);
    data.dutyDeviation = deviation.value();
    if (deviation > kMaxDutyDeviation) {
        const std::string text
            = "ЭД не проходит по ПВ,% ! ПВр=" + drive::FormatNumber((actualDuty + 0.5).value()) + "%"
            + "ПВд=" + drive::FormatNumber((ratedDuty + 0.5).value()) + "%";
        prompter.ShowNotice(text);
        memo.AppendLine(text);
        return false;
    }

    memo.AppendLine("Эквивалентный ток Iэ=" + FormatWhole(current.value()) + " A");
    if (current > data.nominalCurrent) {
        prompter.ShowNotice("ЭД не проходит по тепловому режиму");
        memo.AppendLine("ЭД не проходит по тепловому режиму" + FormatWhole(data.totalEnergy) + " Вт");
        memo.AppendLine("Iэ=" + FormatWhole(current.value())
            + " А > Iн=" + drive::FormatNumber(data.nominalCurrent) + " A");
    }
    memo.AppendLine("К.П.Д.=" + FormatWhole((100 * eta).value()) + " %");
    if (sourceData)
        AppendSourceData(data, memo);
    return true;
}

Real MaxDynamicTorque(const DcWorkingData& data, const DutyStretch& stretch)
{
    return Real(data.overloadFactor) * data.nominalTorque * stretch.nu2;
}

Real SpeedingUpTime(const DcWorkingData& data, const DutyStretch& stretch)
{
    return Real(data.totalInertia) * stretch.speedChange
        / (MaxDynamicTorque(data, stretch) - data.staticLoadTorque);
}

Real SlowingDownTime(const DcWorkingData& data, const DutyStretch& stretch)
{
    return Real(data.totalInertia) * stretch.speedChange
        / (MaxDynamicTorque(data, stretch) + data.staticLoadTorque);
}

Real EqualMagnitudesTime(const DcWorkingData& data, const DutyStretch& stretch)
{
    const Real mmax = MaxDynamicTorque(data, stretch);
    const Real mc = data.staticLoadTorque;
    return 2 * Real(data.totalInertia) * stretch.speedChange * mmax
        / (drive::Sqr(Real(data.overloadFactor) * data.nominalTorque) * stretch.nu2 - drive::Sqr(mc));
}

Real TransientTime(const DcWorkingData& data, const DutyStretch& stretch)
{
    if (stretch.startSpeed < stretch.endSpeed)
        return SpeedingUpTime(data, stretch);
    if (stretch.startSpeed > stretch.endSpeed)
        return SlowingDownTime(data, stretch);
    return EqualMagnitudesTime(data, stretch);
}

} // namespace dcdrive
