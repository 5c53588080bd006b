#include "tests/support/testsupport.h"

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <unistd.h>

namespace drivetest {

::testing::AssertionResult MatchesPrinted(double actual, double printed, int decimals)
{
    const double halfUnit = 0.5 * std::pow(10.0, -decimals) * (1 + 1e-9);
    if (std::fabs(actual - printed) <= halfUnit)
        return ::testing::AssertionSuccess();
    std::ostringstream message;
    message.precision(12);
    message << actual << " does not print as " << printed << " with " << decimals << " decimals";
    return ::testing::AssertionFailure() << message.str();
}

std::string DataPath(const std::string& name)
{
    const char* root = std::getenv("DRIVE_TEST_DATA");
    return std::string(root ? root : "tests/data") + "/" + name;
}

std::string ScratchDir()
{
    namespace fs = std::filesystem;
    const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
    std::string name = info ? std::string(info->test_suite_name()) + "_" + info->name() : "scratch";
    for (char& c : name) {
        if (c == '/' || c == ' ')
            c = '_';
    }
    const fs::path dir = fs::temp_directory_path() / ("drivecalc-tests-" + std::to_string(::getpid())) / name;
    fs::remove_all(dir);
    fs::create_directories(dir);
    return dir.string();
}

}  // namespace drivetest
