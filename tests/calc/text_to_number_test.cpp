// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/text_to_number.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>

#include "calc/number_locale.h"

namespace {

const calc::NumberLocale kCommaGroups{".", ","};
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
        Row{"Plain", "6000", kCommaGroups, 6000}, Row{"Blanks", " \t6000 ", kCommaGroups, 6000},
        Row{"IdeographicSpaces", "\u30006000\u3000", kCommaGroups, 6000},
        Row{"NoBreakSpaces", "\u00A06000\u202F", kCommaGroups, 6000},
        Row{"FullWidthDigits", "６０００", kCommaGroups, 6000},
        Row{"FullWidthSignAndPoint", "－１２．５", kCommaGroups, -12.5},
        Row{"PlusSign", "+5", kCommaGroups, 5}, Row{"MinusZero", "-0", kCommaGroups, -0.0},
        Row{"NoIntegerDigits", ".5", kCommaGroups, 0.5},
        Row{"NoFractionDigits", "5.", kCommaGroups, 5}, Row{"Exponent", "1e3", kCommaGroups, 1000},
        Row{"SignedExponent", "25E-2", kCommaGroups, 0.25},
        Row{"ExponentPlus", "1E+3", kCommaGroups, 1000},
        Row{"Thousands", "1,000", kCommaGroups, 1000},
        Row{"Millions", "12,345,678", kCommaGroups, 12345678},
        Row{"GroupedWithFraction", "1,234.5", kCommaGroups, 1234.5},
        Row{"CorrectlyRounded", "0.1", kCommaGroups, 0.1},
        Row{"LongMantissa", "3.14159265358979323846264338327950288", kCommaGroups,
            3.141592653589793},
        Row{"LargestDouble", "1.7976931348623157e308", kCommaGroups, 1.7976931348623157e308},
        Row{"Subnormal", "4e-320", kCommaGroups, 4e-320},
        Row{"UnderflowToZero", "1e-999", kCommaGroups, 0.0},
        Row{"UnderflowToMinusZero", "-1e-999", kCommaGroups, -0.0},
        Row{"ZeroWithHugeExponent", "0e99999", kCommaGroups, 0.0},
        Row{"HugeExponentDigits", "1e000000000000000000000005", kCommaGroups, 100000},
        Row{"DecimalComma", "6000,5", kDecimalComma, 6000.5},
        Row{"DotGroups", "1.000", kDecimalComma, 1000},
        Row{"SmallTaxDecimalComma", "0,03", kDecimalComma, 0.03},
        Row{"NarrowSpaceGroup", "1\u202F000,5", kNarrowSpace, 1000.5},
        Row{"SpaceForNarrowSpace", "1 000", kNarrowSpace, 1000},
        Row{"NoGroupingPlain", "1000", kNoGrouping, 1000}));

INSTANTIATE_TEST_SUITE_P(
    Refused, FullTextConversion,
    testing::Values(
        Row{"Empty", "", kCommaGroups, kRefused},
        Row{"BlanksAlone", " \u3000\t", kCommaGroups, kRefused},
        Row{"Inf", "Inf", kCommaGroups, kRefused}, Row{"NaN", "NaN", kCommaGroups, kRefused},
        Row{"Hexadecimal", "0x10", kCommaGroups, kRefused},
        Row{"Unit", "12元", kCommaGroups, kRefused}, Row{"Percent", "%", kCommaGroups, kRefused},
        Row{"Parenthesised", "(5)", kCommaGroups, kRefused},
        Row{"TwoSigns", "+-1", kCommaGroups, kRefused},
        Row{"BareExponent", "1e", kCommaGroups, kRefused},
        Row{"ExponentSignOnly", "1e+", kCommaGroups, kRefused},
        Row{"PointAlone", ".", kCommaGroups, kRefused},
        Row{"TwoPoints", "1.2.3", kCommaGroups, kRefused},
        Row{"ShortGroup", "1,00", kCommaGroups, kRefused},
        Row{"LeadingGroup", ",100", kCommaGroups, kRefused},
        Row{"DoubleGroup", "1,,000", kCommaGroups, kRefused},
        Row{"TrailingGroup", "1000,", kCommaGroups, kRefused},
        Row{"LongGroup", "1,0000", kCommaGroups, kRefused},
        Row{"LongFirstGroup", "1234,567", kCommaGroups, kRefused},
        Row{"GroupInFraction", "1.234,567", kCommaGroups, kRefused},
        Row{"InnerBlank", "60 00", kCommaGroups, kRefused},
        Row{"SpaceWhereCommaGroups", "1 000", kCommaGroups, kRefused},
        Row{"NoGroupingComma", "1,000", kNoGrouping, kRefused},
        Row{"PointInDecimalCommaLocale", "1.5", kDecimalComma, kRefused},
        Row{"BeyondRange", "1e999", kCommaGroups, kRefused},
        Row{"BeyondRangeNegative", "-1e999", kCommaGroups, kRefused},
        Row{"JustBeyondLargest", "1.7976931348623159e308", kCommaGroups, kRefused},
        // The largest double shown in 15 digits lies beyond it.
        Row{"LargestShownInFifteenDigits", "1.79769313486232E+308", kCommaGroups, kRefused},
        Row{"EmbeddedNul",
            std::string("12\0"
                        "3",
                        4),
            kCommaGroups, kRefused},
        Row{"InvalidUtf8", "12\xff", kCommaGroups, kRefused},
        Row{"OverlongUtf8", "\xc0\xb1", kCommaGroups, kRefused},
        Row{"TruncatedUtf8", "1\xe4\xb8", kCommaGroups, kRefused},
        Row{"RightToLeftMark", "\u200F100", kCommaGroups, kRefused},
        Row{"ArabicIndicDigits", "\u0661\u0662", kCommaGroups, kRefused}));

TEST(FullTextConversionLength, ReadsAMegabyteOfDigits) {
  EXPECT_FALSE(calc::fullTextConversion(std::string(1 << 20, '9'), kCommaGroups));
  const std::string tiny = "0." + std::string(1 << 20, '0') + "1";
  EXPECT_EQ(calc::fullTextConversion(tiny, kCommaGroups), 0.0);
  const std::string hundred = "1" + std::string(2, '0') + "." + std::string(1 << 20, '0');
  EXPECT_EQ(calc::fullTextConversion(hundred, kCommaGroups), 100.0);
}

}  // namespace
