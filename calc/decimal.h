// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace calc {

// The two conversions between a double and its plain decimal text, each
// correctly rounded on the exact binary value, the same on every toolchain.

// "%.15g": 15 significant digits, fixed for decimal exponents -4..14, else
// "1.5e+15" form; "-0" for negative zero.
std::string decimalText(double value);

// The double nearest to "[-]ddd[.ddd][e[+-]ddd]", or nothing when it lies
// beyond the range of a double, either way.
std::optional<double> decimalValue(const std::string& number);

}  // namespace calc
