// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/number_text.h"

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

#include "calc/text_to_number.h"

namespace calc {
void PrintTo(const NumberLocale& locale, std::ostream* out) {
  *out << '"' << locale.decimal << "\" \"" << locale.group << '"';
}
}  // namespace calc

namespace {

const calc::NumberLocale kDecimalPoint{".", ","};
const calc::NumberLocale kDecimalComma{",", "."};

struct Row {
  const char* name;
  double value;
  const char* expected;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class NumberText : public testing::TestWithParam<Row> {};

TEST_P(NumberText, ShowsFifteenDigits) {
  EXPECT_EQ(calc::numberText(GetParam().value, kDecimalPoint), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Taxes, NumberText,
    testing::Values(Row{"Whole", 95, "95"}, Row{"Zero", 0, "0"}, Row{"MinusZero", -0.0, "0"},
                    Row{"AllFractionDigits", 37.0368, "37.0368"}, Row{"BelowOne", 0.03, "0.03"},
                    Row{"SmallestFixed", 0.0001, "0.0001"},
                    Row{"FixedWithLeadingZeros", 0.00012345, "0.00012345"},
                    Row{"JustBelowFixed", 0.000012345, "1.2345E-05"},
                    Row{"SmallExponent", 3e-5, "3E-05"}, Row{"Negative", -2.5, "-2.5"},
                    Row{"RoundedToFifteen", 0.1 + 0.2, "0.3"},
                    Row{"JustAboveABound", 150.001 - 105, "45.001"},
                    Row{"LargestFixed", 123456789012345, "123456789012345"},
                    Row{"FifteenNines", 999999999999999, "999999999999999"},
                    Row{"RoundsUpToExponentForm", 999999999999999.5, "1E+15"},
                    Row{"ExponentForm", 1e15, "1E+15"},
                    Row{"SixteenDigits", 1234567890123456, "1.23456789012346E+15"},
                    Row{"TieToEvenDown", 1000000000000005, "1E+15"},
                    Row{"TieToEvenUp", 1000000000000015, "1.00000000000002E+15"},
                    Row{"MantissaKept", 4.5e299, "4.5E+299"},
                    Row{"ThreeDigitExponent", 1e100, "1E+100"},
                    Row{"Largest", std::numeric_limits<double>::max(), "1.79769313486232E+308"},
                    Row{"SmallestSubnormal", std::numeric_limits<double>::denorm_min(),
                        "4.94065645841247E-324"}));

TEST(NumberTextLocale, UsesTheDecimalSeparator) {
  EXPECT_EQ(calc::numberText(0.03, kDecimalComma), "0,03");
  EXPECT_EQ(calc::numberText(145.05, kDecimalComma), "145,05");
  EXPECT_EQ(calc::numberText(4.5e299, kDecimalComma), "4,5E+299");
  EXPECT_EQ(calc::numberText(6000, kDecimalComma), "6000");
}

// The text that the C library's printf gives the value in the format.
std::string printed(const char* format, double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, format, value);
  return buffer;
}

// A double of any bit pattern, the infinities and NaNs left out.
double anyDouble(std::mt19937_64& bits) {
  for (;;) {
    const auto value = std::bit_cast<double>(bits());
    if (std::isfinite(value)) return value;
  }
}

class NumberTextRoundTrip : public testing::TestWithParam<calc::NumberLocale> {};

TEST_P(NumberTextRoundTrip, ReadsBackRoundedToFifteenDigits) {
  std::mt19937_64 bits(20110901);
  for (int i = 0; i < 20000; ++i) {
    const double value = anyDouble(bits);
    const std::string text = calc::numberText(value, GetParam());
    // The value rounded to 15 significant digits, by the C library's own rounding.
    const double rounded = std::strtod(printed("%.14e", value).c_str(), nullptr);
    ASSERT_EQ(calc::fullTextConversion(text, GetParam()), rounded) << text;
  }
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberTextRoundTrip,
                         testing::Values(kDecimalPoint, kDecimalComma),
                         [](const auto& info) { return info.index == 0 ? "Point" : "Comma"; });

// The C library's default text of a number, with the locale's separator.
std::string cLibraryText(double value, const calc::NumberLocale& locale) {
  std::string text = printed("%.15G", value);
  if (text == "-0") return "0";
  if (const auto point = text.find('.'); point != std::string::npos) {
    text.replace(point, 1, locale.decimal);
  }
  return text;
}

// An amount in whole fen of 1 to 17 digits, of either sign, or the tax of a
// bracket's rate on it.
double moneyLike(std::mt19937_64& bits) {
  constexpr std::array<int, 7> kRates{3, 10, 20, 25, 30, 35, 45};
  const auto digits = static_cast<int>(bits() % 17) + 1;
  const auto fen = static_cast<double>(bits() % static_cast<std::uint64_t>(std::pow(10, digits)));
  const double amount = (bits() % 2 == 0 ? fen : -fen) / 100;
  return bits() % 2 == 0 ? amount : amount * kRates[bits() % kRates.size()] / 100;
}

struct Draws {
  const char* name;
  double (*draw)(std::mt19937_64&);
};

void PrintTo(const Draws& draws, std::ostream* out) { *out << draws.name; }

class NumberTextAgainstCLibrary : public testing::TestWithParam<Draws> {};

// A few thousand draws: the round trip above is the check that finds faults;
// this one keeps the text's form (exponent, zeros) to the C library's.
TEST_P(NumberTextAgainstCLibrary, AgreesOnEveryDraw) {
  std::mt19937_64 bits(20110901);
  for (int i = 0; i < 4000; ++i) {
    const double value = GetParam().draw(bits);
    const calc::NumberLocale& locale = i % 2 == 0 ? kDecimalPoint : kDecimalComma;
    ASSERT_EQ(calc::numberText(value, locale), cLibraryText(value, locale))
        << std::hexfloat << value;
  }
}

INSTANTIATE_TEST_SUITE_P(Doubles, NumberTextAgainstCLibrary,
                         testing::Values(Draws{"BitPatterns", anyDouble},
                                         Draws{"MoneyLike", moneyLike}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
