#include "acdrive/calc/multispeed.h"

#include "acdrive/calc/stretchwalk.h"
#include "acdrive/data/prompts.h"
#include "acdrive/data/report.h"
#include "common/real.h"

#include <algorithm>
#include <numbers>
#include <string>

namespace acdrive::multispeed {
namespace {

using drive::Real;

// Label of a standstill stretch under no load.
const char* const kPauseLabel = "ожидание";

// 1 / sqrt((Qe / E)^2 + 1): the power factor of a stretch from its energies.
Real PowerFactorOfEnergies(Real e, Real qe)
{
    return 1 / drive::Sqrt(drive::Sqr(qe / e) + 1);
}

// Start or acceleration on one step from omegaA to omegaB.
struct MotoringStage {
    Real torque; // M, N*m
    Real slipA, slipB;
    Real losses; // dWm, J
    Real kinetic; // Wk, kinetic energy gained, J
    Real useful; // Em, shaft energy, J
};

// Braking on one step from omegaA down to omegaB above its synchronous speed.
struct RegenerativeStage {
    Real torque; // Mb, N*m
    Real slipA, slipB;
    Real returned; // Er, energy given back to the mains, J
    Real losses; // dWr, J
};

// Slowing down on one step under motor torque from omegaA to omegaB.
struct DecelerationStage {
    Real slipA, slipB;
    Real useful; // Ed, J
    Real losses; // dWd, J
};

// One run of the calculation: the steps' constants and the stretch being calculated.
class Calculation : public StretchWalk {
public:
    Calculation(AcWorkingData& data, drive::Prompter& prompter) : StretchWalk(data, prompter) {}

    void Run(drive::LineSink& resultsPane);

private:
    const MotorParameters& Step(int j) const { return d_.stepParameters[j]; }
    // kR of step j: 1 + R1 / R2, total copper losses over rotor copper losses.
    Real CopperLossRatio(int j) const;
    void LoadStretch(int i) override;
    int FindSpeedStep(int k) const;
    Real StepAveragePowerFactor(int j, Real a, Real b) const;

    MotoringStage Motoring(int j, Real omegaA, Real omegaB, Real t) const;
    RegenerativeStage Regenerative(int j, Real omegaA, Real omegaB, Real t) const;
    // Losses of plugging to standstill on step 1 from omegaA in time t, J.
    Real PluggingLosses(Real omegaA, Real t) const;
    // Losses of dynamic braking to standstill from omegaA in time t with the energy dcEnergy
    // of the DC current, J.
    Real DynamicBrakingLosses(Real omegaA, Real t, Real dcEnergy) const;
    DecelerationStage Deceleration(int j, Real omegaA, Real omegaB, Real t) const;
    // Energy of the DC current I in the stator of step 1 over time t, J.
    Real DcEnergy(Real current, Real t) const;

    void StartStretch() override;
    void DirectStart();
    void SteppedStart();
    void SteadyStretch() override;
    void ReversalStretch() override;
    void BrakingStretch() override;
    void DecelerationStretch();
    void FirstSpeedBraking();
    void RegenerativeBraking();
    void FinishStretch() override;

    void AddEnergies(Real e, Real qe)
    {
        d_.stretchMainsEnergy = (Real(d_.stretchMainsEnergy) + e).value();
        d_.stretchReactiveEnergy = (Real(d_.stretchReactiveEnergy) + qe).value();
    }
    void SetEnergies(Real e, Real qe)
    {
        d_.stretchMainsEnergy = e.value();
        d_.stretchReactiveEnergy = qe.value();
    }
    void SetPowerFactor(Real pf) { d_.stretchPowerFactor[i_] = pf.value(); }
    void AddLosses(Real losses) { d_.stretchLosses[i_] = (Real(d_.stretchLosses[i_]) + losses).value(); }
    // The question prefix "<text><i>\r" shared by a stage's two questions.
    std::string StretchLine(const std::string& text) const { return text + number_ + "\r"; }

