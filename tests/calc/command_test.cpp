// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/command.h"

#include <gtest/gtest.h>

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "calc/recorded_run.h"
#include "calc/start_texts.h"

namespace {

using Kind = calc::RuntimeError::Kind;
using calc::ShownNotice;

const calc::NumberLocale kCommaGroups{".", ","};
const calc::NumberLocale kDecimalComma{",", "."};

// The prompts as the user reads them, CR alone between the lines.
const std::string kNotANumber =
    "您输入的不是数字！\r-----------------------\rError: Check your input is not a number";
const std::string kPayIsZero =
    "您没有收入计算什么个税？请输入收入。\r-----------------------\rError: Pay is zero";
const std::string kInsuranceThanPay =
    "你的保险费用这么多啊！您被您的公司骗了！？\r-----------------------\r"
    "Error: Insurance Than Pay";
const std::string kExemptionTooSmall =
    "免征额太小了，你输入错误吧?早就调到3500了?\r-----------------------\r"
    "Error: Taxation Point Less 1999";
const std::string kNoTaxDue = "不用缴纳个税，我穷人一个啊！";

ShownNotice notice(const std::string& prompt, const std::string& text4 = "0") {
  return {prompt, 0, text4};
}

struct Row {
  const char* name;
  std::array<std::string, 4> texts;
  calc::NumberLocale locale;
  std::string text4;  // what Text4 holds afterwards
  std::vector<ShownNotice> notices;
  std::optional<Kind> error;
};

void PrintTo(const Row& row, std::ostream* out) { *out << row.name; }

class Command1Click : public testing::TestWithParam<Row> {};

TEST_P(Command1Click, AnswersTheEntries) {
  const Row& row = GetParam();
  const calc::RecordedRun run = calc::recordRun(row.texts, row.locale);
  EXPECT_EQ(run.text4, row.text4);
  EXPECT_EQ(run.notices, row.notices);
  ASSERT_EQ(run.error.has_value(), row.error.has_value());
  if (run.error && row.error) {
    EXPECT_EQ(run.error->kind, *row.error);
    // Reported in a box of its own, after the command's notices.
    EXPECT_EQ(run.error->prompt, calc::RuntimeError(*row.error).prompt());
  }
}

const calc::NumberLocale kPoint{};

INSTANTIATE_TEST_SUITE_P(
    WorkedRuns, Command1Click,
    testing::Values(
        Row{"StartUpEntries", calc::startTexts(), kPoint, "0", {notice(kNotANumber)}, {}},
        Row{"ZeroIncome", {"0", "0", "3500", "0"}, kPoint, "0", {notice(kPayIsZero)}, {}},
        Row{"InsuranceAboveIncome",
            {"5000", "6000", "3500", "0"},
            kPoint,
            "0",
            {notice(kInsuranceThanPay)},
            {}},
        Row{"ExemptionTooSmall",
            {"5000", "0", "1998", "0"},
            kPoint,
            "0",
            {notice(kExemptionTooSmall)},
            {}},
        Row{"TypicalWage", {"6000", "500", "3500", "0"}, kPoint, "95", {}, {}},
        Row{"NoTaxDue", {"3000", "0", "3500", "0"}, kPoint, "", {notice(kNoTaxDue)}, {}}));

INSTANTIATE_TEST_SUITE_P(
    Checks, Command1Click,
    testing::Values(
        Row{"InsuranceNotANumber",
            {"6000", "abc", "3500", "95"},
            kPoint,
            "95",
            {notice(kNotANumber, "95")},
            {}},
        Row{"ExemptionEmpty", {"6000", "0", "", "0"}, kPoint, "0", {notice(kNotANumber)}, {}},
        Row{"NotANumberBeforeZeroIncome",
            {"0", "x", "3500", "0"},
            kPoint,
            "0",
            {notice(kNotANumber)},
            {}},
        Row{"IncomeWithFraction0",
            {"0.00", "0", "3500", "0"},
            kPoint,
            "0",
            {notice(kPayIsZero)},
            {}},
        Row{"IncomeMinusZero", {"-0", "0", "3500", "0"}, kPoint, "0", {notice(kPayIsZero)}, {}},
        Row{"IncomeUnderflows",
            {"1e-999", "0", "3500", "0"},
            kPoint,
            "0",
            {notice(kPayIsZero)},
            {}},
        Row{"NegativeIncome",
            {"-100", "0", "3500", "0"},
            kPoint,
            "0",
            {notice(kInsuranceThanPay)},
            {}},
        Row{"NegativeIncomeAboveInsurance", {"-100", "-5000", "3500", "0"}, kPoint, "42", {}, {}},
        Row{"InsuranceEqualsIncome",
            {"5000", "5000", "3500", "7"},
            kPoint,
            "",
            {notice(kNoTaxDue)},
            {}},
        Row{"NegativeInsurance", {"6000", "-500", "3500", "0"}, kPoint, "195", {}, {}},
        Row{"ExemptionLeast", {"6000", "0", "1999", "0"}, kPoint, "295.1", {}, {}},
        Row{"ExemptionHalfBelowLeast",
            {"6000", "0", "1998.5", "0"},
            kPoint,
            "0",
            {notice(kExemptionTooSmall)},
            {}},
        Row{"ExemptionComparedUnrounded",
            {"6000", "0", "1998.99", "0"},
            kPoint,
            "0",
            {notice(kExemptionTooSmall)},
            {}},
        Row{"ExemptionHalfToEvenDown", {"6000", "500", "3500.5", "0"}, kPoint, "95", {}, {}},
        Row{"ExemptionHalfToEvenUp", {"6000", "500", "3501.5", "0"}, kPoint, "94.8", {}, {}},
        Row{"ExemptionRoundedDown", {"6000", "500", "2000.4", "0"}, kPoint, "245", {}, {}},
        Row{"ExemptionLargest", {"100000", "0", "32767", "0"}, kPoint, "18026.55", {}, {}},
        Row{"AllFractionDigits", {"4734.56", "0", "3500", "0"}, kPoint, "37.0368", {}, {}},
        Row{"FirstBracketJump", {"5000.01", "0", "3500", "0"}, kPoint, "45.001", {}, {}},
        Row{"TaxableZero", {"3500", "0", "3500", "0"}, kPoint, "", {notice(kNoTaxDue)}, {}},
        Row{"OverwritesEarlierTax", {"6000", "0", "3500", "1245"}, kPoint, "145", {}, {}},
        Row{"MegabyteIncome",
            {std::string(1 << 20, '9'), "0", "3500", "0"},
            kPoint,
            "0",
            {notice(kNotANumber)},
            {}}));

INSTANTIATE_TEST_SUITE_P(
    RuntimeErrors, Command1Click,
    testing::Values(
        Row{"ExemptionHalfAboveLargest",
            {"100000", "0", "32767.5", "95"},
            kPoint,
            "95",
            {},
            Kind::Overflow},
        Row{"ExemptionFarAbove", {"100000", "0", "40000", "95"}, kPoint, "95", {}, Kind::Overflow},
        Row{"ExemptionHuge", {"6000", "0", "9e99", "0"}, kPoint, "0", {}, Kind::Overflow},
        Row{"DifferenceBeyondRange",
            {"1e308", "-1e308", "3500", "95"},
            kPoint,
            "95",
            {},
            Kind::FloatingPoint},
        Row{"ProductBeyondRange",
            {"1e307", "0", "3500", "0"},
            kPoint,
            "0",
            {},
            Kind::FloatingPoint}));

// F1: every amount is read whole, so a grouped or decimal-comma entry is
// taxed on what it says.
INSTANTIATE_TEST_SUITE_P(
    Locales, Command1Click,
    testing::Values(
        Row{"GroupedIncome", {"10,000", "0", "3500", "0"}, kCommaGroups, "745", {}, {}},
        Row{"GroupedInsurance", {"10000", "1,000", "3500", "0"}, kCommaGroups, "545", {}, {}},
        Row{"GroupedExemption", {"10000", "0", "3,500", "0"}, kCommaGroups, "745", {}, {}},
        Row{"MisplacedGroup",
            {"10,00", "0", "3500", "0"},
            kCommaGroups,
            "0",
            {notice(kNotANumber)},
            {}},
        Row{"DecimalCommaIncome", {"6000,5", "0", "3500", "0"}, kDecimalComma, "145,05", {}, {}},
        Row{"DotGroupsIncome", {"10.000", "0", "3500", "0"}, kDecimalComma, "745", {}, {}},
        // F2: a tax below one yuan, read back whole, stays as the result.
        Row{"SmallTaxDecimalComma", {"3501", "0", "3500", "0"}, kDecimalComma, "0,03", {}, {}},
        Row{"NoTaxDecimalComma",
            {"3000", "0", "3500", "0"},
            kDecimalComma,
            "",
            {notice(kNoTaxDue)},
            {}}));

}  // namespace
