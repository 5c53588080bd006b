#include "common/numbertext.h"

#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <locale.h>

#include "common/errors.h"

namespace drive {
namespace {

// A finite non-zero magnitude as decimal digits d1 d2 d3 ... with value 0.d1d2d3... x 10^(point).
struct Decimal {
    std::string digits;  // no leading zero, at least one digit
    int point = 0;       // position of the decimal point relative to the first digit
};

// The decimal digits of a finite non-zero magnitude as printf prints them, correctly rounded
// to `significant` digits. Every double has at most 767 significant decimal digits, so with
// kExactDigits the digits are the exact expansion and rounding ties are exact too.
constexpr int kExactDigits = 781;
constexpr int kShortDigits = 40;

Decimal PrintedDecimal(double magnitude, int significant)
{
    char buffer[kExactDigits + 40];
    std::snprintf(buffer, sizeof buffer, "%.*e", significant - 1, magnitude);
    Decimal d;
    const char* p = buffer;
    for (; *p != 'e'; ++p) {
        if (*p >= '0' && *p <= '9')
            d.digits.push_back(*p);
    }
    const int exponent = std::atoi(p + 1);
    d.point = exponent + 1;
    while (d.digits.size() > 1 && d.digits.back() == '0')
        d.digits.pop_back();
    return d;
}

Decimal ExactDecimal(double magnitude)
{
    return PrintedDecimal(magnitude, kExactDigits);
}

// Rounds half away from zero, keeping the digits down to 10^(-decimals). An empty digit
// string means the value rounded to zero.
Decimal RoundAtDecimals(Decimal d, int decimals)
{
    const long keep = static_cast<long>(d.point) + decimals;
    if (keep < 0)
        return Decimal{"", 0};
    if (keep >= static_cast<long>(d.digits.size()))
        return d;
    const bool up = d.digits[static_cast<std::size_t>(keep)] >= '5';
    d.digits.resize(static_cast<std::size_t>(keep));
    if (up) {
        int i = static_cast<int>(d.digits.size()) - 1;
        while (i >= 0 && d.digits[static_cast<std::size_t>(i)] == '9') {
            d.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i < 0) {
            d.digits.insert(d.digits.begin(), '1');
            d.point += 1;
        } else {
            d.digits[static_cast<std::size_t>(i)] += 1;
        }
    }
    while (!d.digits.empty() && d.digits.back() == '0')
        d.digits.pop_back();
    if (d.digits.empty())
        return Decimal{"", 0};
    return d;
}

// Whether rounding the 40-digit print at `decimals` could decide otherwise than rounding the
// exact expansion: only when the print's digits from the rounding position are a half ("5")
// or just below one ("4999...9" to the last printed digit).
bool RoundingIsAmbiguous(const Decimal& printed, int decimals)
{
    const long keep = static_cast<long>(printed.point) + decimals;
    if (keep < 0 || keep >= static_cast<long>(printed.digits.size()))
        return false;
    const std::string tail = printed.digits.substr(static_cast<std::size_t>(keep));
    if (tail == "5")
        return true;
    return tail[0] == '4' && printed.digits.size() == kShortDigits &&
           tail.find_first_not_of('9', 1) == std::string::npos;
}

// Rounds a magnitude half away from zero at the decimals that `decimalsFor` chooses from the
// position of its decimal point. A short print decides nearly always; the exact expansion is
// printed only where the short one cannot tell.
template <typename DecimalsFor>
Decimal RoundMagnitude(double magnitude, DecimalsFor decimalsFor)
{
    const Decimal printed = PrintedDecimal(magnitude, kShortDigits);
    const int decimals = decimalsFor(printed.point);
    if (!RoundingIsAmbiguous(printed, decimals))
        return RoundAtDecimals(printed, decimals);
    const Decimal exact = ExactDecimal(magnitude);
    return RoundAtDecimals(exact, decimalsFor(exact.point));
}

// The digit at position `index` (0 = first significant digit), '0' beyond the stored digits.
char DigitAt(const Decimal& d, long index)
{
    if (index < 0 || index >= static_cast<long>(d.digits.size()))
        return '0';
    return d.digits[static_cast<std::size_t>(index)];
}

// Fixed notation with exactly `decimals` decimals (trimmed of trailing zeros when `trim`).
std::string FixedText(const Decimal& d, int decimals, bool trim)
{
    std::string text;
    if (d.point <= 0) {
        text = "0";
    } else {
        for (long i = 0; i < d.point; ++i)
            text.push_back(DigitAt(d, i));
    }
    std::string fraction;
    for (long i = 0; i < decimals; ++i)
        fraction.push_back(DigitAt(d, d.point + i));
    if (trim) {
        while (!fraction.empty() && fraction.back() == '0')
            fraction.pop_back();
    }
    if (!fraction.empty())
        text += "," + fraction;
    return text;
}

// Mantissa with the stored digits (no trailing zeros) and "E" with the exponent.
std::string ExponentText(const Decimal& d)
{
    std::string text(1, DigitAt(d, 0));
    if (d.digits.size() > 1)
        text += "," + d.digits.substr(1);
    text += "E" + std::to_string(d.point - 1);
    return text;
}

std::string NonFiniteText(double value)
{
    if (std::isnan(value))
        return "NAN";
    return value < 0 ? "-INF" : "INF";
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

std::string_view TrimBlanks(std::string_view text)
{
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// strtod in the "C" locale, whatever the process locale is.
double CLocaleStrtod(const std::string& text)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    return strtod_l(text.c_str(), nullptr, cLocale);
}

}  // namespace

std::string NotAFloatMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid floating point value";
}

std::string NotAnIntegerMessage(std::string_view text)
{
    return "'" + std::string(text) + "' is not a valid integer value";
}

double ParseNumber(std::string_view text)
{
    const std::string_view t = TrimBlanks(text);
    std::string ascii;
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        ascii.push_back(t[i++]);
    int mantissaDigits = 0;
    while (i < t.size() && IsDigit(t[i])) {
        ascii.push_back(t[i++]);
        ++mantissaDigits;
    }
    if (i < t.size() && t[i] == ',') {
        ascii.push_back('.');
        ++i;
        while (i < t.size() && IsDigit(t[i])) {
            ascii.push_back(t[i++]);
            ++mantissaDigits;
        }
    }
    bool valid = mantissaDigits > 0;
    if (valid && i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        ascii.push_back('e');
        ++i;
        if (i < t.size() && (t[i] == '+' || t[i] == '-'))
            ascii.push_back(t[i++]);
        int exponentDigits = 0;
        while (i < t.size() && IsDigit(t[i])) {
            ascii.push_back(t[i++]);
            ++exponentDigits;
        }
        valid = exponentDigits > 0;
    }
    if (!valid || i != t.size())
        throw ConversionError(NotAFloatMessage(text));
    const double value = CLocaleStrtod(ascii);
    if (std::isinf(value))
        throw ConversionError(NotAFloatMessage(text));
    return value;
}

std::int32_t ParseWhole(std::string_view text)
{
    const std::string_view t = TrimBlanks(text);
    std::size_t i = 0;
    bool negative = false;
    if (i < t.size() && (t[i] == '+' || t[i] == '-'))
        negative = t[i++] == '-';
    if (i == t.size())
        throw ConversionError(NotAnIntegerMessage(text));
    long long value = 0;
    for (; i < t.size(); ++i) {
        if (!IsDigit(t[i]))
            throw ConversionError(NotAnIntegerMessage(text));
        value = value * 10 + (t[i] - '0');
        if (value > 2147483648LL)
            throw ConversionError(NotAnIntegerMessage(text));
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<std::int32_t>::max())
        throw ConversionError(NotAnIntegerMessage(text));
    return static_cast<std::int32_t>(value);
}

std::string FormatNumber(double value)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (value == 0.0)
        return "0";
    const Decimal d = RoundMagnitude(std::fabs(value), [](int point) { return 15 - point; });
    const std::string sign = value < 0 ? "-" : "";
    const int exponent = d.point - 1;
    if (exponent < -5 || exponent >= 15)
        return sign + ExponentText(d);
    return sign + FixedText(d, 15, true);
}

std::string FormatFixed(double value, int precision, int decimals)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    if (precision < 1)
        precision = 1;
    if (decimals < 0)
        decimals = 0;
    Decimal d;
    if (value != 0.0) {
        const double magnitude = std::fabs(value);
        if (PrintedDecimal(magnitude, kShortDigits).point > precision) {
            const std::string sign = value < 0 ? "-" : "";
            return sign + ExponentText(RoundMagnitude(magnitude, [&](int point) { return precision - point; }));
        }
        d = RoundMagnitude(magnitude, [&](int point) { return std::min(decimals, precision - point); });
        if (!d.digits.empty() && d.point > precision) {
            const std::string sign = value < 0 ? "-" : "";
            return sign + ExponentText(d);
        }
    }
    const std::string sign = (value < 0 && !d.digits.empty()) ? "-" : "";
    return sign + FixedText(d, decimals, false);
}

std::string FormatWhole(double value)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const double whole = std::trunc(value);
    if (whole == 0.0)
        return "0";
    const Decimal d = ExactDecimal(std::fabs(whole));
    return (whole < 0 ? "-" : "") + FixedText(d, 0, true);
}

}  // namespace drive