    int steps_ = 1; // K, the steps in use
    Real omegaS_, omegaE_; // signed speeds at the start and end of the stretch, 1/s
    Real duration_, mc_, inertia_;
    int c_ = 0, p_ = 0; // steps at the end and the start of the stretch
};

void Calculation::Run(drive::LineSink& resultsPane)
{
    MakeWorkingCopies(d_);
    // The arrays hold ten steps; a count outside 1 .. 10 is taken as the nearest count they
    // hold (below 1: the first step alone, above 10: the ten steps).
    steps_ = std::clamp<int>(d_.speedCount, 1, kMaxSpeeds);
    d_.stretchStep = FindSpeedStep(1);
    for (int j = 1; j <= steps_; ++j) {
        const MotorParameters& m = Step(j);
        const Real eta = m.ratedEfficiency;
        const Real sn = m.ratedSlip;
        const Real pc = 1000 * Real(m.ratedPower) * ((1 - eta) / eta - sn / (1 - sn) * CopperLossRatio(j));
        d_.stepConstantLosses[j] = pc.value();
    }
    WalkStretches(resultsPane);
}

Real Calculation::CopperLossRatio(int j) const
{
    return 1 + Real(Step(j).statorResistance) / Step(j).rotorResistance;
}

void Calculation::LoadStretch(int i)
{
    SetEnergies(0, 0);
    d_.previousStep = d_.stretchStep;
    d_.stretchStep = FindSpeedStep(i + 1);
    omegaS_ = d_.workSpeed[i];
    omegaE_ = d_.workSpeed[i + 1];
    duration_ = Real(d_.workTime[i + 1]) - d_.workTime[i];
    mc_ = drive::Abs(d_.workTorque[i]);
    inertia_ = d_.workInertia[i];
    c_ = d_.stretchStep;
    p_ = d_.previousStep;
}

int Calculation::FindSpeedStep(int k) const
{
    const Real omega = d_.workSpeed[k];
    if (omega == 0)
        return 1;
    const Real magnitude = drive::Abs(omega);
    for (int j = 1; j <= steps_; ++j) {
        const Real omega0 = Step(j).synchronousSpeed;
        const Real scr = Step(j).criticalSlip;
        if (omega0 * (1 - scr) <= magnitude && magnitude <= omega0 * (1 + scr))
            return j;
    }
    return steps_;
}

Real Calculation::StepAveragePowerFactor(int j, Real a, Real b) const
{
    constexpr int intervals = 300;
    const MotorParameters& m = Step(j);
    const Real xm = m.magnetizingReactance;
    const Real x2 = m.rotorReactance;
    const Real h = (b - a) / intervals;
    const Real xs = xm + x2;
    Real sum = 0;
    for (int k = 1; k <= intervals; ++k) {
        const Real omega = a + (k - 0.5) * h;
        const Real s = 1 - omega / m.synchronousSpeed + 0.000001;
        const Real r = m.rotorResistance / s;
        const Real resistance = drive::Sqr(xm) * r / (drive::Sqr(r) + drive::Sqr(xs)) + m.statorResistance;
        const Real reactance
            = xm * (drive::Sqr(r) + x2 * xs) / (drive::Sqr(r) + drive::Sqr(xs)) + m.statorReactance;
        const Real theta = drive::ArcTan(reactance / resistance);
        Real phi = theta;
        if (reactance < 0 && resistance < 0)
            phi = theta - std::numbers::pi;
        else if (reactance < 0)
            phi = -theta;
        else if (resistance < 0)
            phi = std::numbers::pi - theta;
        sum += drive::Cos(phi);
    }
    return sum / intervals;
}

MotoringStage Calculation::Motoring(int j, Real omegaA, Real omegaB, Real t) const
{
    const Real omega0 = Step(j).synchronousSpeed;
    MotoringStage stage;
    stage.torque = (omegaB - omegaA) * inertia_ / t + mc_;
    stage.slipA = 1 - omegaA / omega0;
    stage.slipB = 1 - omegaB / omega0;
    stage.losses = (drive::Sqr(stage.slipA) - drive::Sqr(stage.slipB)) * drive::Sqr(omega0) * inertia_ / 2
            * CopperLossRatio(j) * stage.torque / (stage.torque - mc_)
        + d_.stepConstantLosses[j] * t;
    stage.kinetic = (drive::Sqr(omegaB) - drive::Sqr(omegaA)) * inertia_ / 2;
    stage.useful = (omegaB + omegaA) * mc_ / 2 * t;
    return stage;
}

RegenerativeStage Calculation::Regenerative(int j, Real omegaA, Real omegaB, Real t) const
{
    const Real omega0 = Step(j).synchronousSpeed;
    RegenerativeStage stage;
    stage.torque = (omegaA - omegaB) * inertia_ / t - mc_;
    stage.slipA = omegaA / omega0 - 1;
    stage.slipB = omegaB / omega0 - 1;
    const Real share = stage.torque / (stage.torque + mc_);
    stage.returned = drive::Abs(drive::Sqr(omega0) * inertia_ / 2 * (stage.slipA - stage.slipB)
        * (stage.slipB + stage.slipA + 2) * share);
    stage.losses = CopperLossRatio(j) * (drive::Sqr(stage.slipA) - drive::Sqr(stage.slipB))
            * drive::Sqr(omega0) * inertia_ / 2 * share
        + d_.stepConstantLosses[j] * t;
    return stage;
}

Real Calculation::PluggingLosses(Real omegaA, Real t) const
{
    const Real omega0 = Step(1).synchronousSpeed;
    const Real mb = inertia_ * omegaA / t - mc_;
    const Real sa = omegaA / omega0 + 1;
    return (drive::Sqr(sa) - 1) * drive::Sqr(omega0) * inertia_ / 2 * CopperLossRatio(1) * mb / (mb + mc_)
        + d_.stepConstantLosses[1] * t;
}

Real Calculation::DcEnergy(Real current, Real t) const
{
    return 2 * drive::Sqr(current) * Step(1).statorResistance * t;
}

Real Calculation::DynamicBrakingLosses(Real omegaA, Real t, Real dcEnergy) const
{
    const Real mb = inertia_ * omegaA / t - mc_;
    return drive::Sqr(omegaA) * inertia_ / 2 * mb / (mb + mc_) + dcEnergy;
}

DecelerationStage Calculation::Deceleration(int j, Real omegaA, Real omegaB, Real t) const
{
    const Real omega0 = Step(j).synchronousSpeed;
    const Real kR = CopperLossRatio(j);
    DecelerationStage stage;
    stage.slipA = 1 - omegaA / omega0;
    stage.slipB = 1 - omegaB / omega0;
    const Real sa = stage.slipA;
    const Real sb = stage.slipB;
    stage.useful = drive::Sqr(omega0) * inertia_ * (sb - sa) * sb + mc_ * omegaB * t;
    stage.losses = (mc_ * omega0 * sb * kR + d_.stepConstantLosses[j]) * t
        - drive::Sqr(omega0) * inertia_ / 2 * sb * (kR * (sb + sa) * (1 - omegaA / mc_) + 2 * (sb - sa));
    return stage;
}

void Calculation::StartStretch()
{
    if (c_ == 1 || (c_ - p_ == 1 && omegaS_ != 0)) {
        DirectStart();
        return;
    }
    if (AskChoice(d_, prompter_, "Разгон  участок " + number_, " Прямой  ", "Ступенчатый"))
        DirectStart();
    else
        SteppedStart();
}

void Calculation::DirectStart()
{
    d_.stretchLabels[i_] = "пуск";
    const Real omegaA = drive::Abs(omegaS_);
    const Real omegaB = drive::Abs(omegaE_);
    const MotoringStage stage = Motoring(c_, omegaA, omegaB, duration_);
    const Real omega0 = Step(c_).synchronousSpeed;
    const Real losses = (drive::Sqr(stage.slipA) - drive::Sqr(stage.slipB)) * drive::Sqr(omega0) * inertia_
            * CopperLossRatio(c_) * stage.torque / 2 / (stage.torque - mc_)
        + d_.stepConstantLosses[c_] * duration_;
    d_.stretchLosses[i_] = losses.value();
    const Real shaft = drive::Abs((omegaE_ + omegaS_) * d_.workTorque[i_]) / 2;
    d_.stretchShaftPower[i_] = shaft.value();
    const Real e = shaft * duration_ + losses + stage.kinetic;
    const Real pf = StepAveragePowerFactor(c_, omegaA, omegaB);
    SetPowerFactor(pf);
    SetEnergies(e, TanPhi(pf) * e);
}

void Calculation::SteppedStart()
{
    d_.stretchLabels[i_] = "ступенчатый пуск";
    SetPowerFactor(0);
    Real time = 0;
    Real useful = 0;
    d_.stretchLosses[i_] = 0;
    d_.stretchShaftPower[i_] = 0;
    Real omegaA = drive::Abs(omegaS_);
    const int below = omegaA == 0 ? 0 : p_;
    for (int j = below + 1; j <= c_; ++j) {
        Real t, omegaB;
        if (j == c_) {
            omegaB = drive::Abs(omegaE_);
            t = duration_ - time;
        } else {
            const std::string prefix
                = StretchLine("Pазгон -  участок №") + "cтупень №" + std::to_string(j) + "\r\r";
            t = AskValue(d_, prompter_, prefix + "Время пуска на ступени");
            omegaB = AskValue(d_, prompter_, prefix + "Конечная скорость пуска на ступени ");
        }
        const MotoringStage stage = Motoring(j, omegaA, omegaB, t);
        AddLosses(stage.losses);
        useful += stage.useful;
        d_.stretchShaftPower[i_] = useful.value();
        AddEnergies(stage.useful + stage.kinetic + stage.losses, 0);
        const Real pf = StepAveragePowerFactor(j, omegaA, omegaB);
        SetPowerFactor(pf);
        AddEnergies(0, TanPhi(pf) * (stage.useful + stage.losses + stage.kinetic));
        time += t;
        d_.motoringTime = time.value();
        omegaA = omegaB;
    }
    SetPowerFactor(PowerFactorOfEnergies(d_.stretchMainsEnergy, d_.stretchReactiveEnergy));
    d_.stretchShaftPower[i_] = (useful / time).value();
}

void Calculation::SteadyStretch()
{
    const Real omega = drive::Abs(omegaS_);
    if (omega == 0 && d_.workTorque[i_] == 0) {
        d_.stretchLabels[i_] = kPauseLabel;
        d_.stretchLosses[i_] = 0.000001;
        d_.stretchShaftPower[i_] = 0;
        SetPowerFactor(0);
        return;
    }
    d_.stretchLabels[i_] = "установившийся";
    const Real omega0 = Step(c_).synchronousSpeed;
    const Real losses
        = (drive::Abs((omega0 - omega) * d_.workTorque[i_]) * CopperLossRatio(c_) + d_.stepConstantLosses[c_])
        * duration_;
    d_.stretchLosses[i_] = losses.value();
    const Real pf = StepAveragePowerFactor(c_, omega, omega);
    SetPowerFactor(pf);
    const Real shaft = drive::Abs(Real(d_.workTorque[i_]) * omega);
    d_.stretchShaftPower[i_] = shaft.value();
    const Real e = duration_ * shaft + losses;
    SetEnergies(e, TanPhi(pf) * e);
}

void Calculation::ReversalStretch()
{
    d_.stretchLabels[i_] = " реверс";
    d_.stretchLosses[i_] = 0;
    Real net = 0; // Wn, J
    SetPowerFactor(0);
    Real time = 0;
    Real omegaA = drive::Abs(omegaS_);

    for (int j = p_ - 1; j >= 1; --j) {
        const std::string prefix
            = StretchLine("Рек. торможение, участок №") + ", ступень №" + std::to_string(j) + "\r";
        const Real t = AskValue(d_, prompter_, prefix + "Время рекуперативного торможения на ступени ");
        const Real omegaB = AskValue(d_, prompter_, prefix + " Конечная скорость торможения на ступени ");
        const RegenerativeStage stage = Regenerative(j, omegaA, omegaB, t);
        net += stage.returned - stage.losses;
        AddLosses(stage.losses);
        time += t;
        const Real pf = StepAveragePowerFactor(j, omegaA, omegaB);
        SetPowerFactor(pf);
        AddEnergies(stage.returned - stage.losses, TanPhi(pf) * stage.returned);
        omegaA = omegaB;
    }

    const Real tp = AskValue(
        d_, prompter_, StretchLine("Торм.противовкл. участок ") + " Bремя торможения противовключением ");
    const Real plugging = PluggingLosses(omegaA, tp);
    const Real pluggingPf = StepAveragePowerFactor(1, -omegaA, 0);
    SetPowerFactor(pluggingPf);
    AddEnergies(plugging, TanPhi(pluggingPf) * plugging);
    AddLosses(plugging);
    omegaA = 0;

    for (int j = 1; j <= c_; ++j) {
        const std::string prefix = "Pазгон -  участок " + number_ + " cтупень " + std::to_string(j) + "\r";
        const Real t = AskValue(d_, prompter_, prefix + " Время пуска на ступени  ");
        const Real omegaB = AskValue(d_, prompter_, prefix + " Конечная скорость пуска на ступени ");
        const MotoringStage stage = Motoring(j, omegaA, omegaB, t);
        AddLosses(stage.losses);
        net += stage.useful;
        const Real drawn = stage.losses + stage.kinetic + stage.useful;
        const Real pf = StepAveragePowerFactor(j, omegaA, omegaB);
        SetPowerFactor(pf);
        AddEnergies(drawn, TanPhi(pf) * drawn);
        time += t;
        omegaA = omegaB;
    }
    d_.motoringTime = time.value();
    d_.stretchShaftPower[i_] = (net / time).value();
    SetPowerFactor(PowerFactorOfEnergies(d_.stretchMainsEnergy, d_.stretchReactiveEnergy));
}

void Calculation::BrakingStretch()
{
    if (p_ == 1) {
        FirstSpeedBraking();
    } else if (omegaE_ != 0) {
        if (p_ == c_)
            DecelerationStretch();
        else
            RegenerativeBraking();
    } else if (AskChoice(d_, prompter_, "Участок " + number_ + "торможение рекуперативное", " Да", " Нет")) {
        RegenerativeBraking();
    } else {
        FirstSpeedBraking();
    }
}

void Calculation::DecelerationStretch()
{
    d_.motoringTime = duration_.value();
    d_.stretchLabels[i_] = " замедление";
    const Real omegaA = drive::Abs(omegaS_);
    const Real omegaB = drive::Abs(omegaE_);
    const DecelerationStage stage = Deceleration(c_, omegaA, omegaB, duration_);
    d_.stretchLosses[i_] = stage.losses.value();
    const Real e = stage.losses + stage.useful;
    const Real pf = StepAveragePowerFactor(c_, omegaA, omegaB);
    SetPowerFactor(pf);
    SetEnergies(e, TanPhi(pf) * e);
    d_.stretchShaftPower[i_] = (stage.useful / duration_).value();
}

void Calculation::FirstSpeedBraking()
{
    d_.stretchShaftPower[i_] = 0;
    d_.stretchLabels[i_] = " торможение ";
    const bool dynamic = AskChoice(
        d_, prompter_, "Торможение,  участок №" + number_ + ":", " Динамическое ", " Противовключением");
    const Real omegaA = drive::Abs(omegaS_);
    if (dynamic) {
        d_.stretchLabels[i_] = "динамическое " + d_.stretchLabels[i_];
        const Real current = AskValue(
            d_, prompter_, StretchLine("Динамическое торможение участок №") + "Величина постоянного тока ");
        const Real dc = DcEnergy(current, duration_);
        SetEnergies(dc, 0);
        d_.stretchLosses[i_] = DynamicBrakingLosses(omegaA, duration_, dc).value();
        SetPowerFactor(1);
    } else {
        d_.stretchLabels[i_] += " противовключением";
        const Real losses = PluggingLosses(omegaA, duration_);
        d_.stretchLosses[i_] = losses.value();
        const Real pf = StepAveragePowerFactor(1, -omegaA, 0);
        SetPowerFactor(pf);
        SetEnergies(losses, TanPhi(pf) * losses);
    }
}

void Calculation::RegenerativeBraking()
{
    d_.stretchLosses[i_] = 0;
    SetPowerFactor(0);
    Real omegaA = drive::Abs(omegaS_);
    Real net = 0; // Wn, J
    Real time = 0;
    d_.stretchLabels[i_] = " рекуперативное торможение";

    for (int j = p_ - 1; j >= c_; --j) {
        Real t, omegaB;
        if (j == c_ && omegaE_ != 0) {
            omegaB = drive::Abs(omegaE_);
            t = duration_;
        } else {
            const std::string prefix
                = StretchLine("Рек. торможение участок ") + ", ступень №" + std::to_string(j) + "\r";
            t = AskValue(d_, prompter_, prefix + "Время рекуперативного торможения на ступени");
            omegaB = AskValue(d_, prompter_, prefix + "Конечная скорость торможения на ступени ");
        }
        const RegenerativeStage stage = Regenerative(j, omegaA, omegaB, t);
        net += stage.returned - stage.losses;
        AddLosses(stage.losses);
        const Real pf = StepAveragePowerFactor(j, omegaA, omegaB);
        SetPowerFactor(pf);
        AddEnergies(stage.returned - stage.losses, TanPhi(pf) * stage.returned);
        time += t;
        omegaA = omegaB;
    }
    const Real rest = duration_ - time; // tr, s

    if (omegaE_ == 0) {
        if (AskChoice(d_, prompter_, " Торможение,  участок №" + number_, " Динамическое  ",
                " Противовключением")) {
            const Real current = AskValue(d_, prompter_,
                StretchLine("Динамическое торможение участок №") + "Величина постоянного тока  ");
            const Real dc = DcEnergy(current, rest);
            AddEnergies(dc, 0);
            AddLosses(DynamicBrakingLosses(omegaA, rest, dc));
        } else {
            const Real plugging = PluggingLosses(omegaA, rest);
            AddLosses(plugging);
            const Real pf = StepAveragePowerFactor(1, -omegaA, 0);
            SetPowerFactor(pf);
            AddEnergies(plugging, TanPhi(pf) * plugging);
        }
    } else {
        const Real omegaB = drive::Abs(omegaE_);
        // When the last regenerative stage ran on step c, it already took the drive to the end
        // speed over the whole stretch, and the remaining stage would run from the end speed to
        // itself in a time of zero (one stage) or less (several). Such a stage changes nothing:
        // it adds no energy or losses, and its time only brings T back to the stretch's
        // duration. Otherwise (no stage on the way down) the whole stretch is an in-step
        // deceleration on step c.
        const bool reachedEndSpeed = c_ <= p_ - 1;
        if (!reachedEndSpeed) {
            const DecelerationStage stage = Deceleration(c_, omegaA, omegaB, rest);
            AddLosses(stage.losses);
            const Real drawn = stage.losses + stage.useful;
            const Real pf = StepAveragePowerFactor(c_, omegaA, omegaB);
            SetPowerFactor(pf);
            AddEnergies(drawn, TanPhi(pf) * drawn);
            net += stage.useful;
        }
        time += rest;
    }
    d_.motoringTime = time.value();
    SetPowerFactor(PowerFactorOfEnergies(d_.stretchMainsEnergy, d_.stretchReactiveEnergy));
    d_.stretchShaftPower[i_] = (net / time).value();
}

void Calculation::FinishStretch()
{
    const bool motoringPart = d_.stretchKind == kReversal || d_.stretchKind == kDeceleration;
    const Real shaft = d_.stretchShaftPower[i_];
    const Real useful = shaft * (motoringPart ? Real(d_.motoringTime) : duration_);
    d_.stretchUsefulEnergy = useful.value();
    if (d_.stretchLabels[i_] == kPauseLabel) {
        // A pause draws nothing and does no work; it is shown with P1, Q1 and efficiency 0
        // rather than with what an earlier run of any method left at its index (the empty
        // rows at the end of a 31-point diagram are pauses of zero length, where P1 and Q1
        // would be zero over zero).
        d_.stretchActivePower[i_] = 0;
        d_.stretchReactivePower[i_] = 0;
        d_.stretchEfficiency[i_] = 0;
        return;
    }
    d_.stretchActivePower[i_] = (Real(d_.stretchMainsEnergy) / duration_).value();
    d_.stretchReactivePower[i_] = (Real(d_.stretchReactiveEnergy) / duration_).value();
    d_.stretchEfficiency[i_] = (useful / (useful + d_.stretchLosses[i_])).value();
}

} // namespace

void Run(AcWorkingData& data, drive::Prompter& prompter, drive::LineSink& resultsPane)
{
    Calculation(data, prompter).Run(resultsPane);
}

} // namespace acdrive::multispeed
