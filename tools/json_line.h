// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "calc/number_locale.h"

namespace driver {

struct Answer {
  std::string json;  // one compact line, without its line feed
  bool good;         // false for a line that is no JSON object of strings
};

// One click of the calculate button for one input line of the driver.
Answer answerLine(std::string_view line, const calc::NumberLocale& locale);

// Whether the driver skips the line.
bool isBlankLine(std::string_view line);

}  // namespace driver
