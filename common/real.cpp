#include "common/real.h"

#include <cmath>

namespace drive {
namespace {

using Kind = ArithmeticError::Kind;

using real_detail::Checked;

// Applies a function of one fault-free argument, passing a carried fault on.
template <typename F>
Real Unary(Real x, F f)
{
    if (x.faulted())
        return x;
    return f(x.value());
}

}  // namespace

void Real::ThrowFault() const
{
    throw ArithmeticError(fault_);
}

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
