#include "common/numbertext.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "common/errors.h"
#include "tests/support/testsupport.h"

namespace {

using drive::ConversionError;

struct ParseCase {
    const char* name;
    const char* text;
    double value;
};

class ParseNumberAccepts : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberAccepts, GivesTheValue)
{
    EXPECT_EQ(drive::ParseNumber(GetParam().text), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseNumberAccepts,
    ::testing::Values(ParseCase{"whole", "98", 98}, ParseCase{"comma_fraction", "0,576", 0.576},
                      ParseCase{"negative", "-100", -100}, ParseCase{"plus_sign", "+5", 5},
                      ParseCase{"digits_before_comma_only", "5,", 5}, ParseCase{"digits_after_comma_only", ",5", 0.5},
                      ParseCase{"blanks_around", "  12,5 ", 12.5}, ParseCase{"exponent", "1,5E3", 1500},
                      ParseCase{"small_exponent_negative", "2e-3", 0.002}, ParseCase{"exponent_plus", "1E+2", 100},
                      ParseCase{"underflow_is_zero", "1E-400", 0}),
    drivetest::CaseName());

class ParseNumberRejects : public ::testing::TestWithParam<ParseCase> {};

TEST_P(ParseNumberRejects, WithThePlatformMessage)
{
    const std::string text = GetParam().text;
    try {
        drive::ParseNumber(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid floating point value");
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, ParseNumberRejects,
    ::testing::Values(ParseCase{"empty", "", 0}, ParseCase{"blanks_only", "   ", 0},
                      ParseCase{"point_as_decimal_separator", "1.5", 0}, ParseCase{"two_commas", "1,2,3", 0},
                      ParseCase{"comma_alone", ",", 0}, ParseCase{"sign_alone", "-", 0},
                      ParseCase{"exponent_without_digits", "1E", 0}, ParseCase{"letters", "abc", 0},
                      ParseCase{"tab_is_not_a_blank", "\t5", 0}, ParseCase{"out_of_double_range", "1E400", 0},
                      ParseCase{"inner_blank", "1 000", 0}, ParseCase{"infinity_text", "INF", 0}),
    drivetest::CaseName());

TEST(ParseWhole, AcceptsSignAndDigitsWithin32Bits)
{
    EXPECT_EQ(drive::ParseWhole("12"), 12);
    EXPECT_EQ(drive::ParseWhole("-3"), -3);
    EXPECT_EQ(drive::ParseWhole("2147483647"), 2147483647);
    EXPECT_EQ(drive::ParseWhole("-2147483648"), std::numeric_limits<std::int32_t>::min());
    for (const char* bad : {"", "0,5", "2147483648", "1E2", "x"}) {
        try {
            drive::ParseWhole(bad);
            ADD_FAILURE() << "accepted '" << bad << "'";
        } catch (const ConversionError& e) {
            EXPECT_EQ(std::string(e.what()), "'" + std::string(bad) + "' is not a valid integer value");
        }
    }
}

struct FormatCase {
    const char* name;
    double value;
    const char* text;
};

class FormatNumberWrites : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatNumberWrites, TheShortestGeneralForm)
{
    EXPECT_EQ(drive::FormatNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatNumberWrites,
    ::testing::Values(FormatCase{"fraction", 0.576, "0,576"}, FormatCase{"whole", 98, "98"},
                      FormatCase{"negative", -100, "-100"}, FormatCase{"zero", 0, "0"},
                      FormatCase{"negative_zero", -0.0, "0"}, FormatCase{"fifteen_digits", 0.1 + 0.2, "0,3"},
                      FormatCase{"smallest_fixed", 0.00001, "0,00001"}, FormatCase{"small_exponent", 0.000001, "1E-6"},
                      FormatCase{"large_exponent", 1.5e20, "1,5E20"},
                      FormatCase{"fifteen_integer_digits", 123456789012345.0, "123456789012345"},
                      FormatCase{"sixteen_integer_digits", 1234567890123456.0, "1,23456789012346E15"},
                      FormatCase{"rounds_half_away", 104.7, "104,7"}),
    drivetest::CaseName());

struct FixedCase {
    const char* name;
    double value;
    int precision;
    int decimals;
    const char* text;
};

class FormatFixedWrites : public ::testing::TestWithParam<FixedCase> {};

TEST_P(FormatFixedWrites, RoundedOnceWithExactDecimals)
{
    const FixedCase& c = GetParam();
    EXPECT_EQ(drive::FormatFixed(c.value, c.precision, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FormatFixedWrites,
    ::testing::Values(FixedCase{"padded_decimals", 13, 6, 3, "13,000"}, FixedCase{"power_factor", 0.81, 4, 3, "0,810"},
                      FixedCase{"efficiency", 0.8523, 6, 2, "0,85"},
                      FixedCase{"six_significant_then_two_decimals", 12345.678, 6, 2, "12345,70"},
                      FixedCase{"half_away_from_zero", 0.125, 6, 2, "0,13"},
                      FixedCase{"negative_half_away", -0.125, 6, 2, "-0,13"},
                      FixedCase{"rounds_to_zero_without_sign", -0.001, 6, 2, "0,00"},
                      FixedCase{"no_decimals", 220, 6, 0, "220"},
                      FixedCase{"exact_tie_without_decimals", 2.5, 6, 0, "3"},
                      FixedCase{"just_below_a_tie", 0.12499999999999999, 6, 2, "0,12"}, FixedCase{"percent", 6.4, 4, 1, "6,4"},
                      FixedCase{"carry_into_new_digit", 9.999, 6, 2, "10,00"},
                      FixedCase{"integer_part_too_long", 1234567, 6, 2, "1,23457E6"},
                      FixedCase{"rounding_makes_it_too_long", 999999.7, 6, 2, "1E6"}),
    drivetest::CaseName());

TEST(FormatWhole, TruncatesTowardZero)
{
    EXPECT_EQ(drive::FormatWhole(12.7), "12");
    EXPECT_EQ(drive::FormatWhole(-3.9), "-3");
    EXPECT_EQ(drive::FormatWhole(-0.5), "0");
    EXPECT_EQ(drive::FormatWhole(75000), "75000");
}

TEST(NumberTexts, RoundTripKeepsFifteenDigits)
{
    for (double v : {0.576, 104.7, -30.0, 1e-7, 6.02e23, 1.0 / 3.0})
        EXPECT_EQ(drive::FormatNumber(drive::ParseNumber(drive::FormatNumber(v))), drive::FormatNumber(v));
}

}  // namespace
