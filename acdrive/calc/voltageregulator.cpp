#include "acdrive/calc/voltageregulator.h"

#include <string>

#include "acdrive/calc/stretchwalk.h"
#include "acdrive/data/prompts.h"
#include "acdrive/data/report.h"
#include "common/numbertext.h"
#include "common/real.h"

namespace acdrive::voltage_regulator {
namespace {

using drive::Real;

// Req and Xeq at rated slip, as Reals for the formulas that follow.
void RatedPoint(const MotorParameters& m, Real& req, Real& xeq)
{
    const Real xm = m.magnetizingReactance;
    const Real x2 = m.rotorReactance;
    const Real r = Real(m.rotorResistance) / m.ratedSlip;
    const Real xs = xm + x2;
    req = drive::Sqr(xm) * r / (drive::Sqr(xs) + drive::Sqr(r)) + m.statorResistance;
    xeq = (drive::Sqr(r) + x2 * xs) * xm / (drive::Sqr(xs) + drive::Sqr(r)) + m.statorReactance;
}

// One run of the calculation: the rated-point model of the losses and the stretch being calculated.
class Calculation : public StretchWalk {
public:
    Calculation(AcWorkingData& data, drive::Prompter& prompter) : StretchWalk(data, prompter) {}

    void Run(drive::LineSink& resultsPane);

private:
    void LoadStretch(int i) override;
    // Losses of a start, deceleration, plugging or reversal part: d the difference of the squared
    // slips, lambda the log term, f the torque factor, J.
    Real TransientLosses(Real d, Real lambda, Real f) const;
    // cT = 0.6 * (g * (cN - 0.6) + 0.2) for the torque ratio term g.
    Real EmpiricalPowerFactor(Real g) const;

    void StartStretch() override;
    void SteadyStretch() override;
    void BrakingStretch() override;
    void DecelerationStretch(Real mdec);
    void DynamicBraking(Real mdec);
    void PluggingBraking(Real mdec);
    void ReversalStretch() override;
    void FinishStretch() override;

