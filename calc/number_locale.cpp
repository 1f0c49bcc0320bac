// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/number_locale.h"

namespace calc {

std::optional<std::string_view> localeFault(const NumberLocale& locale) {
  if (locale.decimal.empty()) return "the decimal separator may not be empty";
  if (locale.decimal == locale.group) return "the decimal and group separators must differ";
  for (const std::string& separator : {locale.decimal, locale.group}) {
    if (separator.find_first_of("0123456789+-eE") != std::string::npos) {
      return "a separator may hold no digit, sign or exponent letter";
    }
  }
  return std::nullopt;
}

NumberLocale systemOrPlain(const NumberLocale& system) {
  return localeFault(system) ? NumberLocale{} : system;
}

}  // namespace calc
