// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// A system's separators are kept only where they can read a number.
#include "calc/number_locale.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Row {
  const char* name;
  calc::NumberLocale system;
  bool usable;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class SystemOrPlain : public testing::TestWithParam<Row> {};

TEST_P(SystemOrPlain, KeepsOnlySeparatorsThatReadNumbers) {
  const Row& row = GetParam();
  EXPECT_EQ(!calc::localeFault(row.system), row.usable);
  const calc::NumberLocale kept = calc::systemOrPlain(row.system);
  EXPECT_EQ(kept.decimal, row.usable ? row.system.decimal : ".");
  EXPECT_EQ(kept.group, row.usable ? row.system.group : ",");
}

INSTANTIATE_TEST_SUITE_P(
    Locales, SystemOrPlain,
    testing::Values(Row{"Chinese", {".", ","}, true}, Row{"German", {",", "."}, true},
                    Row{"French", {",", "\u202F"}, true}, Row{"NoGrouping", {".", ""}, true},
                    Row{"EmptyDecimal", {"", ","}, false}, Row{"Alike", {".", "."}, false},
                    Row{"DigitGroup", {".", "0"}, false}, Row{"SignDecimal", {"-", ","}, false},
                    Row{"ExponentGroup", {".", "E"}, false}),
    [](const testing::TestParamInfo<Row>& info) { return info.param.name; });

}  // namespace
