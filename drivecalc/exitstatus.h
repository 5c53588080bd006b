#pragma once

namespace drivecalc {

// The batch runner's exit statuses.
enum ExitStatus : int {
    kExitOk = 0,          // the runs ended as the calculations decide
    kExitRunError = 1,    // a run stopped by a conversion or arithmetic error (or inputs refused)
    kExitUsage = 2,       // usage error, a misfit answer, a file that cannot be opened
    kExitUnanswered = 3,  // the answers ran out
};

}  // namespace drivecalc
