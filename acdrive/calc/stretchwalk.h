#pragma once

// What the AC calculation methods share in their walk over the stretches.

#include <string>

#include "acdrive/data/workingdata.h"
#include "common/linesink.h"
#include "common/prompter.h"
#include "common/real.h"

namespace acdrive {

// A method's operations for the current stretch, one per stretch class.
class StretchMethod {
public:
    virtual ~StretchMethod() = default;
    virtual void ReversalStretch() = 0;
    virtual void SteadyStretch() = 0;
    virtual void BrakingStretch() = 0;
    virtual void StartStretch() = 0;
};

// One run of a method over the stretches: the data set, the prompt service and the number of
// the stretch being calculated.
class StretchWalk : public StretchMethod {
protected:
    StretchWalk(AcWorkingData& data, drive::Prompter& prompter) : d_(data), prompter_(prompter) {}

    // For stretches 1 .. pointCount - 1 in order: the stretch's number, LoadStretch, the
    // operation of its class and FinishStretch; then PrintResults.
    void WalkStretches(drive::LineSink& resultsPane);

    // Takes the method's symbols of stretch i.
    virtual void LoadStretch(int i) = 0;
    // Turns the stretch's energies into P1, Q1 and efficiency.
    virtual void FinishStretch() = 0;

    // Stores the stretch's working energies E and Qe.
    void SetEnergies(drive::Real e, drive::Real qe)
    {
        d_.stretchMainsEnergy = e.value();
        d_.stretchReactiveEnergy = qe.value();
    }

    AcWorkingData& d_;
    drive::Prompter& prompter_;
    int i_ = 0;           // the stretch being calculated
    std::string number_;  // i in decimal, for the question texts
};

// Classifies stretch i by the speeds of its points into stretchKind and runs the method's
// operation for that class.
void RunStretchOfClass(AcWorkingData& data, int i, StretchMethod& method);

// tan(phi) of a power factor c: sqrt(1 / c^2 - 1).
drive::Real TanPhi(drive::Real c);

}  // namespace acdrive
