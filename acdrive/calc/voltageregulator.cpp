#include "acdrive/calc/voltageregulator.h"

#include <stdexcept>

namespace acdrive::voltage_regulator {

void Run(AcWorkingData&, drive::Prompter&, drive::LineSink&)
{
    throw std::logic_error("this calculation method is not available yet");
}

}  // namespace acdrive::voltage_regulator
