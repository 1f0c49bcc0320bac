// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "calc/number_locale.h"

namespace {

const calc::NumberLocale kComma{".", ","};
const calc::NumberLocale kDecimalComma{",", "."};
const calc::NumberLocale kNarrowSpace{",", "\u202F"};
const calc::NumberLocale kNoGrouping{".", ""};

struct Row {
  const char* name;
  std::string text;
  calc::NumberLocale locale;
  std::optional<double> expected;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class FullTextConversion : public testing::TestWithParam<Row> {};

TEST_P(FullTextConversion, ReadsTheWholeText) {
  const Row& row = GetParam();
  const std::optional<double> value = calc::fullTextConversion(row.text, row.locale);
  ASSERT_EQ(value, row.expected) << '"' << row.text << '"';
  if (value && row.expected) {
    EXPECT_EQ(std::signbit(*value), std::signbit(*row.expected));
  }
}

constexpr std::nullopt_t kRefused = std::nullopt;

INSTANTIATE_TEST_SUITE_P(
    Accepted, FullTextConversion,
    testing::Values(
        Row{"Plain", "6000", kComma, 6000}, Row{"Blanks", " \t6000 ", kComma, 6000},
        Row{"IdeographicSpaces", "\u30006000\u3000", kComma, 6000},
        Row{"NoBreakSpaces", "\u00A06000\u202F", kComma, 6000},
        Row{"FullWidthDigits", "６０００", kComma, 6000},
        Row{"FullWidthSignAndPoint", "－１２．５", kComma, -12.5}, Row{"PlusSign", "+5", kComma, 5},
        Row{"MinusZero", "-0", kComma, -0.0}, Row{"NoIntegerDigits", ".5", kComma, 0.5},
        Row{"NoFractionDigits", "5.", kComma, 5}, Row{"Exponent", "1e3", kComma, 1000},
        Row{"SignedExponent", "25E-2", kComma, 0.25}, Row{"ExponentPlus", "1E+3", kComma, 1000},
        Row{"Thousands", "1,000", kComma, 1000}, Row{"Millions", "12,345,678", kComma, 12345678},
        Row{"GroupedWithFraction", "1,234.5", kComma, 1234.5},
        Row{"CorrectlyRounded", "0.1", kComma, 0.1},
        Row{"LongMantissa", "3.14159265358979323846264338327950288", kComma, 3.141592653589793},
        Row{"LargestDouble", "1.7976931348623157e308", kComma, 1.7976931348623157e308},
        Row{"Subnormal", "4e-320", kComma, 4e-320}, Row{"UnderflowToZero", "1e-999", kComma, 0.0},
        Row{"UnderflowToMinusZero", "-1e-999", kComma, -0.0},
        Row{"ZeroWithHugeExponent", "0e99999", kComma, 0.0},
        Row{"HugeExponentDigits", "1e000000000000000000000005", kComma, 100000},
        Row{"DecimalComma", "6000,5", kDecimalComma, 6000.5},
        Row{"DotGroups", "1.000", kDecimalComma, 1000},
        Row{"SmallTaxDecimalComma", "0,03", kDecimalComma, 0.03},
        Row{"NarrowSpaceGroup", "1\u202F000,5", kNarrowSpace, 1000.5},
        Row{"SpaceForNarrowSpace", "1 000", kNarrowSpace, 1000},
        Row{"NoGroupingPlain", "1000", kNoGrouping, 1000}));

INSTANTIATE_TEST_SUITE_P(
    Refused, FullTextConversion,
    testing::Values(
        Row{"Empty", "", kComma, kRefused}, Row{"BlanksAlone", " \u3000\t", kComma, kRefused},
        Row{"Inf", "Inf", kComma, kRefused}, Row{"NaN", "NaN", kComma, kRefused},
        Row{"Hexadecimal", "0x10", kComma, kRefused}, Row{"Unit", "12元", kComma, kRefused},
        Row{"Percent", "%", kComma, kRefused}, Row{"Parenthesised", "(5)", kComma, kRefused},
        Row{"TwoSigns", "+-1", kComma, kRefused}, Row{"BareExponent", "1e", kComma, kRefused},
        Row{"ExponentSignOnly", "1e+", kComma, kRefused}, Row{"PointAlone", ".", kComma, kRefused},
        Row{"TwoPoints", "1.2.3", kComma, kRefused}, Row{"ShortGroup", "1,00", kComma, kRefused},
        Row{"LeadingGroup", ",100", kComma, kRefused},
        Row{"DoubleGroup", "1,,000", kComma, kRefused},
        Row{"TrailingGroup", "1000,", kComma, kRefused},
        Row{"LongGroup", "1,0000", kComma, kRefused},
        Row{"LongFirstGroup", "1234,567", kComma, kRefused},
        Row{"GroupInFraction", "1.234,567", kComma, kRefused},
        Row{"InnerBlank", "60 00", kComma, kRefused},
        Row{"SpaceWhereCommaGroups", "1 000", kComma, kRefused},
        Row{"NoGroupingComma", "1,000", kNoGrouping, kRefused},
        Row{"PointInDecimalCommaLocale", "1.5", kDecimalComma, kRefused},
        Row{"BeyondRange", "1e999", kComma, kRefused},
        Row{"BeyondRangeNegative", "-1e999", kComma, kRefused},
        Row{"JustBeyondLargest", "1.7976931348623159e308", kComma, kRefused},
        // The largest double shown in 15 digits lies beyond it.
        Row{"LargestShownInFifteenDigits", "1.79769313486232E+308", kComma, kRefused},
        Row{"EmbeddedNul",
            std::string("12\0"
                        "3",
                        4),
            kComma, kRefused},
        Row{"InvalidUtf8", "12\xff", kComma, kRefused},
        Row{"OverlongUtf8", "\xc0\xb1", kComma, kRefused},
        Row{"TruncatedUtf8", "1\xe4\xb8", kComma, kRefused},
        Row{"RightToLeftMark", "\u200F100", kComma, kRefused},
        Row{"ArabicIndicDigits", "\u0661\u0662", kComma, kRefused}));

TEST(FullTextConversionLength, ReadsAMegabyteOfDigits) {
  EXPECT_FALSE(calc::fullTextConversion(std::string(1 << 20, '9'), kComma));
  const std::string tiny = "0." + std::string(1 << 20, '0') + "1";
  EXPECT_EQ(calc::fullTextConversion(tiny, kComma), 0.0);
  const std::string hundred = "1" + std::string(2, '0') + "." + std::string(1 << 20, '0');
  EXPECT_EQ(calc::fullTextConversion(hundred, kComma), 100.0);
}

}  // namespace
