#include "common/real.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>

#include "tests/support/testsupport.h"

namespace {

using drive::ArithmeticError;
using drive::Real;
using Kind = ArithmeticError::Kind;

struct FaultCase {
    const char* name;
    std::function<Real()> formula;
    Kind kind;
    const char* message;
};

class RealFaults : public ::testing::TestWithParam<FaultCase> {};

TEST_P(RealFaults, StopWithThePlatformMessage)
{
    try {
        GetParam().formula().value();
        FAIL() << "no fault";
    } catch (const ArithmeticError& e) {
        EXPECT_EQ(e.kind(), GetParam().kind);
        EXPECT_STREQ(e.what(), GetParam().message);
    }
}

const double big = std::numeric_limits<double>::max();

INSTANTIATE_TEST_SUITE_P(
    Table, RealFaults,
    ::testing::Values(
        FaultCase{"division_by_zero", [] { return Real(1) / 0; }, Kind::DivisionByZero, "Floating point division by zero"},
        FaultCase{"zero_over_zero", [] { return Real(0) / 0; }, Kind::InvalidOperation, "Invalid floating point operation"},
        FaultCase{"root_of_negative", [] { return drive::Sqrt(-1); }, Kind::InvalidOperation,
                  "Invalid floating point operation"},
        FaultCase{"log_of_zero", [] { return drive::Ln(0); }, Kind::DivisionByZero, "Floating point division by zero"},
        FaultCase{"log_of_negative", [] { return drive::Ln(-2); }, Kind::InvalidOperation,
                  "Invalid floating point operation"},
        FaultCase{"product_overflow", [] { return Real(big) * 2; }, Kind::Overflow, "Floating point overflow"},
        FaultCase{"exp_overflow", [] { return drive::Exp(1000); }, Kind::Overflow, "Floating point overflow"},
        FaultCase{"sign_of_zero", [] { return drive::Sign(0); }, Kind::InvalidOperation,
                  "Invalid floating point operation"},
        // The formula's written order decides which fault is met first, whatever order the
        // compiler evaluates the operands in.
        FaultCase{"left_operand_first", [] { return Real(1) / 0 * (Real(0) / 0); }, Kind::DivisionByZero,
                  "Floating point division by zero"},
        FaultCase{"left_operand_first_mirrored", [] { return Real(0) / 0 * (Real(1) / 0); },
                  Kind::InvalidOperation, "Invalid floating point operation"},
        FaultCase{"operands_before_the_operation", [] { return (Real(big) * 2) / 0; }, Kind::Overflow,
                  "Floating point overflow"}),
    drivetest::CaseName());

TEST(Real, AFaultStopsAtItsFirstUse)
{
    const Real m = Real(1) / 0;
    EXPECT_TRUE(m.faulted());
    EXPECT_THROW((void)(m <= 0), ArithmeticError);
    EXPECT_THROW((void)static_cast<double>(drive::Sqrt(m + 1)), ArithmeticError);
}

TEST(Real, OrdinaryArithmeticIsPlainDoubleArithmetic)
{
    const Real a = 0.1, b = 0.2;
    EXPECT_EQ((a + b).value(), 0.1 + 0.2);
    EXPECT_EQ((Real(7) / 3 * 3).value(), 7.0 / 3 * 3);
    EXPECT_EQ(drive::Power(8, Real(1) / 3).value(), std::exp(1.0 / 3 * std::log(8.0)));
    EXPECT_EQ(drive::Sign(-4).value(), -1);
    EXPECT_EQ((Real(1e-300) * 1e-300).value(), 0.0) << "underflow is not a fault";
}

}  // namespace
