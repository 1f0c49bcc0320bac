// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <cstdint>
#include <limits>

namespace calc {

// One row of the monthly wage schedule in force from 1 September 2011.
struct TaxBracket {
  double upperBound;            // yuan of taxable amount, inclusive
  std::int16_t rate;            // whole percent
  std::int16_t quickDeduction;  // whole yuan
};

inline constexpr std::array<TaxBracket, 7> kSchedule{{
    {1500, 3, 0},
    {4500, 10, 105},
    {9000, 20, 555},
    {35000, 25, 1005},
    {55000, 30, 2755},
    {80000, 35, 5505},
    {std::numeric_limits<double>::infinity(), 45, 13505},
}};

}  // namespace calc
