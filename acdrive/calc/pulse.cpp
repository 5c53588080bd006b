#include "acdrive/calc/pulse.h"

#include <string>

#include "acdrive/calc/sliprule.h"
#include "acdrive/calc/stretchwalk.h"
#include "acdrive/data/prompts.h"
#include "acdrive/data/report.h"
#include "common/real.h"

namespace acdrive::pulse {
namespace {

using drive::Real;

// One run of the calculation: the rated-point losses model, the answers kept for the run and the
// stretch being calculated.
class Calculation : public StretchWalk {
public:
    Calculation(AcWorkingData& data, drive::Prompter& prompter) : StretchWalk(data, prompter) {}

    void Run(drive::LineSink& resultsPane);

private:
    void LoadStretch(int i) override;
    // Loss power at the relative load x (the squared ratio of the motor torque to Mn), W.
    Real LossPower(Real x) const;
    // Power factor of the equivalent circuit with the pulse-regulated added resistance, at the
    // slip of the static torque.
    Real PulsePowerFactor() const;
    void TimeIntervalWarning();

    void ReversalStretch() override;
    void SteadyStretch() override;
    void BrakingStretch() override;
    void DynamicBraking(Real md);
    void PluggingBraking(Real md);
    void DecelerationStretch();
    void StartStretch() override;
    void FinishStretch() override;

