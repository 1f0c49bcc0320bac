// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/round16.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>

#include "calc/runtime_error.h"

namespace {

struct Row {
  const char* name;
  double value;
  std::optional<int> expected;  // nothing: the overflow error
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class RoundToInt16 : public testing::TestWithParam<Row> {};

TEST_P(RoundToInt16, HalvesGoToEven) {
  const Row& row = GetParam();
  try {
    EXPECT_EQ(std::optional<int>(calc::roundToInt16(row.value)), row.expected);
  } catch (const calc::RuntimeError& e) {
    EXPECT_EQ(row.expected, std::nullopt) << "raised for " << row.value;
    EXPECT_EQ(e.kind(), calc::RuntimeError::Kind::Overflow);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Exemptions, RoundToInt16,
    testing::Values(Row{"HalfDownToEven", 3500.5, 3500}, Row{"HalfUpToEven", 3501.5, 3502},
                    Row{"BelowHalf", 2000.4, 2000}, Row{"AboveHalf", 1998.6, 1999},
                    Row{"NegativeHalf", -0.5, 0}, Row{"Largest", 32767, 32767},
                    Row{"JustBelowLargestHalf", 32767.4999, 32767},
                    Row{"LargestHalfOverflows", 32767.5, std::nullopt},
                    Row{"Smallest", -32768.5, -32768}, Row{"BelowSmallest", -32769, std::nullopt},
                    Row{"FarAbove", 40000, std::nullopt}, Row{"Huge", 9e99, std::nullopt},
                    Row{"NotANumber", std::numeric_limits<double>::quiet_NaN(), std::nullopt}));

}  // namespace
