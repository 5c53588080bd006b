#pragma once

#include <string>
#include <vector>

namespace drivecalc {

// drivecalc dc ...: runs one DC calculation; returns the exit status.
int RunDc(const std::vector<std::string>& args);

}  // namespace drivecalc
