// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/command.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <variant>
#include <vector>

#include "calc/recorded_run.h"
#include "calc/start_texts.h"

namespace {

using Kind = calc::RuntimeError::Kind;
using calc::ShownNotice;

const calc::NumberLocale kPoint{};
const calc::NumberLocale kCommaGroups{".", ","};
const calc::NumberLocale kDecimalComma{",", "."};

// The prompts as the user reads them, CR alone between the lines.
const std::string kRule = "\r-----------------------\r";
const std::string kNotANumber =
    "您输入的不是数字！" + kRule + "Error: Check your input is not a number";
const std::string kPayIsZero =
    "您没有收入计算什么个税？请输入收入。" + kRule + "Error: Pay is zero";
const std::string kInsuranceThanPay =
    "你的保险费用这么多啊！您被您的公司骗了！？" + kRule + "Error: Insurance Than Pay";
const std::string kExemptionTooSmall =
    "免征额太小了，你输入错误吧?早就调到3500了?" + kRule + "Error: Taxation Point Less 1999";
const std::string kNoTaxDue = "不用缴纳个税，我穷人一个啊！";

ShownNotice notice(const std::string& prompt, const std::string& text4 = "0") {
  return {prompt, 0, text4};
}

struct Row {
  const char* name;
  std::array<std::string, 4> texts;
  std::string text4;  // what Text4 holds afterwards
  // The one notice shown or the runtime error raised, if either.
  std::variant<std::monostate, ShownNotice, Kind> outcome = std::monostate{};
  calc::NumberLocale locale = kPoint;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Command1Click : public testing::TestWithParam<Row> {};

TEST_P(Command1Click, AnswersTheEntries) {
  const Row& row = GetParam();
  const calc::RecordedRun run = calc::recordRun(row.texts, row.locale);
  EXPECT_EQ(run.text4, row.text4);
  const auto* shown = std::get_if<ShownNotice>(&row.outcome);
  EXPECT_EQ(run.notices, shown != nullptr ? std::vector{*shown} : std::vector<ShownNotice>{});
  const auto* error = std::get_if<Kind>(&row.outcome);
  ASSERT_EQ(run.error.has_value(), error != nullptr);
  if (run.error && error != nullptr) {
    EXPECT_EQ(run.error->kind, *error);
    // Reported in a box of its own, after the command's notices.
    EXPECT_EQ(run.error->prompt, calc::RuntimeError(*error).prompt());
  }
}

const Row kWorkedRuns[]{
    {"StartUpEntries", calc::startTexts(), "0", notice(kNotANumber)},
    {"ZeroIncome", {"0", "0", "3500", "0"}, "0", notice(kPayIsZero)},
    {"InsuranceAboveIncome", {"5000", "6000", "3500", "0"}, "0", notice(kInsuranceThanPay)},
    {"ExemptionTooSmall", {"5000", "0", "1998", "0"}, "0", notice(kExemptionTooSmall)},
    {"TypicalWage", {"6000", "500", "3500", "0"}, "95"},
    {"NoTaxDue", {"3000", "0", "3500", "0"}, "", notice(kNoTaxDue)},
};
INSTANTIATE_TEST_SUITE_P(WorkedRuns, Command1Click, testing::ValuesIn(kWorkedRuns));

const Row kChecks[]{
    {"InsuranceNotANumber", {"6000", "abc", "3500", "95"}, "95", notice(kNotANumber, "95")},
    {"ExemptionEmpty", {"6000", "0", "", "0"}, "0", notice(kNotANumber)},
    {"NotANumberBeforeZeroIncome", {"0", "x", "3500", "0"}, "0", notice(kNotANumber)},
    {"IncomeWithFraction0", {"0.00", "0", "3500", "0"}, "0", notice(kPayIsZero)},
    {"IncomeMinusZero", {"-0", "0", "3500", "0"}, "0", notice(kPayIsZero)},
    {"IncomeUnderflows", {"1e-999", "0", "3500", "0"}, "0", notice(kPayIsZero)},
    {"NegativeIncome", {"-100", "0", "3500", "0"}, "0", notice(kInsuranceThanPay)},
    {"NegativeIncomeAboveInsurance", {"-100", "-5000", "3500", "0"}, "42"},
    {"InsuranceEqualsIncome", {"5000", "5000", "3500", "7"}, "", notice(kNoTaxDue)},
    {"NegativeInsurance", {"6000", "-500", "3500", "0"}, "195"},
    {"ExemptionLeast", {"6000", "0", "1999", "0"}, "295.1"},
    {"ExemptionHalfBelowLeast", {"6000", "0", "1998.5", "0"}, "0", notice(kExemptionTooSmall)},
    {"ExemptionComparedUnrounded", {"6000", "0", "1998.99", "0"}, "0", notice(kExemptionTooSmall)},
    {"ExemptionHalfToEvenDown", {"6000", "500", "3500.5", "0"}, "95"},
    {"ExemptionHalfToEvenUp", {"6000", "500", "3501.5", "0"}, "94.8"},
    {"ExemptionRoundedDown", {"6000", "500", "2000.4", "0"}, "245"},
    {"ExemptionLargest", {"100000", "0", "32767", "0"}, "18026.55"},
    {"AllFractionDigits", {"4734.56", "0", "3500", "0"}, "37.0368"},
    {"FirstBracketJump", {"5000.01", "0", "3500", "0"}, "45.001"},
    {"TaxableZero", {"3500", "0", "3500", "0"}, "", notice(kNoTaxDue)},
    {"OverwritesEarlierTax", {"6000", "0", "3500", "1245"}, "145"},
    {"MegabyteIncome", {std::string(1 << 20, '9'), "0", "3500", "0"}, "0", notice(kNotANumber)},
};
INSTANTIATE_TEST_SUITE_P(Checks, Command1Click, testing::ValuesIn(kChecks));

const Row kRuntimeErrors[]{
    {"ExemptionHalfAboveLargest", {"100000", "0", "32767.5", "95"}, "95", Kind::Overflow},
    {"ExemptionFarAbove", {"100000", "0", "40000", "95"}, "95", Kind::Overflow},
    {"ExemptionHuge", {"6000", "0", "9e99", "0"}, "0", Kind::Overflow},
    {"DifferenceBeyondRange", {"1e308", "-1e308", "3500", "95"}, "95", Kind::FloatingPoint},
    {"ProductBeyondRange", {"1e307", "0", "3500", "0"}, "0", Kind::FloatingPoint},
};
INSTANTIATE_TEST_SUITE_P(RuntimeErrors, Command1Click, testing::ValuesIn(kRuntimeErrors));

// F1: every amount is read whole, so a grouped or decimal-comma entry is
// taxed on what it says.
const Row kLocales[]{
    {"GroupedIncome", {"10,000", "0", "3500", "0"}, "745", {}, kCommaGroups},
    {"GroupedInsurance", {"10000", "1,000", "3500", "0"}, "545", {}, kCommaGroups},
    {"GroupedExemption", {"10000", "0", "3,500", "0"}, "745", {}, kCommaGroups},
    {"MisplacedGroup", {"10,00", "0", "3500", "0"}, "0", notice(kNotANumber), kCommaGroups},
    {"DecimalCommaIncome", {"6000,5", "0", "3500", "0"}, "145,05", {}, kDecimalComma},
    {"DotGroupsIncome", {"10.000", "0", "3500", "0"}, "745", {}, kDecimalComma},
    // F2: a tax below one yuan, read back whole, stays as the result.
    {"SmallTaxDecimalComma", {"3501", "0", "3500", "0"}, "0,03", {}, kDecimalComma},
    {"NoTaxDecimalComma", {"3000", "0", "3500", "0"}, "", notice(kNoTaxDue), kDecimalComma},
};
INSTANTIATE_TEST_SUITE_P(Locales, Command1Click, testing::ValuesIn(kLocales));

}  // namespace
