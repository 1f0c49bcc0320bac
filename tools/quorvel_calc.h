// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <iosfwd>

#include "calc/number_locale.h"

namespace quorvel_calc {

// Clicks the calculate button once for every line of the input that is not
// blank, and answers each with one compact JSON line, written out whenever no
// more input is waiting. False when a line was no JSON object of strings.
bool answerLines(std::istream& in, std::ostream& out, const calc::NumberLocale& locale);

}  // namespace quorvel_calc
