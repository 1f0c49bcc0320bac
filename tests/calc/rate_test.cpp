// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/rate.h"

#include <gtest/gtest.h>

#include <limits>

#include "calc/number_text.h"
#include "calc/runtime_error.h"

namespace {

struct Row {
  const char* name;
  double taxable;
  const char* tax;  // as Text4 shows it
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Rate1 : public testing::TestWithParam<Row> {};

TEST_P(Rate1, AppliesTheBracket) {
  EXPECT_EQ(calc::numberText(calc::Rate1(GetParam().taxable), {}), GetParam().tax);
}

INSTANTIATE_TEST_SUITE_P(
    Schedule, Rate1,
    testing::Values(
        Row{"Zero", 0, "0"}, Row{"MinusZero", -0.0, "0"}, Row{"Negative", -100, "0"},
        Row{"VeryNegative", -1e300, "0"}, Row{"FirstBracket", 100, "3"},
        Row{"AllFractionDigits", 1234.56, "37.0368"}, Row{"OnFirstBound", 1500, "45"},
        Row{"AboveFirstBound", 1500.01, "45.001"}, Row{"SecondBracket", 3000, "195"},
        Row{"OnSecondBound", 4500, "345"}, Row{"AboveSecondBound", 4500.01, "345.002"},
        Row{"OnThirdBound", 9000, "1245"}, Row{"AboveThirdBound", 9000.01, "1245.0025"},
        Row{"OnFourthBound", 35000, "7745"}, Row{"AboveFourthBound", 35000.01, "7745.003"},
        Row{"OnFifthBound", 55000, "13745"}, Row{"AboveFifthBound", 55000.01, "13745.0035"},
        Row{"OnSixthBound", 80000, "22495"}, Row{"AboveSixthBound", 80000.01, "22495.0045"},
        Row{"LastBracket", 100000, "31495"}, Row{"Million", 1000000, "436495"},
        Row{"LargestFinite", 3.9e306, "1.755E+306"}));

TEST(Rate1Overflow, RaisesTheFloatingPointError) {
  for (const double taxable :
       {4e307, 1e308, std::numeric_limits<double>::infinity(),
        -std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
    try {
      const double tax = calc::Rate1(taxable);
      ADD_FAILURE() << "no error for " << taxable << " but a tax of " << tax;
    } catch (const calc::RuntimeError& e) {
      EXPECT_EQ(e.kind(), calc::RuntimeError::Kind::FloatingPoint);
    }
  }
}

}  // namespace
