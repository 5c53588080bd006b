#include "acdrive/calc/rheostat.h"

#include <string>

#include "acdrive/calc/stretchwalk.h"
#include "acdrive/data/prompts.h"
#include "acdrive/data/report.h"
#include "common/real.h"

namespace acdrive::rheostat {
namespace {

using drive::Real;

// One run of the calculation: the motor's constants and the stretch being calculated.
class Calculation : public StretchWalk {
public:
    Calculation(AcWorkingData& data, drive::Prompter& prompter) : StretchWalk(data, prompter) {}

    void Run(drive::LineSink& resultsPane);

private:
    void LoadStretch(int i) override;
    // kR = 1 + R1 / (R2 + Ra): total copper losses over rotor copper losses.
    Real CopperLossRatio() const;
    Real AveragePowerFactor(Real omegaStart, Real omegaEnd) const;
    // Every stretch class but braking starts by asking the added rotor resistance; braking asks
    // it only for a deceleration or plugging.
    void AskAddedResistance();
    void TimeIntervalWarning(const std::string& prefix);

    void StartStretch() override;
    void DirectStart(Real dEk);
    void SteppedStart();
    void SteadyStretch() override;
    void BrakingStretch() override;
    void DecelerationStretch();
    void PluggingBraking(Real sa, Real mbr);
    void DynamicBraking(Real mbr);
    void ReversalStretch() override;
    void FinishStretch() override;

