#pragma once

// What the AC calculation methods share in their walk over the stretches.

#include "acdrive/data/workingdata.h"
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

// Classifies stretch i by the speeds of its points into stretchKind and runs the method's
// operation for that class.
void RunStretchOfClass(AcWorkingData& data, int i, StretchMethod& method);

// tan(phi) of a power factor c: sqrt(1 / c^2 - 1).
drive::Real TanPhi(drive::Real c);

}  // namespace acdrive
