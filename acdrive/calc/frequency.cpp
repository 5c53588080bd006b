#include "acdrive/calc/frequency.h"

#include "acdrive/calc/sliprule.h"
#include "acdrive/calc/stretchwalk.h"
#include "acdrive/data/prompts.h"
#include "acdrive/data/report.h"
#include "common/numbertext.h"
#include "common/real.h"

#include <string>

namespace acdrive::frequency {
namespace {

using drive::Real;

// Label of a standstill stretch under no load.
const char* const kPauseLabel = " ожидание";

// The question of the three converter choices.
const char* const kStructureQuestion = "Структура преобразователя";

// converterKind of a current-source inverter, the only kind that uses the averaged power factor.
constexpr int kCurrentSourceInverter = 4;
// converterKind of a voltage-source inverter, the only kind that returns braking energy.
constexpr int kVoltageSourceInverter = 3;

// One run of the calculation: the converter, the motor's constants and the stretch being
// calculated.
class Calculation : public StretchWalk {
public:
    Calculation(AcWorkingData& data, drive::Prompter& prompter) : StretchWalk(data, prompter) {}

    void Run(drive::LineSink& resultsPane);

private:
    void AskConverter();
    void ComputeConstants();
    void LoadStretch(int i) override;
    // Copper losses of a motor torque held for a time, J.
    Real CopperLosses(Real torque, Real time) const;
    // Power factor of the frequency-controlled motor averaged over a speed range, at the slip
    // `slip` and the load torque `load`.
    Real FrequencyPowerFactor(Real omegaStart, Real omegaEnd, Real slip, Real load) const;

    void StartStretch() override;
    void SteadyStretch() override;
    void BrakingStretch() override;
    void ReversalStretch() override;
    void FinishStretch() override;