    Real omega0_, sn_, r1_, x1_, r2_, x2_, xm_, xs_;
    Real mn_, rho_, p1n_, p2n_, padd_, k0_, ra_;
    Real omega1_, omega2_;  // speed magnitudes at the start and end of the stretch, 1/s
    Real inertia_, mc_, duration_;
    bool pause_ = false;  // a standstill stretch with zero torque ("ожидание")
};

void Calculation::Run(drive::LineSink& resultsPane)
{
    MakeWorkingCopies(d_);
    const MotorParameters& m = d_.motor;
    omega0_ = m.synchronousSpeed;
    sn_ = m.ratedSlip;
    r1_ = m.statorResistance;
    x1_ = m.statorReactance;
    r2_ = m.rotorResistance;
    x2_ = m.rotorReactance;
    xm_ = m.magnetizingReactance;

    d_.driveType = AskChoice(d_, prompter_, "Привод", "реверсивный ", "нереверсивный ") ? 1 : 2;
    mn_ = Real(m.ratedPower) * 1000 / ((1 - sn_) * omega0_);
    d_.ratedTorque = mn_.value();
    const Real k = AskValue(d_, prompter_, "Коэффициент трансформации двигателя ");
    rho_ = drive::Sqr(k) * r2_ / (drive::Sqr(k) * xm_ + x2_);

    const Real rn = r2_ / sn_;
    xs_ = xm_ + x2_;
    const Real rRated = drive::Sqr(xm_) * rn / (drive::Sqr(rn) + drive::Sqr(xs_)) + r1_;
    const Real xRated = xm_ * (drive::Sqr(rn) + x2_ * xs_) / (drive::Sqr(rn) + drive::Sqr(xs_)) + x1_;
    const Real i1n = Real(m.ratedPhaseVoltage) / drive::Sqrt(drive::Sqr(rRated) + drive::Sqr(xRated));
    const Real imn = drive::Sqrt(drive::Sqr(xRated - x1_) + drive::Sqr(rRated - r1_)) * i1n / xm_;
    p2n_ = mn_ * omega0_ * sn_;
    padd_ = 5 * Real(m.ratedPower);
    p1n_ = 3 * drive::Sqr(i1n) * r1_;
    k0_ = drive::Sqr(imn / i1n);
    d_.ratedStatorCurrent = i1n.value();
    d_.ratedMagnetizingCurrent = imn.value();
    d_.ratedRotorCopperLosses = p2n_.value();
    d_.fixedLossPower = padd_.value();
    d_.ratedStatorCopperLosses = p1n_.value();
    d_.magnetizingLossShare = k0_.value();
    d_.fixedLossConstantShare = 0.97;

    ra_ = AskValue(d_, prompter_, " Привед. акт. добавочное сопр. ротора ");
    d_.addedRotorResistance = ra_.value();

    WalkStretches(resultsPane);
}

void Calculation::LoadStretch(int i)
{
    omega1_ = drive::Abs(d_.workSpeed[i]);
    omega2_ = drive::Abs(d_.workSpeed[i + 1]);
    duration_ = Real(d_.workTime[i + 1]) - d_.workTime[i];
    mc_ = drive::Abs(d_.workTorque[i]);
    inertia_ = d_.workInertia[i];
    pause_ = false;
}

Real Calculation::LossPower(Real x) const
{
    return 1.1 * (p1n_ * (k0_ + (1 - k0_) * x) + p2n_ * x) + padd_ * (0.97 + (1 - Real(0.97)) * x);
}

Real Calculation::PulsePowerFactor() const
{
    const Real s = SlipFromTorque(d_.motor, mc_);
    const Real r = (r2_ + 0.56 * ra_) / s;
    const Real resistance = drive::Sqr(xm_) * r / (drive::Sqr(r) + drive::Sqr(xs_)) + r1_;
    const Real reactance = xm_ * (drive::Sqr(r) + x2_ * xs_) / (drive::Sqr(r) + drive::Sqr(xs_)) + x1_;
    return drive::Cos(drive::ArcTan(reactance / resistance));
}

void Calculation::TimeIntervalWarning()
{
    prompter_.ShowNotice("Участок №" + number_ + " - неверный интервал времени ");
}

void Calculation::ReversalStretch()
{
    d_.stretchLabels[i_] = " реверс";
    const Real tb = AskValue(d_, prompter_, "Участок №" + number_ + "\r" + " Время торможения ");
    const Real ta = duration_ - tb;
    const Real mb = inertia_ * omega1_ / tb + mc_;
    if (mb <= 0)
        TimeIntervalWarning();
    const Real brakingLosses = LossPower(drive::Sqr(mb / mn_)) * tb;
    const Real ma = inertia_ * omega2_ / ta - mc_;
    if (ma <= 0)
        TimeIntervalWarning();
    const Real wk = drive::Sqr(omega2_) * inertia_ / 2;
    const Real accelerationLosses = LossPower(drive::Sqr(ma / mn_)) * ta;
    d_.stretchLosses[i_] = (brakingLosses + accelerationLosses).value();
    const Real shaft = mc_ * omega2_ / 2;
    d_.stretchShaftPower[i_] = shaft.value();
    const Real c = PulsePowerFactor();
    const Real e = brakingLosses + accelerationLosses + wk + shaft * ta;
    const Real qe = TanPhi(c) * (accelerationLosses + wk + shaft * ta);
    SetEnergies(e, qe);
    d_.stretchPowerFactor[i_] = (1 / drive::Sqrt(1 + drive::Sqr(qe / e))).value();
    d_.motoringTime = ta.value();
}

void Calculation::SteadyStretch()
{
    const Real omega = omega1_;
    const Real s = 1 - omega / omega0_;
    const Real x = drive::Sqr(mc_ / mn_);
    if (omega == 0 && mc_ == 0) {
        // A pause draws nothing and turns nothing: its losses, shaft power and power factor are
        // shown as 0 (and P1, Q1 and efficiency, see FinishStretch) rather than whatever an earlier
        // run left at this index.
        d_.stretchLabels[i_] = "ожидание";
        d_.stretchLosses[i_] = 0;
        d_.stretchShaftPower[i_] = 0;
        d_.stretchPowerFactor[i_] = 0;
        SetEnergies(0, 0);
        pause_ = true;
        return;
    }
    d_.stretchLabels[i_] = " установившийся режим ";
    if (duration_ <= 0)
        TimeIntervalWarning();
    const Real losses
        = (mc_ * omega0_ * s * x + 1.1 * p1n_ * (k0_ + (1 - k0_) * x) + padd_ * (0.97 + (1 - Real(0.97)) * x))
        * duration_;
    d_.stretchLosses[i_] = losses.value();
    const Real shaft = mc_ * omega;
    d_.stretchShaftPower[i_] = shaft.value();
    const Real c = PulsePowerFactor();
    d_.stretchPowerFactor[i_] = c.value();
    const Real e = shaft * duration_ + losses;
    SetEnergies(e, TanPhi(c) * e);
}

void Calculation::BrakingStretch()
{
    const Real md = (omega1_ - omega2_) * inertia_ / duration_;
    if (md <= mc_)
        TimeIntervalWarning();
    if (omega2_ != 0 || md <= mc_) {
        DecelerationStretch();
    } else if (d_.driveType == 2) {
        DynamicBraking(md);
    } else if (AskChoice(d_, prompter_, "Участок №" + number_ + " - торможение", "динамическое ",
                   "противовключением ")) {
        DynamicBraking(md);
    } else {
        PluggingBraking(md);
    }
}

void Calculation::DynamicBraking(Real md)
{
    d_.stretchLabels[i_] = " режим динамического торможения";
    const Real mb = md - mc_;
    const Real mkd = AskValue(d_, prompter_, "Участок №" + number_ + "\r" + " Крит. момент дин. торможения ");
    const Real statorLosses = 2.2 * k0_ * p1n_ * sn_ * mkd / (rho_ * mn_) * duration_;
    d_.stretchLosses[i_]
        = (statorLosses + drive::Sqr(mb / mkd) * 1.1 * p2n_ * rho_ * duration_ / sn_).value();
    d_.stretchPowerFactor[i_] = 1;
    d_.stretchShaftPower[i_] = 0;
    SetEnergies(statorLosses, 0);
}

void Calculation::PluggingBraking(Real md)
{
    d_.stretchLabels[i_] = " торможения противовключением ";
    const Real mb = md + mc_;
    const Real losses = LossPower(drive::Sqr(mb / mn_)) * duration_;
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = 0;
    const Real c = PulsePowerFactor();
    d_.stretchPowerFactor[i_] = c.value();
    SetEnergies(losses, TanPhi(c) * losses);
}

void Calculation::DecelerationStretch()
{
    d_.stretchLabels[i_] = " замедление";
    const Real m = (omega1_ - omega2_) * inertia_ / duration_ + mc_;
    if (m <= 0)
        TimeIntervalWarning();
    const Real losses = LossPower(drive::Sqr(m / mn_)) * duration_;
    d_.stretchLosses[i_] = losses.value();
    const Real shaft = (omega1_ + omega2_) * mc_ / 2;
    d_.stretchShaftPower[i_] = shaft.value();
    const Real c = PulsePowerFactor();
    d_.stretchPowerFactor[i_] = c.value();
    const Real e = shaft * duration_ + losses;
    SetEnergies(e, TanPhi(c) * e);
    d_.motoringTime = duration_.value();
}

void Calculation::StartStretch()
{
    d_.stretchLabels[i_] = " пуск";
    const Real m = (omega2_ - omega1_) * inertia_ / duration_ + mc_;
    if (m <= 0)
        TimeIntervalWarning();
    const Real wk = (drive::Sqr(omega2_) - drive::Sqr(omega1_)) * inertia_ / 2;
    const Real losses = LossPower(drive::Sqr(m / mn_)) * duration_;
    d_.stretchLosses[i_] = losses.value();
    const Real shaft = (omega2_ + omega1_) * mc_ / 2;
    d_.stretchShaftPower[i_] = shaft.value();
    const Real c = PulsePowerFactor();
    d_.stretchPowerFactor[i_] = c.value();
    const Real e = wk + losses + shaft * duration_;
    SetEnergies(e, TanPhi(c) * e);
}

void Calculation::FinishStretch()
{
    const bool motoringPart = d_.stretchKind == kReversal || d_.stretchKind == kDeceleration;
    const Real w = Real(d_.stretchShaftPower[i_]) * (motoringPart ? Real(d_.motoringTime) : duration_);
    d_.stretchUsefulEnergy = w.value();
    if (pause_) {
        // Nothing drawn over a pause, also one of zero duration (the empty rows at the end of a
        // 31-point diagram): P1, Q1 and the efficiency are 0.
        d_.stretchActivePower[i_] = 0;
        d_.stretchReactivePower[i_] = 0;
        d_.stretchEfficiency[i_] = 0;
        return;
    }
    const Real e = d_.stretchMainsEnergy;
    d_.stretchActivePower[i_] = (e / duration_).value();
    d_.stretchReactivePower[i_] = (Real(d_.stretchReactiveEnergy) / duration_).value();
    d_.stretchEfficiency[i_] = (w / e).value();
}

}  // namespace

void Run(AcWorkingData& data, drive::Prompter& prompter, drive::LineSink& resultsPane)
{
    Calculation(data, prompter).Run(resultsPane);
}

}  // namespace acdrive::pulse
