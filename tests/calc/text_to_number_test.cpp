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
  std::optional<double> expected = std::nullopt;  // nothing: the text is refused
  calc::NumberLocale locale = kCommaGroups;
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

INSTANTIATE_TEST_SUITE_P(
    Accepted, FullTextConversion,
    testing::Values(
        Row{"Plain", "6000", 6000}, Row{"Blanks", " \t6000 ", 6000},
        Row{"IdeographicSpaces", "\u30006000\u3000", 6000},
        Row{"NoBreakSpaces", "\u00A06000\u202F", 6000}, Row{"FullWidthDigits", "６０００", 6000},
        Row{"FullWidthSignAndPoint", "－１２．５", -12.5}, Row{"PlusSign", "+5", 5},
        Row{"MinusZero", "-0", -0.0}, Row{"NoIntegerDigits", ".5", 0.5},
        Row{"NoFractionDigits", "5.", 5}, Row{"Exponent", "1e3", 1000},
        Row{"SignedExponent", "25E-2", 0.25}, Row{"ExponentPlus", "1E+3", 1000},
        Row{"Thousands", "1,000", 1000}, Row{"Millions", "12,345,678", 12345678},
        Row{"GroupedWithFraction", "1,234.5", 1234.5}, Row{"CorrectlyRounded", "0.1", 0.1},
        Row{"LongMantissa", "3.14159265358979323846264338327950288", 3.141592653589793},
        Row{"LargestDouble", "1.7976931348623157e308", 1.7976931348623157e308},
        Row{"Subnormal", "4e-320", 4e-320}, Row{"UnderflowToZero", "1e-999", 0.0},
        Row{"UnderflowToMinusZero", "-1e-999", -0.0}, Row{"ZeroWithHugeExponent", "0e99999", 0.0},
        Row{"HugeExponentDigits", "1e000000000000000000000005", 100000},
        Row{"DecimalComma", "6000,5", 6000.5, kDecimalComma},
        Row{"DotGroups", "1.000", 1000, kDecimalComma},
        Row{"SmallTaxDecimalComma", "0,03", 0.03, kDecimalComma},
        Row{"NarrowSpaceGroup", "1\u202F000,5", 1000.5, kNarrowSpace},
        Row{"SpaceForNarrowSpace", "1 000", 1000, kNarrowSpace},
        Row{"NoGroupingPlain", "1000", 1000, kNoGrouping}));

INSTANTIATE_TEST_SUITE_P(
    Refused, FullTextConversion,
    testing::Values(Row{"Empty", ""}, Row{"BlanksAlone", " \u3000\t"}, Row{"Inf", "Inf"},
                    Row{"NaN", "NaN"}, Row{"Hexadecimal", "0x10"}, Row{"Unit", "12元"},
                    Row{"Percent", "%"}, Row{"Parenthesised", "(5)"}, Row{"TwoSigns", "+-1"},
                    Row{"BareExponent", "1e"}, Row{"ExponentSignOnly", "1e+"},
                    Row{"PointAlone", "."}, Row{"TwoPoints", "1.2.3"}, Row{"ShortGroup", "1,00"},
                    Row{"LeadingGroup", ",100"}, Row{"DoubleGroup", "1,,000"},
                    Row{"TrailingGroup", "1000,"}, Row{"LongGroup", "1,0000"},
                    Row{"LongFirstGroup", "1234,567"}, Row{"GroupInFraction", "1.234,567"},
                    Row{"InnerBlank", "60 00"}, Row{"SpaceWhereCommaGroups", "1 000"},
                    Row{"NoGroupingComma", "1,000", std::nullopt, kNoGrouping},
                    Row{"PointInDecimalCommaLocale", "1.5", std::nullopt, kDecimalComma},
                    Row{"BeyondRange", "1e999"}, Row{"BeyondRangeNegative", "-1e999"},
                    Row{"JustBeyondLargest", "1.7976931348623159e308"},
                    // The largest double shown in 15 digits lies beyond it.
                    Row{"LargestShownInFifteenDigits", "1.79769313486232E+308"},
                    Row{"EmbeddedNul", std::string{'1', '2', '\0', '3'}},
                    Row{"InvalidUtf8", "12\xff"}, Row{"RightToLeftMark", "\u200F100"},
                    Row{"ArabicIndicDigits", "\u0661\u0662"}));

TEST(FullTextConversionLength, ReadsAMegabyteOfDigits) {
  EXPECT_FALSE(calc::fullTextConversion(std::string(1 << 20, '9'), kCommaGroups));
  EXPECT_EQ(calc::fullTextConversion("0." + std::string(1 << 20, '0') + "1", kCommaGroups), 0.0);
  EXPECT_EQ(calc::fullTextConversion("100." + std::string(1 << 20, '0'), kCommaGroups), 100.0);
}

}  // namespace
