#include "acdrive/calc/frequency.h"

#include <stdexcept>

namespace acdrive::frequency {

void Run(AcWorkingData&, drive::Prompter&, drive::LineSink&)
{
    throw std::logic_error("this calculation method is not available yet");
}

}  // namespace acdrive::frequency
