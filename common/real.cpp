#include "common/real.h"

#include <cmath>

namespace drive {
namespace {

using Kind = ArithmeticError::Kind;

// The result of an operation on two fault-free operands, checked.
Real Checked(double result, double a, double b)
{
    if (std::isnan(result))
        return Real::Fault(Kind::InvalidOperation);
    if (std::isinf(result) && std::isfinite(a) && std::isfinite(b))
        return Real::Fault(Kind::Overflow);
    return Real(result);
}

// Applies a function of one fault-free argument, passing a carried fault on.
template <typename F>
Real Unary(Real x, F f)
{
    if (x.faulted())
        return x;
    return f(x.value());
}

// Applies an operation to two fault-free operands, passing on the left fault before the right.
template <typename F>
Real Binary(Real a, Real b, F f)
{
    if (a.faulted())
        return a;
    if (b.faulted())
        return b;
    return f(a.value(), b.value());
}

}  // namespace

double Real::value() const
{
    if (faulted_)
        throw ArithmeticError(fault_);
    return v_;
}

Real operator+(Real a, Real b)
{
    return Binary(a, b, [](double x, double y) { return Checked(x + y, x, y); });
}

Real operator-(Real a, Real b)
{
    return Binary(a, b, [](double x, double y) { return Checked(x - y, x, y); });
}

Real operator*(Real a, Real b)
{
    return Binary(a, b, [](double x, double y) { return Checked(x * y, x, y); });
}

Real operator/(Real a, Real b)
{
    return Binary(a, b, [](double x, double y) {
        if (y == 0.0)
            return Real::Fault(x == 0.0 || std::isnan(x) ? Kind::InvalidOperation : Kind::DivisionByZero);
        return Checked(x / y, x, y);
    });
}

Real operator-(Real a)
{
    return Unary(a, [](double x) { return Real(-x); });
}

Real& Real::operator+=(Real other) { return *this = *this + other; }
Real& Real::operator-=(Real other) { return *this = *this - other; }
Real& Real::operator*=(Real other) { return *this = *this * other; }
Real& Real::operator/=(Real other) { return *this = *this / other; }

bool operator==(Real a, Real b) { return a.value() == b.value(); }
bool operator!=(Real a, Real b) { return a.value() != b.value(); }
bool operator<(Real a, Real b) { return a.value() < b.value(); }
bool operator<=(Real a, Real b) { return a.value() <= b.value(); }
bool operator>(Real a, Real b) { return a.value() > b.value(); }
bool operator>=(Real a, Real b) { return a.value() >= b.value(); }

Real Sqrt(Real x)
{
    return Unary(x, [](double v) {
        if (std::isnan(v) || v < 0.0)
            return Real::Fault(Kind::InvalidOperation);
        return Real(std::sqrt(v));
    });
}

Real Ln(Real x)
{
    return Unary(x, [](double v) {
        if (v == 0.0)
            return Real::Fault(Kind::DivisionByZero);
        if (std::isnan(v) || v < 0.0)
            return Real::Fault(Kind::InvalidOperation);
        return Real(std::log(v));
    });
}

Real Exp(Real x)
{
    return Unary(x, [](double v) { return Checked(std::exp(v), v, 0.0); });
}

Real Cos(Real x)
{
    return Unary(x, [](double v) {
        if (!std::isfinite(v))
            return Real::Fault(Kind::InvalidOperation);
        return Real(std::cos(v));
    });
}

Real ArcTan(Real x)
{
    return Unary(x, [](double v) { return Checked(std::atan(v), v, 0.0); });
}

Real Abs(Real x)
{
    return Unary(x, [](double v) { return Checked(std::fabs(v), v, 0.0); });
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
