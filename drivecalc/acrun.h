#pragma once

#include <string>
#include <vector>

namespace drivecalc {

// drivecalc ac ...: runs AC calculations on a data set set up from the options; returns the
// exit status.
int RunAc(const std::vector<std::string>& args);

}  // namespace drivecalc
