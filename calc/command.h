// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstddef>

#include "calc/host.h"
#include "calc/notice.h"
#include "calc/number_locale.h"

namespace calc {

enum NoticeId : std::size_t {
  NotANumber,
  PayIsZero,
  InsuranceThanPay,
  ExemptionTooSmall,
  NoTaxDue
};

// The command's notices, in the order of its checks: an error for each entry
// refused, and last the zero-tax notice.
inline constexpr std::array<Notice, 5> kNotices{{
    {"您输入的不是数字！", "Error: Check your input is not a number"},
    {"您没有收入计算什么个税？请输入收入。", "Error: Pay is zero"},
    {"你的保险费用这么多啊！您被您的公司骗了！？", "Error: Insurance Than Pay"},
    {"免征额太小了，你输入错误吧?早就调到3500了?", "Error: Taxation Point Less 1999"},
    {"不用缴纳个税，我穷人一个啊！", ""},
}};

// The calculate button: checks the three entries, writes the tax into Text4
// or shows one notice. Raises RuntimeError at a failing step.
void Command1_Click(Host& host, const NumberLocale& locale);

}  // namespace calc