    Real omega0_, sN_, cN_, r2_;
    Real mn_, etaC_, k0_, p1n_, p2n_, pf_, kf_, rR_;
    Real speedA_, speedB_;  // signed speeds at the start and end of the stretch, 1/s
    Real omegaA_, omegaB_;  // their magnitudes
    Real inertia_, mc_, duration_;
    Real kj_;  // J * w0 / Mn, s
    // A standstill stretch or a dynamic braking below the threshold speed: nothing or nothing
    // measurable is drawn, so a quotient whose divisor is zero is shown as 0 instead of failing.
    bool zeroQuotientsShownAsZero_ = false;
};

void Calculation::Run(drive::LineSink& resultsPane)
{
    const MotorParameters& m = d_.motor;
    omega0_ = m.synchronousSpeed;
    sN_ = m.ratedSlip;
    cN_ = m.ratedPowerFactor;
    r2_ = m.rotorResistance;

    d_.driveType = AskChoice(d_, prompter_, "Тип привода :", "реверсивный", "нереверсивный") ? 1 : 2;
    mn_ = Real(m.ratedPower) * 1000 / ((1 - sN_) * omega0_);
    d_.ratedTorque = mn_.value();
    etaC_ = AskValue(d_, prompter_, "Коэффициент полезного\rдействия преобразователя");
    d_.converterEfficiency = etaC_.value();

    Real req, xeq;
    RatedPoint(m, req, xeq);
    const Real i1n = Real(m.ratedPhaseVoltage) / drive::Sqrt(drive::Sqr(xeq) + drive::Sqr(req));
    const Real imn = drive::Sqrt(drive::Sqr(req - m.statorResistance) + drive::Sqr(xeq - m.statorReactance))
        * i1n / m.magnetizingReactance;
    p2n_ = mn_ * omega0_ * sN_;
    pf_ = 5 * Real(m.ratedPower);
    p1n_ = 3 * drive::Sqr(i1n) * m.statorResistance;
    k0_ = drive::Sqr(imn / i1n);
    kf_ = 0.97;
    d_.ratedStatorCurrent = i1n.value();
    d_.ratedMagnetizingCurrent = imn.value();
    d_.ratedRotorCopperLosses = p2n_.value();
    d_.fixedLossPower = pf_.value();
    d_.ratedStatorCopperLosses = p1n_.value();
    d_.magnetizingLossShare = k0_.value();
    d_.fixedLossConstantShare = kf_.value();

    if (d_.startMode == 1) {
        d_.addedRotorResistance
            = AskValue(d_, prompter_, "Приведенное активное\rдобавочное сопротивление\rротора");
    }
    rR_ = (r2_ + d_.addedRotorResistance) / r2_;
    d_.rotorResistanceRatio = rR_.value();

    WalkStretches(resultsPane);
}

void Calculation::LoadStretch(int i)
{
    speedA_ = d_.tachoPoints[i].speed;
    speedB_ = d_.tachoPoints[i + 1].speed;
    omegaA_ = drive::Abs(speedA_);
    omegaB_ = drive::Abs(speedB_);
    duration_ = Real(d_.tachoPoints[i + 1].time) - d_.tachoPoints[i].time;
    inertia_ = d_.stretchLoads[i].inertia;
    mc_ = drive::Abs(d_.stretchLoads[i].staticTorque);
    kj_ = inertia_ * omega0_ / mn_;
    zeroQuotientsShownAsZero_ = false;
}

Real Calculation::TransientLosses(Real d, Real lambda, Real f) const
{
    const Real a1 = 1.1 * (d * (1 - k0_) / (sN_ * rR_) + lambda * 2 * k0_ * sN_ * rR_) * kj_ * p1n_ / 2 * f;
    const Real a2 = 1.1 * d * (drive::Sqr(omega0_) * inertia_ / 2) / rR_ * f;
    const Real a3 = (d * (1 - kf_) + lambda * 2 * kf_ * sN_ * rR_) * kj_ * pf_ / 2 * f;
    return a1 + a2 + a3;
}

Real Calculation::EmpiricalPowerFactor(Real g) const
{
    return 0.6 * (g * (cN_ - 0.6) + 0.2);
}

void Calculation::StartStretch()
{
    d_.stretchLabels[i_] = "пуск";
    const Real sx = 1 - omegaA_ / omega0_;
    const Real sy = 1 - omegaB_ / omega0_;
    const Real d = drive::Sqr(sx) - drive::Sqr(sy);
    const Real lambda = -drive::Ln(sy);
    const Real m = inertia_ * drive::Abs(speedB_ - speedA_) / duration_ + mc_;
    const Real f = m / (m - mc_);
    const Real losses = TransientLosses(d, lambda, f);
    const Real shaft = drive::Abs(speedA_ + speedB_) * mc_ / 2;
    const Real c = EmpiricalPowerFactor(drive::Sqrt(m / mn_));
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = shaft.value();
    d_.stretchPowerFactor[i_] = c.value();
    const Real e = (shaft * duration_ + losses) / etaC_;
    SetEnergies(e, drive::Sqrt(1 / drive::Sqr(c) + 1) * e);
}

void Calculation::SteadyStretch()
{
    const bool pause = d_.tachoPoints[i_].speed == 0 && d_.stretchLoads[i_].staticTorque == 0;
    d_.stretchLabels[i_] = pause ? "ожидание" : "установившийся режим";
    const Real s = 1 - omegaA_ / omega0_;
    const Real losses = (mc_ / mn_)
        * (mn_ * omega0_ * s + 1.1 * p1n_ * (1 - k0_) * s / (sN_ * rR_) + (1 - kf_) * pf_
            + (sN_ * rR_ / s) * (1.1 * p2n_ + kf_ * pf_))
        * duration_;
    const Real shaft = (1 - s) * mc_ * omega0_;
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = shaft.value();
    const Real e = shaft * duration_ + losses;

    if (pause) {
        // A pause draws nothing (its losses and shaft power come out 0): its power factor is shown
        // as 0, as the other methods show it, and its reactive energy is 0.
        d_.stretchPowerFactor[i_] = 0;
        SetEnergies(e, 0);
        zeroQuotientsShownAsZero_ = true;
        return;
    }

    // The empirical factor's load term; the speed term follows from x, the ratio of the rated
    // speed to this speed.
    const Real load = drive::Sqrt(mc_ / mn_) * (cN_ - 0.6) + 0.2;
    Real c;
    const Real speedRatio = 1 - s;
    if (speedRatio == 0) {
        // Standstill under load: x is infinite. The factor takes its limit for x -> infinity,
        // where exp(-|x - 1|^0.333) vanishes: (load term) * 0.6. The efficiency quotients are
        // zero over zero when the stretch also has zero duration; they are shown as 0.
        c = load * 0.6;
        zeroQuotientsShownAsZero_ = true;
    } else {
        const Real x = drive::Abs((1 - sN_) / speedRatio);
        if (x - 1 == 0) {
            // Exactly the rated speed: the sign of x - 1 is zero over zero. The factor takes its
            // limit for x -> 1 from either side, where |x - 1|^0.333 vanishes: (load term) * 1.4.
            c = load * (0.6 + 0.8);
        } else {
            const Real sigma = drive::Sign(x - 1);
            const Real root = drive::Exp(0.333 * drive::Ln(drive::Abs(x - 1)));
            c = load * (0.6 + 0.8 * drive::Exp(-sigma * root));
        }
    }
    d_.stretchPowerFactor[i_] = c.value();
    SetEnergies(e, drive::Sqr(1 / drive::Sqr(c) - 1) * e);
}

void Calculation::BrakingStretch()
{
    d_.stretchLabels[i_] = "торможение";
    const Real mdec = (omegaA_ - omegaB_) * inertia_ / duration_;
    if (omegaB_ != 0 || mdec <= mc_) {
        DecelerationStretch(mdec);
    } else if (d_.driveType == 2) {
        DynamicBraking(mdec);
    } else if (AskChoice(d_, prompter_, "Участок №" + number_ + "\r" + " :" + "выберите тип торможения",
                   "динамическое", "противовключением")) {
        DynamicBraking(mdec);
    } else {
        PluggingBraking(mdec);
    }
}

void Calculation::DecelerationStretch(Real mdec)
{
    const Real m = mdec + mc_;
    const Real sx = 1 - omegaA_ / omega0_;
    const Real sy = 1 - omegaB_ / omega0_;
    const Real d = drive::Sqr(sy) - drive::Sqr(sx);
    const Real lambda = -drive::Ln(sy);
    const Real f = m / (m + mc_);
    const Real losses = TransientLosses(d, lambda, f);
    d_.motoringTime = duration_.value();
    const Real shaft = drive::Abs(speedB_ + speedA_) * mc_ / 2;
    const Real c = EmpiricalPowerFactor(drive::Sqr(m / mn_));
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = shaft.value();
    d_.stretchPowerFactor[i_] = c.value();
    const Real e = (shaft * duration_ + losses) / etaC_;
    SetEnergies(e, drive::Sqr(1 / drive::Sqr(c) - 1) * e);
}

void Calculation::DynamicBraking(Real mdec)
{
    const Real sd = omegaA_ / omega0_;
    const Real mbr = mdec + mc_;
    const Real logArgument = 20 * (sd - 0.05);
    if (logArgument <= 0) {
        // Braking from at most 0.05 * w0: the losses model counts the slips from sd down to 0.05,
        // so there is nothing to count and its logarithm would be undefined. The losses and the
        // energies are 0; the efficiency quotient, zero over zero, is shown as 0.
        d_.stretchLosses[i_] = 0;
        d_.stretchPowerFactor[i_] = 0.4;
        d_.stretchShaftPower[i_] = 0;
        SetEnergies(0, 0);
        zeroQuotientsShownAsZero_ = true;
        return;
    }
    const Real losses = 1.1
            * (drive::Sqr(sd - 0.05) * (1 - k0_) / (sN_ * rR_) - drive::Ln(logArgument) * k0_ * sN_ * rR_)
            * kj_ * p1n_ / 2 * mbr / (mbr - mc_)
        + 1.1 * drive::Sqr(sd - 0.05) * (drive::Sqr(omega0_) * inertia_ / 2) / rR_ * mbr / (mbr - mc_);
    d_.stretchLosses[i_] = losses.value();
    d_.stretchPowerFactor[i_] = 0.4;
    d_.stretchShaftPower[i_] = 0;
    SetEnergies(losses, drive::Sqr(1 / drive::Sqr(Real(0.4)) - 1) * losses);
}

void Calculation::PluggingBraking(Real mdec)
{
    const Real mbr = mdec + mc_;
    const Real sx = 1 + omegaA_ / omega0_;
    const Real sy = 1 + omegaB_ / omega0_;
    const Real d = drive::Sqr(sx) - drive::Sqr(sy);
    const Real lambda = drive::Ln(2 - sy);
    const Real f = mbr / (mbr - mc_);
    const Real losses = TransientLosses(d, lambda, f);
    const Real c = EmpiricalPowerFactor(drive::Sqrt(mbr / mn_));
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = 0;
    d_.stretchPowerFactor[i_] = c.value();
    SetEnergies(losses, TanPhi(c) * losses);
}

void Calculation::ReversalStretch()
{
    d_.stretchLabels[i_] = "реверс";
    const Real tb = AskValue(d_, prompter_,
        "Участок №" + number_ + " -реверс. " + "\r" + "время торможения Tторм < "
            + drive::FormatFixed(duration_.value(), 3, 2) + " c.");
    const Real tm = duration_ - tb;
    d_.motoringTime = tm.value();

    // Braking to standstill by plugging.
    const Real sxb = 1 + omegaA_ / omega0_;
    const Real syb = 1;
    const Real db = drive::Sqr(sxb) - drive::Sqr(syb);
    const Real lambdab = drive::Ln(2 - syb);
    const Real mbr = inertia_ * omegaA_ / tb + mc_;
    const Real fb = mbr / (mbr + mc_);
    const Real brakingLosses = TransientLosses(db, lambdab, fb);
    const Real c1 = EmpiricalPowerFactor(drive::Sqr(mbr / mn_));
    d_.stretchLosses[i_] = brakingLosses.value();
    d_.stretchPowerFactor[i_] = c1.value();
    Real e = brakingLosses;
    Real qe = drive::Sqr(1 / drive::Sqr(c1) - 1) * e;

    // Acceleration in the other direction; its losses are the ones the stretch keeps.
    const Real sxa = 1;
    const Real sya = 1 - omegaB_ / omega0_;
    const Real da = drive::Sqr(sxa) - drive::Sqr(sya);
    const Real lambdaa = -drive::Ln(sya);
    const Real macc = inertia_ * omegaB_ / tm + mc_;
    const Real fa = macc / (macc - mc_);
    const Real accelerationLosses = TransientLosses(da, lambdaa, fa);
    d_.stretchLosses[i_] = accelerationLosses.value();
    const Real shaft = mc_ * omegaB_ / 2;
    d_.stretchShaftPower[i_] = shaft.value();
    const Real c2 = EmpiricalPowerFactor(drive::Sqr(mbr / mn_));
    const Real e2 = shaft * tm + accelerationLosses;
    const Real q2 = drive::Sqrt(1 / drive::Sqr(c2) + 1) * e2;

    e += e2;
    qe += q2;
    SetEnergies(e, qe);
    d_.stretchPowerFactor[i_] = (1 / drive::Sqrt(drive::Sqr(e / qe) + 1)).value();
}

void Calculation::FinishStretch()
{
    const Real t = Real(d_.tachoPoints[i_ + 1].time) - d_.tachoPoints[i_].time;
    const bool motoringPart = d_.stretchKind == kReversal || d_.stretchKind == kDeceleration;
    const Real w = Real(d_.stretchShaftPower[i_]) * (motoringPart ? Real(d_.motoringTime) : t);
    d_.stretchUsefulEnergy = w.value();
    const Real e = d_.stretchMainsEnergy;
    const Real qe = d_.stretchReactiveEnergy;
    if (zeroQuotientsShownAsZero_) {
        // Where nothing is drawn (E = 0, and so Qe = 0), P1, Q1 and the efficiency are 0, also
        // for a zero duration, as the empty rows at the end of a 31-point diagram give.
        d_.stretchActivePower[i_] = e == 0 ? 0.0 : (e / t).value();
        d_.stretchReactivePower[i_] = qe == 0 ? 0.0 : (qe / t).value();
        d_.stretchEfficiency[i_] = e == 0 ? 0.0 : (w / e).value();
        return;
    }
    d_.stretchActivePower[i_] = (e / t).value();
    d_.stretchReactivePower[i_] = (qe / t).value();
    d_.stretchEfficiency[i_] = (w / e).value();
}

}  // namespace

RatedCircuit RatedEquivalentCircuit(const MotorParameters& motor)
{
    Real req, xeq;
    RatedPoint(motor, req, xeq);
    return { req.value(), xeq.value() };
}

void Run(AcWorkingData& data, drive::Prompter& prompter, drive::LineSink& resultsPane)
{
    Calculation(data, prompter).Run(resultsPane);
}

}  // namespace acdrive::voltage_regulator
