#include "common/real.h"

#include <cmath>

namespace drive {
namespace {

[[noreturn]] void Fail(ArithmeticError::Kind kind)
{
    throw ArithmeticError(kind);
}

// Checks the result of an operation on finite or non-finite operands.
double Checked(double result, double a, double b)
{
    if (std::isnan(result))
        Fail(ArithmeticError::Kind::InvalidOperation);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        Fail(ArithmeticError::Kind::Overflow);
    return result;
}

double CheckedUnary(double result, double x)
{
    return Checked(result, x, 0.0);
}

}  // namespace

Real operator+(Real a, Real b)
{
    return Real(Checked(a.v_ + b.v_, a.v_, b.v_));
}

Real operator-(Real a, Real b)
{
    return Real(Checked(a.v_ - b.v_, a.v_, b.v_));
}

Real operator*(Real a, Real b)
{
    return Real(Checked(a.v_ * b.v_, a.v_, b.v_));
}

Real operator/(Real a, Real b)
{
    if (b.v_ == 0.0) {
        if (a.v_ == 0.0 || std::isnan(a.v_))
            Fail(ArithmeticError::Kind::InvalidOperation);
        Fail(ArithmeticError::Kind::DivisionByZero);
    }
    return Real(Checked(a.v_ / b.v_, a.v_, b.v_));
}

Real& Real::operator+=(Real other) { return *this = *this + other; }
Real& Real::operator-=(Real other) { return *this = *this - other; }
Real& Real::operator*=(Real other) { return *this = *this * other; }
Real& Real::operator/=(Real other) { return *this = *this / other; }

Real Sqrt(Real x)
{
    if (std::isnan(x.value()) || x.value() < 0.0)
        Fail(ArithmeticError::Kind::InvalidOperation);
    return Real(std::sqrt(x.value()));
}

Real Ln(Real x)
{
    if (x.value() == 0.0)
        Fail(ArithmeticError::Kind::DivisionByZero);
    if (std::isnan(x.value()) || x.value() < 0.0)
        Fail(ArithmeticError::Kind::InvalidOperation);
    return Real(std::log(x.value()));
}

Real Exp(Real x)
{
    return Real(CheckedUnary(std::exp(x.value()), x.value()));
}

Real Cos(Real x)
{
    if (!std::isfinite(x.value()))
        Fail(ArithmeticError::Kind::InvalidOperation);
    return Real(std::cos(x.value()));
}

Real ArcTan(Real x)
{
    return Real(CheckedUnary(std::atan(x.value()), x.value()));
}

Real Abs(Real x)
{
    return Real(CheckedUnary(std::fabs(x.value()), x.value()));
}

Real Sqr(Real x)
{
    return x * x;
}

Real Power(Real base, Real exponent)
{
    return Exp(exponent * Ln(base));
}

Real Sign(Real x)
{
    return x / Abs(x);
}

}  // namespace drive
