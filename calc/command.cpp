// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/command.h"

#include <cstdint>

#include "calc/notice.h"
#include "calc/number_text.h"
#include "calc/rate.h"
#include "calc/round16.h"
#include "calc/runtime_error.h"
#include "calc/text_to_number.h"

namespace calc {
namespace {

// The exemption stood at 2000 yuan before it rose to 3500: less is a mistyped entry.
constexpr double kLeastExemption = 1999;

void show(Host& host, NoticeId id) { host.messageBox(prompt(kNotices[id]), kOkOnly); }

}  // namespace

void Command1_Click(Host& host, const NumberLocale& locale) {
  // The entries cannot change while the command runs, so each is read once.
  const auto income = fullTextConversion(host.text(TextBox::Text1), locale);
  const auto insurance = fullTextConversion(host.text(TextBox::Text2), locale);
  const auto exemptionEntry = fullTextConversion(host.text(TextBox::Text3), locale);

  if (!income || !insurance || !exemptionEntry) return show(host, NotANumber);
  if (*income == 0) return show(host, PayIsZero);
  if (*income < *insurance) return show(host, InsuranceThanPay);
  // Compared unrounded: 1998.99 is refused although it rounds to 1999.
  if (*exemptionEntry < kLeastExemption) return show(host, ExemptionTooSmall);

  const std::int16_t exemption = roundToInt16(*exemptionEntry);
  const double taxable = checkedStep(checkedStep(*income - *insurance) - exemption);
  host.setText4(numberText(Rate1(taxable), locale));

  // The test is made on the text that Text4 shows, not on the tax.
  const auto shown = fullTextConversion(host.text(TextBox::Text4), locale);
  if (shown && *shown > 0) return;
  show(host, NoTaxDue);
  host.setText4("");
}

}  // namespace calc
