#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Conversions between numbers and the texts the user types and reads. Both programs write
// the comma as the decimal separator.

namespace drive {

// Text to double: blanks around, an optional sign, decimal digits with at most one comma
// (digits on one side of it suffice), an optional exponent ("E" or "e", optional sign,
// digits). Anything else, the empty text and a point as separator included, and a value out
// of the double range throw ConversionError "'<text>' is not a valid floating point value".
double ParseNumber(std::string_view text);

// Text to a 32-bit whole number: blanks around, an optional sign and decimal digits. Anything
// else throws ConversionError "'<text>' is not a valid integer value".
std::int32_t ParseWhole(std::string_view text);

// The shortest general form with at most 15 significant digits: no trailing zeros; exponent
// form ("1E-6", "1,5E20") below 0.00001 in magnitude or with more than 15 integer digits.
std::string FormatNumber(double value);

// Fixed form with exactly `decimals` digits after the comma, rounded once, half away from
// zero, at the coarser of `precision` significant digits and `decimals` decimals. A value
// whose integer part has more than `precision` digits is written as a mantissa of at most
// `precision` significant digits followed by "E" and the exponent ("1,23457E6").
std::string FormatFixed(double value, int precision, int decimals);

// The integer form of the DC report: truncated toward zero, a leading "-" when negative.
std::string FormatWhole(double value);

// The platform's conversion-error texts.
std::string NotAFloatMessage(std::string_view text);
std::string NotAnIntegerMessage(std::string_view text);

}  // namespace drive