    Real omega0_, r1_, x1_, r2_, x2_, xm_, p0_;
    Real omegaA_, omegaB_;    // speed magnitudes at the start and end of the stretch
    Real inertia_, mc_, duration_;
    bool idle_ = false;       // a standstill stretch with zero torque ("ожидание")
};

void Calculation::Run(drive::LineSink& resultsPane)
{
    MakeWorkingCopies(d_);
    const MotorParameters& m = d_.motor;
    omega0_ = m.synchronousSpeed;
    r1_ = m.statorResistance;
    x1_ = m.statorReactance;
    r2_ = m.rotorResistance;
    x2_ = m.rotorReactance;
    xm_ = m.magnetizingReactance;

    const Real etaN = m.ratedEfficiency;
    const Real sN = m.ratedSlip;
    p0_ = ((1 - etaN) / etaN - sN / (1 - sN) * (r1_ / r2_ + 1)) * Real(m.ratedPower) * 1000;
    d_.constantLosses = p0_.value();

    WalkStretches(resultsPane);
}

void Calculation::LoadStretch(int i)
{
    SetEnergies(0, 0);
    omegaA_ = drive::Abs(d_.workSpeed[i]);
    omegaB_ = drive::Abs(d_.workSpeed[i + 1]);
    inertia_ = d_.workInertia[i];
    mc_ = drive::Abs(d_.workTorque[i]);
    duration_ = Real(d_.workTime[i + 1]) - d_.workTime[i];
    idle_ = false;
}

Real Calculation::CopperLossRatio() const
{
    return 1 + r1_ / (r2_ + d_.stretchAddedResistance[i_]);
}

Real Calculation::AveragePowerFactor(Real omegaStart, Real omegaEnd) const
{
    constexpr int steps = 300;
    const Real dOmega = (omegaEnd - omegaStart) / steps;
    const Real xs = xm_ + x2_;
    const Real rotor = r2_ + d_.stretchAddedResistance[i_];
    Real sum = 0;
    for (int k = 1; k <= steps; ++k) {
        const Real s = 1 - (omegaStart + (k - 0.5) * dOmega) / omega0_ + 0.0001;
        const Real r = rotor / s;
        const Real req = drive::Sqr(xm_) * r / (drive::Sqr(xs) + drive::Sqr(r)) + r1_;
        const Real xeq = (drive::Sqr(r) + x2_ * xs) * xm_ / (drive::Sqr(xs) + drive::Sqr(r)) + x1_;
        sum += drive::Cos(drive::ArcTan(xeq / req));
    }
    return sum / steps;
}

void Calculation::AskAddedResistance()
{
    if (d_.rotorType == 1) {
        d_.stretchAddedResistance[i_] = AskValue(
            d_, prompter_, "Участок №" + number_ + "\rПриведенное добавочное\rсопротивление ротора :");
    } else if (d_.rotorType == 2) {
        d_.stretchAddedResistance[i_] = 0;
    }
}

void Calculation::TimeIntervalWarning(const std::string& prefix)
{
    prompter_.ShowNotice(prefix + " - неверный интервал времени ");
}

void Calculation::StartStretch()
{
    AskAddedResistance();
    d_.stretchLabels[i_] = "пуск";
    const Real ws = d_.workSpeed[i_];
    const Real we = d_.workSpeed[i_ + 1];
    const Real dEk = (drive::Sqr(we) - drive::Sqr(ws)) * inertia_ / 2;
    if (d_.workSpeed[i_] == 0 && d_.startMode == 1 &&
        !AskChoice(d_, prompter_, "Пуск, участок №" + number_ + "\r:", "прямой;", "ступенчатый")) {
        SteppedStart();
        return;
    }
    DirectStart(dEk);
}

void Calculation::DirectStart(Real dEk)
{
    const Real sa = 1 - omegaA_ / omega0_;
    const Real sb = 1 - omegaB_ / omega0_;
    const Real m = (omegaB_ - omegaA_) * inertia_ / duration_ + mc_;
    if (m <= 0)
        TimeIntervalWarning(" Участок " + number_);
    const Real losses = (drive::Sqr(sa) - drive::Sqr(sb)) * (drive::Sqr(omega0_) * inertia_ / 2) *
                            CopperLossRatio() * m / (m - mc_) + p0_ * duration_;
    const Real shaft = (omegaB_ + omegaA_) * mc_ / 2;
    const Real pf = AveragePowerFactor(omegaA_, omegaB_);
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = shaft.value();
    d_.stretchPowerFactor[i_] = pf.value();
    const Real e = shaft * duration_ + losses + dEk;
    SetEnergies(e, TanPhi(pf) * e);
}

void Calculation::SteppedStart()
{
    Real shaftEnergy = 0, losses = 0, e = 0, qe = 0, elapsed = 0;
    d_.stretchPowerFactor[i_] = 0;
    d_.stretchLosses[i_] = 0;
    d_.stretchShaftPower[i_] = 0;
    Real omegaA = omegaA_;
    Real sa = 1 - omegaA / omega0_;

    const int n = AskWhole(d_, prompter_, "Участок №" + number_ + " Количество ступеней :");
    const double saved = d_.stretchAddedResistance[i_];
    for (long k = 1; k <= static_cast<long>(n) + 1; ++k) {
        Real stepTime, omegaB;
        if (k <= n) {
            std::string question = "Участок №" + number_ + "_ ступень №" + std::to_string(k);
            question += "\rДобав. привед. сопротивление ротора";
            d_.stretchAddedResistance[i_] = AskValue(d_, prompter_, question);
            question += "\rВремя пуска на ступени";
            stepTime = AskValue(d_, prompter_, question);
            question += "\rКонечная скорость пуска на ступени";
            omegaB = AskValue(d_, prompter_, question);
        } else {
            d_.stretchAddedResistance[i_] = saved;
            stepTime = duration_ - elapsed;
            omegaB = drive::Abs(d_.workSpeed[i_ + 1]);
        }
        const Real wk = (omegaB + omegaA) * mc_ / 2 * stepTime;
        const Real sb = 1 - omegaB / omega0_;
        const Real m = (omegaB - omegaA) * inertia_ / stepTime + mc_;
        if (m <= 0)
            TimeIntervalWarning(" Участок " + number_ + " ступень " + std::to_string(k));
        const Real lk = (drive::Sqr(sa) - drive::Sqr(sb)) * (drive::Sqr(omega0_) * inertia_ / 2) *
                            CopperLossRatio() * m / (m - mc_) + p0_ * stepTime;
        const Real dEk = (drive::Sqr(omegaB) - drive::Sqr(omegaA)) * inertia_ / 2;
        const Real pf = AveragePowerFactor(omegaA, omegaB);
        d_.stretchPowerFactor[i_] = pf.value();
        e += wk + lk + dEk;
        qe += TanPhi(pf) * (wk + lk + dEk);
        SetEnergies(e, qe);
        elapsed += stepTime;
        omegaA = omegaB;
        sa = sb;
        shaftEnergy += wk;
        losses += lk;
        d_.stretchShaftPower[i_] = shaftEnergy.value();
        d_.stretchLosses[i_] = losses.value();
    }
    d_.stretchShaftPower[i_] = (shaftEnergy / elapsed).value();
    d_.stretchPowerFactor[i_] = (1 / drive::Sqrt(drive::Sqr(qe / e) + 1)).value();
}

void Calculation::SteadyStretch()
{
    AskAddedResistance();
    if (d_.workSpeed[i_] == 0 && d_.workTorque[i_] == 0) {
        d_.stretchLabels[i_] = "ожидание";
        d_.stretchLosses[i_] = 0.001;
        d_.stretchShaftPower[i_] = 0;
        d_.stretchPowerFactor[i_] = 0;
        idle_ = true;
        return;
    }
    d_.stretchLabels[i_] = "установившийся";
    const Real losses = ((omega0_ - drive::Abs(d_.workSpeed[i_])) * mc_ * CopperLossRatio() + p0_) * duration_;
    const Real shaft = drive::Abs(mc_ * d_.workSpeed[i_ + 1]);
    const Real e = shaft * duration_ + losses;
    const Real pf = AveragePowerFactor(drive::Abs(d_.workSpeed[i_]), drive::Abs(d_.workSpeed[i_ + 1]));
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = shaft.value();
    d_.stretchPowerFactor[i_] = pf.value();
    SetEnergies(e, TanPhi(pf) * e);
}

void Calculation::BrakingStretch()
{
    d_.stretchLabels[i_] = "торможение";
    d_.stretchShaftPower[i_] = 0;
    if (d_.workSpeed[i_ + 1] != 0) {
        DecelerationStretch();
        return;
    }
    const Real sa = 1 + omegaA_ / omega0_;
    const Real mbr = inertia_ * omegaA_ / duration_ - mc_;
    if (mbr <= 0)
        TimeIntervalWarning("Участок №" + number_);
    if (AskChoice(d_, prompter_, "Торможение: участок №" + number_, " Динамическое  ", "Противовключением "))
        DynamicBraking(mbr);
    else
        PluggingBraking(sa, mbr);
}

void Calculation::DecelerationStretch()
{
    d_.stretchLabels[i_] = "замедление";
    AskAddedResistance();
    const Real sa = 1 - omegaA_ / omega0_;
    const Real sb = 1 - omegaB_ / omega0_;
    d_.motoringTime = duration_.value();
    const Real mp = mc_ + 0.001;
    const Real kR = CopperLossRatio();
    const Real u = drive::Sqr(omega0_) * inertia_ * (sb - sa) * sb + mp * omegaB_ * duration_;
    const Real losses = (mp * omega0_ * sb * kR + p0_) * duration_ -
                        (drive::Sqr(omega0_) * inertia_ / 2) * sb *
                            (kR * (sb + sa) * (1 - omegaA_ / mp) + 2 * (sb - sa));
    const Real pf = AveragePowerFactor(omegaA_, omegaB_);
    d_.stretchLosses[i_] = losses.value();
    d_.stretchPowerFactor[i_] = pf.value();
    const Real e = losses + u;
    SetEnergies(e, TanPhi(pf) * e);
    d_.stretchShaftPower[i_] = (u / duration_).value();
}

void Calculation::PluggingBraking(Real sa, Real mbr)
{
    d_.stretchLabels[i_] += "  противовключением";
    AskAddedResistance();
    const Real losses = (drive::Sqr(sa) - 1) * (drive::Sqr(omega0_) * inertia_ / 2) * CopperLossRatio() *
                            mbr / (mbr + mc_) + duration_ * p0_;
    const Real pf = AveragePowerFactor(-omegaA_, 0);
    d_.stretchLosses[i_] = losses.value();
    d_.stretchPowerFactor[i_] = pf.value();
    SetEnergies(losses, TanPhi(pf) * losses);
    d_.stretchShaftPower[i_] = 0;
}

void Calculation::DynamicBraking(Real mbr)
{
    d_.stretchLabels[i_] = "динамическое " + d_.stretchLabels[i_];
    const Real idc = AskValue(d_, prompter_, "Динамическое торможение - участок №" + number_ + "\r" +
                                                 " Величина постоянного тока           ");
    const Real pdc = 2 * drive::Sqr(idc) * r1_;
    const Real e = pdc * duration_;
    SetEnergies(e, 0);
    d_.stretchPowerFactor[i_] = 1;
    d_.stretchLosses[i_] = ((inertia_ * drive::Sqr(omegaA_) / 2) * mbr / (mbr + mc_) + e).value();
    d_.stretchShaftPower[i_] = 0;
}

void Calculation::ReversalStretch()
{
    AskAddedResistance();
    d_.stretchLabels[i_] = "реверс";
    const Real tb = AskValue(d_, prompter_, "Участок №" + number_ + "\r" + " Время торможения ");
    const Real sa = omegaA_ / omega0_ + 1;
    const Real sb = 1 - omegaB_ / omega0_;
    const Real pf = AveragePowerFactor(-omegaA_, omegaB_);
    d_.stretchPowerFactor[i_] = pf.value();
    const Real tm = duration_ - tb;
    d_.motoringTime = tm.value();
    const Real mbr = inertia_ * omegaA_ / tb - mc_;
    const Real macc = inertia_ * omegaB_ / tm + mc_;
    if (mbr <= 0)
        TimeIntervalWarning("Участок №" + number_);
    const Real l = (1 - drive::Sqr(sb)) * macc / (macc - mc_) + (drive::Sqr(sa) - 1) * mbr / (mbr + mc_);
    const Real losses = drive::Sqr(omega0_) * l * inertia_ / 2 * CopperLossRatio() + (tb + tm) * p0_;
    const Real shaft = mc_ * omegaB_ / 2;
    const Real dEk = drive::Sqr(omegaB_) * inertia_ / 2;
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = shaft.value();
    const Real e = shaft * tm + losses + dEk;
    SetEnergies(e, TanPhi(pf) * e);
}

void Calculation::FinishStretch()
{
    const Real t = Real(d_.tachoPoints[i_ + 1].time) - d_.tachoPoints[i_].time;
    const bool motoringPart = d_.stretchKind == kReversal || d_.stretchKind == kDeceleration;
    const Real w = Real(d_.stretchShaftPower[i_]) * (motoringPart ? Real(d_.motoringTime) : t);
    d_.stretchUsefulEnergy = w.value();
    const Real e = d_.stretchMainsEnergy;
    const Real qe = d_.stretchReactiveEnergy;
    if (idle_) {
        // A pause draws nothing: its efficiency (0/0) is shown as 0, and so are P1 and Q1 of a
        // pause of zero duration, such as the empty rows at the end of a 31-point diagram.
        d_.stretchActivePower[i_] = t == 0 ? 0.0 : (e / t).value();
        d_.stretchReactivePower[i_] = t == 0 ? 0.0 : (qe / t).value();
        d_.stretchEfficiency[i_] = 0;
        return;
    }
    d_.stretchActivePower[i_] = (e / t).value();
    d_.stretchReactivePower[i_] = (qe / t).value();
    d_.stretchEfficiency[i_] = (w / e).value();
}

}  // namespace

void Run(AcWorkingData& data, drive::Prompter& prompter, drive::LineSink& resultsPane)
{
    Calculation(data, prompter).Run(resultsPane);
}

}  // namespace acdrive::rheostat
