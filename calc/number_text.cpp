// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/number_text.h"

#include <charconv>

namespace calc {

std::string numberText(double value, const NumberLocale& locale) {
  // 15 significant digits, correctly rounded on the exact binary value, in
  // fixed form for decimal exponents -4..14; an exponent comes with its sign
  // and at least two digits.
  char buffer[32];
  const char* const end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
  const std::string_view digits(buffer, static_cast<std::size_t>(end - buffer));
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
