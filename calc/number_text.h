// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "calc/number_locale.h"

namespace calc {

// The default text of a finite number: 15 significant digits, fixed notation
// for decimal exponents -4..14, otherwise "1.5E+15" form.
std::string numberText(double value, const NumberLocale& locale);

}  // namespace calc