    Real etaC_, omega0_, omegaN_, mn_, beta_, p0_, kR_, cN_;
    Real r1_, r2_, x2_, xm_;
    Real kA_, kB_, kX_, kC_, c1_;
    Real omegaA_, omegaB_; // speed magnitudes at the start and end of the stretch, 1/s
    Real inertia_, mc_, duration_;
    bool idle_ = false; // a standstill stretch under no load (" ожидание")
};

void Calculation::Run(drive::LineSink& resultsPane)
{
    MakeWorkingCopies(d_);
    AskConverter();
    ComputeConstants();
    WalkStretches(resultsPane);
}

void Calculation::AskConverter()
{
    const std::string answer = AskNumber(d_, prompter_, "Коэфф. полезного действия преобразователя");
    d_.converterEfficiency = answer.empty() ? 0.8 : drive::ParseNumber(answer);
    etaC_ = d_.converterEfficiency;

    d_.converterStructure
        = AskChoice(d_, prompter_, kStructureQuestion, "непосредственный", "двухзвенный") ? 1 : 2;
    if (d_.converterStructure == 2) {
        if (AskChoice(d_, prompter_, kStructureQuestion, "ШИП", "Автономный инвертор"))
            d_.inverterType = 1;
        else
            d_.inverterType = AskChoice(d_, prompter_, kStructureQuestion, "АИН", "АИТ") ? 2 : 3;
        d_.converterKind = d_.converterStructure + d_.inverterType - 1;
    } else {
        d_.converterKind = 1;
    }
}

void Calculation::ComputeConstants()
{
    const MotorParameters& m = d_.motor;
    omega0_ = m.synchronousSpeed;
    r1_ = m.statorResistance;
    r2_ = m.rotorResistance;
    x2_ = m.rotorReactance;
    xm_ = m.magnetizingReactance;
    cN_ = m.ratedPowerFactor;
    const Real sN = m.ratedSlip;
    const Real x1 = m.statorReactance;
    const Real ratedPower = m.ratedPower;

    omegaN_ = (1 - sN) * omega0_;
    mn_ = 1000 * ratedPower / omega0_ / (1 - sN);
    beta_ = mn_ / sN;
    kA_ = r2_ / xm_;
    kB_ = (x1 / xm_ + 1) * r1_;
    kX_ = (x1 + x2_) + (x1 + x2_) / xm_;
    kC_ = r1_ / xm_;
    c1_ = x1 / xm_ + 1;
    p0_ = 50 * ratedPower;
    kR_ = 1 + r1_ / r2_;

    d_.ratedSpeed = omegaN_.value();
    d_.ratedTorque = mn_.value();
    d_.slipStiffness = beta_.value();
    d_.constantLosses = p0_.value();
}

void Calculation::LoadStretch(int i)
{
    omegaA_ = drive::Abs(d_.workSpeed[i]);
    omegaB_ = drive::Abs(d_.workSpeed[i + 1]);
    inertia_ = d_.workInertia[i];
    mc_ = drive::Abs(d_.workTorque[i]);
    duration_ = Real(d_.workTime[i + 1]) - d_.workTime[i];
    idle_ = false;
}

Real Calculation::CopperLosses(Real torque, Real time) const
{
    return (drive::Sqr(torque) / beta_) * kR_ * omega0_ * time;
}

Real Calculation::FrequencyPowerFactor(Real omegaStart, Real omegaEnd, Real slip, Real load) const
{
    constexpr int steps = 100;
    const Real alphaEnd = omegaEnd / omega0_ + slip;
    const Real alphaStart = omegaStart / omega0_ + slip;
    const Real dAlpha = (alphaEnd - alphaStart) / steps;
    const Real sr = load / beta_;
    const Real k1 = drive::Sqr(sr) * drive::Sqr(1 + x2_ / xm_) + drive::Sqr(kA_);
    // At no load (a steady run at zero torque) the sign of sr is 0/0; the motor still draws
    // its magnetizing power from the converter, so it counts as motoring (+1).
    const Real sign = sr == 0 ? Real(1) : drive::Sign(sr);
    Real sum = 0;
    for (int k = 1; k <= steps; ++k) {
        const Real alpha = (k - 0.5) * dAlpha + alphaStart;
        const Real k2 = drive::Sqr(r2_) * (drive::Sqr(alpha) * drive::Sqr(c1_) + drive::Sqr(kC_))
            + drive::Sqr(sr) * (drive::Sqr(alpha) * drive::Sqr(kX_) + drive::Sqr(kB_))
            + 2 * r1_ * r2_ * alpha * sr;
        sum += sign * (r1_ * k1 + alpha * r2_ * sr) / drive::Sqrt(drive::Abs(k1 * k2));
    }
    return sum / steps;
}

void Calculation::StartStretch()
{
    d_.stretchLabels[i_] = " пуск ";
    const Real m = (omegaB_ - omegaA_) * inertia_ / duration_ + mc_;
    const Real losses = CopperLosses(m, duration_);
    const Real dEk = (drive::Sqr(omegaB_) - drive::Sqr(omegaA_)) * inertia_ / 2;
    const Real shaft = (omegaB_ + omegaA_) * mc_ / 2;
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = shaft.value();
    if (d_.converterKind != kCurrentSourceInverter) {
        const Real pf = 0.6 * (drive::Sqr(m / mn_) * (cN_ - 0.6) + 0.2);
        d_.stretchPowerFactor[i_] = pf.value();
        const Real e = (dEk + losses + shaft * duration_) / etaC_;
        SetEnergies(e, TanPhi(pf) * e);
    } else {
        const Real pf = FrequencyPowerFactor(omegaA_, omegaB_, SlipFromTorque(d_.motor, mc_), m);
        d_.stretchPowerFactor[i_] = 1;
        SetEnergies(((shaft * duration_ + losses + dEk) / pf) / etaC_, 0);
    }
}

void Calculation::SteadyStretch()
{
    if (omegaA_ == 0 && mc_ == 0) {
        // A pause draws nothing and does no work: it is shown with zero losses, shaft power,
        // power factor, P1, Q1 and efficiency (FinishStretch), not with what an earlier
        // run left at its index.
        d_.stretchLabels[i_] = kPauseLabel;
        d_.stretchLosses[i_] = 0;
        d_.stretchShaftPower[i_] = 0;
        d_.stretchPowerFactor[i_] = 0;
        SetEnergies(0, 0);
        idle_ = true;
        return;
    }
    d_.stretchLabels[i_] = " установившийся ";
    // The slip rule divides by the torque; a run at zero torque is taken at the limit of the
    // rule, slip 0 (the motor turns at the converter's synchronous speed).
    const Real s = mc_ == 0 ? Real(0) : SlipFromTorque(d_.motor, mc_);
    const Real alpha = omegaA_ / omega0_ + s;
    const Real losses = (drive::Power(alpha, 1.3) * p0_ + mc_ * s * omega0_ * kR_) * duration_;
    const Real shaft = omegaA_ * mc_;
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = shaft.value();
    if (d_.converterKind != kCurrentSourceInverter) {
        // (omegaA / omegaN)^0.33 is computed through the logarithm, which has no value at
        // standstill; there it is taken as 0, the value of 0^0.33.
        const Real relativeSpeed = omegaA_ == 0 ? Real(0) : drive::Power(omegaA_ / omegaN_, 0.33);
        const Real pf
            = (drive::Sqrt(mc_ / mn_) * (cN_ - 0.6) + 0.2) * (0.6 + 0.8 * drive::Exp(-relativeSpeed));
        d_.stretchPowerFactor[i_] = pf.value();
        const Real e = (shaft * duration_ + losses) / etaC_;
        SetEnergies(e, TanPhi(pf) * e);
    } else {
        const Real pf = FrequencyPowerFactor(omegaA_, omegaA_, s, mc_);
        d_.stretchPowerFactor[i_] = 1;
        SetEnergies(((shaft * duration_ + losses) / pf) / etaC_, 0);
    }
}

void Calculation::BrakingStretch()
{
    d_.stretchLabels[i_] = " торможение ";
    const Real mbr = (omegaA_ - omegaB_) * inertia_ / duration_ - mc_;
    const Real eb = (drive::Sqr(omegaA_) - drive::Sqr(omegaB_)) * inertia_ / 2 * mbr / (mbr - mc_);
    d_.brakingEnergy = eb.value();
    const Real losses = CopperLosses(mbr, duration_);
    d_.stretchLosses[i_] = losses.value();
    const Real shaft = (losses - eb) / duration_;
    d_.stretchShaftPower[i_] = shaft.value();
    const Real e = shaft * duration_;
    if (d_.converterKind == kVoltageSourceInverter) {
        const Real pf = -0.576;
        d_.stretchPowerFactor[i_] = pf.value();
        SetEnergies(e, drive::Abs(e) * TanPhi(pf));
    } else {
        d_.stretchShaftPower[i_] = 0;
        d_.stretchPowerFactor[i_] = 1;
        SetEnergies(1, 0);
    }
}

void Calculation::ReversalStretch()
{
    d_.stretchLabels[i_] = " pеверс ";
    const Real tb
        = AskValue(d_, prompter_, "Участок №" + number_ + " - реверс " + "\r" + "Время торможения:");
    const Real tm = duration_ - tb;
    d_.motoringTime = tm.value();
    // The braking part draws nothing from the supply and its losses are not counted.
    d_.stretchShaftPower[i_] = 0;
    Real e = 0;
    Real qe = 0;
    SetEnergies(e, qe);

    const Real macc = omegaB_ * inertia_ / tm + mc_;
    const Real losses = CopperLosses(macc, tm);
    const Real dEk = drive::Sqr(omegaB_) * inertia_ / 2;
    const Real shaft = omegaB_ * mc_ / 2;
    d_.stretchLosses[i_] = losses.value();
    d_.stretchShaftPower[i_] = shaft.value();
    if (d_.converterKind != kCurrentSourceInverter) {
        const Real pf = 0.6 * (drive::Sqrt(macc / mn_) * (cN_ - 0.6) + 0.2);
        d_.stretchPowerFactor[i_] = pf.value();
        e = e + (dEk + losses + shaft * duration_) / etaC_;
        qe = TanPhi(pf) * e + qe;
    } else {
        const Real pf = FrequencyPowerFactor(0, omegaB_, SlipFromTorque(d_.motor, mc_), macc);
        d_.stretchPowerFactor[i_] = 1;
        e = ((shaft * duration_ + losses + dEk) / pf) / etaC_;
        qe = 0;
    }
    SetEnergies(e, qe);
}

void Calculation::FinishStretch()
{
    const Real t = Real(d_.workTime[i_ + 1]) - d_.workTime[i_];
    const Real shaft = d_.stretchShaftPower[i_];
    const Real w = drive::Abs(shaft * (d_.stretchKind == kReversal ? Real(d_.motoringTime) : t));
    d_.stretchUsefulEnergy = w.value();
    if (idle_) {
        // A pause: nothing drawn, nothing done (zero over zero for the efficiency, and for P1
        // and Q1 too on the zero-length pauses of empty rows), shown as 0.
        d_.stretchActivePower[i_] = 0;
        d_.stretchReactivePower[i_] = 0;
        d_.stretchEfficiency[i_] = 0;
        return;
    }
    const Real e = d_.stretchMainsEnergy;
    d_.stretchActivePower[i_] = (e / t).value();
    d_.stretchReactivePower[i_] = (Real(d_.stretchReactiveEnergy) / t).value();
    d_.stretchEfficiency[i_] = (w / e).value();
    if (d_.stretchKind == kDeceleration) {
        if (d_.converterKind == kVoltageSourceInverter)
            d_.stretchEfficiency[i_] = (shaft * t / d_.brakingEnergy).value();
        else
            d_.stretchEfficiency[i_] = (w / (w + d_.stretchLosses[i_])).value();
    }
}

} // namespace

void Run(AcWorkingData& data, drive::Prompter& prompter, drive::LineSink& resultsPane)
{
    Calculation(data, prompter).Run(resultsPane);
}

} // namespace acdrive::frequency
