// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/number_text.h"

#include "calc/decimal.h"

namespace calc {

std::string numberText(double value, const NumberLocale& locale) {
  // 15 significant digits, correctly rounded on the exact binary value, in
  // fixed form for decimal exponents -4..14; an exponent comes with its sign
  // and at least two digits.
  const std::string digits = decimalText(value);
  if (digits == "-0") return "0";

  std::string text;
  for (const char c : digits) {
    if (c == '.') {
      text += locale.decimal;
    } else {
      text += c == 'e' ? 'E' : c;
    }
  }
  return text;
}

}  // namespace calc
