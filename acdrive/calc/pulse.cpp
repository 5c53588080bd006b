#include "acdrive/calc/pulse.h"

#include <stdexcept>

namespace acdrive::pulse {

void Run(AcWorkingData&, drive::Prompter&, drive::LineSink&)
{
    throw std::logic_error("this calculation method is not available yet");
}

}  // namespace acdrive::pulse
