// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/number_text.h"

#include <charconv>
#include <cstdlib>

namespace calc {

std::string numberText(double value, const NumberLocale& locale) {
  if (value == 0) return "0";  // -0 too

  // 15 significant digits, correctly rounded on the exact binary value.
  char buffer[32];
  auto* const end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::scientific, 14).ptr;
  const std::string_view scientific(buffer, static_cast<std::size_t>(end - buffer));
  const bool negative = scientific.front() == '-';
  const std::string_view mantissa = scientific.substr(negative ? 1 : 0);
  const std::size_t e = mantissa.find('e');
  // The exponent is a sign and two or three digits.
  int exponent = 0;
  std::from_chars(mantissa.data() + e + 2, mantissa.data() + mantissa.size(), exponent);
  if (mantissa[e + 1] == '-') exponent = -exponent;

  std::string digits(1, mantissa.front());
  digits += mantissa.substr(2, e - 2);
  digits.erase(digits.find_last_not_of('0') + 1);

  std::string text = negative ? "-" : "";
  if (exponent >= -4 && exponent <= 14) {
    if (exponent < 0) {
      text += '0';
      text += locale.decimal;
      text.append(static_cast<std::size_t>(-exponent - 1), '0');
      text += digits;
    } else if (digits.size() <= static_cast<std::size_t>(exponent) + 1) {
      text += digits;
      text.append(static_cast<std::size_t>(exponent) + 1 - digits.size(), '0');
    } else {
      text.append(digits, 0, static_cast<std::size_t>(exponent) + 1);
      text += locale.decimal;
      text.append(digits, static_cast<std::size_t>(exponent) + 1);
    }
  } else {
    text += digits.front();
    if (digits.size() > 1) {
      text += locale.decimal;
      text.append(digits, 1);
    }
    text += exponent < 0 ? "E-" : "E+";
    const int magnitude = std::abs(exponent);
    if (magnitude < 10) text += '0';
    text += std::to_string(magnitude);
  }
  return text;
}

std::string integerText(std::int16_t value) { return std::to_string(value); }

}  // namespace calc
