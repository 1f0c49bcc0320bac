// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/rate.h"

#include <cstddef>

#include "calc/runtime_error.h"
#include "calc/tax_bracket.h"

namespace calc {

double Rate1(double taxable) {
  std::int16_t rate = 0;
  std::int16_t quickDeduction = 0;
  if (taxable <= kSchedule.front().upperBound) {
    rate = kSchedule.front().rate;
    quickDeduction = kSchedule.front().quickDeduction;
  }
  // Each row above the first is taken when the amount lies past the bound
  // below it; the last row taken is the one whose range holds the amount.
  for (std::size_t row = 1; row < kSchedule.size(); ++row) {
    if (taxable > kSchedule[row - 1].upperBound) {
      rate = kSchedule[row].rate;
      quickDeduction = kSchedule[row].quickDeduction;
    }
  }
  // The taxable amount comes finite (each step before was checked), but the
  // product can overflow, past about 4e306 at 45%: the check raises the
  // floating-point error, and no infinity reaches the tax.
  const double product = checkedStep(taxable * rate);
  const double tax = product / 100 - quickDeduction;
  return tax < 0 ? 0.0 : tax;
}

}  // namespace calc
