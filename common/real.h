#pragma once

// Checked real arithmetic for the calculation formulas.
//
// A calculation must stop with the platform's message at the first division by zero, invalid
// operation (0/0, the square root or logarithm of a negative number) or overflow that its
// formula meets when read left to right: a * b * M / (M - Mc) is ((a * b) * M) / (M - Mc), and a
// fault in the numerator comes before one in the denominator. Floating-point exception flags
// cannot give that deterministically (the optimiser may fold, reorder or drop operations), and
// C++ leaves the evaluation order of the two operands of an operator unspecified. So a Real
// that meets a fault carries it instead of a value; an operation on carried faults passes on
// the left operand's fault before the right one's, which is the fault the written order meets
// first. The fault is thrown as ArithmeticError as soon as the value is used: read with
// value(), compared, or converted to double.

#include <cmath>

#include "common/errors.h"

namespace drive {

class Real {
public:
    using Kind = ArithmeticError::Kind;

    constexpr Real() = default;
    // Implicit, so that literals and stored doubles mix freely with Reals in a formula.
    constexpr Real(double v) : v_(v) {}

    // A Real that carries a fault.
    static constexpr Real Fault(Kind kind)
    {
        Real r;
        r.faulted_ = true;
        r.fault_ = kind;
        return r;
    }

    // The value; throws the carried fault.
    double value() const
    {
        if (faulted_)
            ThrowFault();
        return v_;
    }
    explicit operator double() const { return value(); }

    bool faulted() const { return faulted_; }

    Real& operator+=(Real other);
    Real& operator-=(Real other);
    Real& operator*=(Real other);
    Real& operator/=(Real other);

    friend Real operator+(Real a, Real b);
    friend Real operator-(Real a, Real b);
    friend Real operator*(Real a, Real b);
    friend Real operator/(Real a, Real b);
    friend Real operator-(Real a);

    // Comparisons read both values, so they throw a carried fault (the left one first).
    friend bool operator==(Real a, Real b);
    friend bool operator!=(Real a, Real b);
    friend bool operator<(Real a, Real b);
    friend bool operator<=(Real a, Real b);
    friend bool operator>(Real a, Real b);
    friend bool operator>=(Real a, Real b);

private:
    [[noreturn]] void ThrowFault() const;

    double v_ = 0.0;
    bool faulted_ = false;
    Kind fault_ = Kind::InvalidOperation;
};

namespace real_detail {

// The result of an operation on two fault-free operands, checked.
inline Real Checked(double result, double a, double b)
{
    if (std::isnan(result))
        return Real::Fault(Real::Kind::InvalidOperation);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        return Real::Fault(Real::Kind::Overflow);
    return Real(result);
}

}  // namespace real_detail

// The arithmetic operators are inline: the calculations spend most of their time in them.
inline Real operator+(Real a, Real b)
{
    if (a.faulted_)
        return a;
    if (b.faulted_)
        return b;
    return real_detail::Checked(a.v_ + b.v_, a.v_, b.v_);
}

inline Real operator-(Real a, Real b)
{
    if (a.faulted_)
        return a;
    if (b.faulted_)
        return b;
    return real_detail::Checked(a.v_ - b.v_, a.v_, b.v_);
}

inline Real operator*(Real a, Real b)
{
    if (a.faulted_)
        return a;
    if (b.faulted_)
        return b;
    return real_detail::Checked(a.v_ * b.v_, a.v_, b.v_);
}

inline Real operator/(Real a, Real b)
{
    if (a.faulted_)
        return a;
    if (b.faulted_)
        return b;
    if (b.v_ == 0.0)
        return Real::Fault(a.v_ == 0.0 || std::isnan(a.v_) ? Real::Kind::InvalidOperation : Real::Kind::DivisionByZero);
    return real_detail::Checked(a.v_ / b.v_, a.v_, b.v_);
}

inline Real operator-(Real a)
{
    if (a.faulted_)
        return a;
    return Real(-a.v_);
}

inline Real& Real::operator+=(Real other) { return *this = *this + other; }
inline Real& Real::operator-=(Real other) { return *this = *this - other; }
inline Real& Real::operator*=(Real other) { return *this = *this * other; }
inline Real& Real::operator/=(Real other) { return *this = *this / other; }

inline bool operator==(Real a, Real b) { return a.value() == b.value(); }
inline bool operator!=(Real a, Real b) { return a.value() != b.value(); }
inline bool operator<(Real a, Real b) { return a.value() < b.value(); }
inline bool operator<=(Real a, Real b) { return a.value() <= b.value(); }
inline bool operator>(Real a, Real b) { return a.value() > b.value(); }
inline bool operator>=(Real a, Real b) { return a.value() >= b.value(); }

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
