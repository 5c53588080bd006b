#pragma once

// Checked real arithmetic for the calculation formulas.
//
// The calculations must stop with the platform's message at the first division by zero,
// invalid operation (0/0, the square root or logarithm of a negative number) or overflow, and
// they must meet the fault that the formula's own order meets. Floating-point exception flags
// cannot give that deterministically (the optimiser may fold, reorder or drop operations), so
// every operation on a Real checks its own operands and result and throws ArithmeticError.
// A formula written with Reals is evaluated as C++ groups it: a * b * M / (M - Mc) is
// ((a * b) * M) / (M - Mc). Where the order of two faulting sub-expressions matters, split
// the formula into statements.

#include "common/errors.h"

namespace drive {

class Real {
public:
    constexpr Real() = default;
    // Implicit, so that literals and stored doubles mix freely with Reals in a formula.
    constexpr Real(double v) : v_(v) {}

    constexpr double value() const { return v_; }
    explicit constexpr operator double() const { return v_; }

    Real& operator+=(Real other);
    Real& operator-=(Real other);
    Real& operator*=(Real other);
    Real& operator/=(Real other);

    friend Real operator+(Real a, Real b);
    friend Real operator-(Real a, Real b);
    friend Real operator*(Real a, Real b);
    friend Real operator/(Real a, Real b);
    friend constexpr Real operator-(Real a) { return Real(-a.v_); }

    friend constexpr bool operator==(Real a, Real b) { return a.v_ == b.v_; }
    friend constexpr bool operator!=(Real a, Real b) { return a.v_ != b.v_; }
    friend constexpr bool operator<(Real a, Real b) { return a.v_ < b.v_; }
    friend constexpr bool operator<=(Real a, Real b) { return a.v_ <= b.v_; }
    friend constexpr bool operator>(Real a, Real b) { return a.v_ > b.v_; }
    friend constexpr bool operator>=(Real a, Real b) { return a.v_ >= b.v_; }

private:
    double v_ = 0.0;
};

Real Sqrt(Real x);      // invalid for x < 0
Real Ln(Real x);        // division by zero for x = 0, invalid for x < 0
Real Exp(Real x);       // overflow when the result exceeds the double range
Real Cos(Real x);
Real ArcTan(Real x);    // in (-pi/2, pi/2)
Real Abs(Real x);
Real Sqr(Real x);       // x * x, checked
Real Power(Real base, Real exponent);  // exp(exponent * ln(base)), checked as written

// The sign of x as x / abs(x), so that x = 0 is the invalid 0/0.
Real Sign(Real x);

}  // namespace drive
