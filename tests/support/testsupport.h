#pragma once

// Shared helpers of the tests: one tolerance rule for printed figures and the fixture folder.

#include <gtest/gtest.h>

#include <string>

namespace drivetest {

// Checks that `actual` matches a figure printed with `decimals` decimals: |actual - printed|
// is within half a unit of the last printed digit.
::testing::AssertionResult MatchesPrinted(double actual, double printed, int decimals);

// The folder of the binary fixtures (tests/data).
std::string DataPath(const std::string& name);

// Names the cases of a parameterised test by their `name` member:
//   INSTANTIATE_TEST_SUITE_P(Table, Suite, ::testing::Values(...), drivetest::CaseName());
struct CaseName {
    template <typename Param>
    std::string operator()(const ::testing::TestParamInfo<Param>& info) const
    {
        return info.param.name;
    }
};

// A fresh empty folder for files a test writes.
std::string ScratchDir();

}  // namespace drivetest

#define EXPECT_PRINTED(actual, printed, decimals) \
    EXPECT_TRUE(::drivetest::MatchesPrinted((actual), (printed), (decimals)))
