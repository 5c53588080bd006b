#include "acdrive/calc/multispeed.h"

#include <stdexcept>

namespace acdrive::multispeed {

void Run(AcWorkingData&, drive::Prompter&, drive::LineSink&)
{
    throw std::logic_error("this calculation method is not available yet");
}

}  // namespace acdrive::multispeed
