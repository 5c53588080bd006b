#include "drivecalc/dcrun.h"

#include <iostream>

#include "drivecalc/exitstatus.h"

namespace drivecalc {

int RunDc(const std::vector<std::string>&)
{
    std::cerr << "drivecalc dc: the DC calculations are not available in this build\n";
    return kExitUsage;
}

}  // namespace drivecalc
