// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace calc {

// The separators of the user's locale, each a UTF-8 text. An empty group
// separator means the locale groups no digits.
struct NumberLocale {
  std::string decimal = ".";
  std::string group = ",";
};

}  // namespace calc
