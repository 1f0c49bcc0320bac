// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// The separators of the user's locale, each a UTF-8 text. An empty group
// separator means the locale groups no digits.
struct NumberLocale {
  std::string decimal = ".";
  std::string group = ",";
};

// What makes the separators unusable for reading numbers: an empty decimal
// separator, the two alike, or one holding a digit, a sign or an exponent
// letter. Nothing when they serve.
std::optional<std::string_view> localeFault(const NumberLocale& locale);

// The separators of the user's system, or the plain "." and "," where they
// cannot read a number.
NumberLocale systemOrPlain(const NumberLocale& system);

}  // namespace calc
