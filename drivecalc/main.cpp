// drivecalc: the batch runner over the calculation core of acdrive and dcdrive.

#include <iostream>
#include <string>
#include <vector>

#include "drivecalc/acrun.h"
#include "drivecalc/dcrun.h"
#include "drivecalc/exitstatus.h"
#include "drivecalc/usage.h"

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) {
        std::cerr << drivecalc::kUsage;
        return drivecalc::kExitUsage;
    }
    if (args[0] == "--help" || args[0] == "-h") {
        std::cout << drivecalc::kUsage;
        return drivecalc::kExitOk;
    }
    const std::vector<std::string> rest(args.begin() + 1, args.end());
    if (args[0] == "ac")
        return drivecalc::RunAc(rest);
    if (args[0] == "dc")
        return drivecalc::RunDc(rest);
    std::cerr << "drivecalc: unknown program '" << args[0] << "' (ac or dc)\n" << drivecalc::kUsage;
    return drivecalc::kExitUsage;
}
