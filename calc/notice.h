// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace calc {

// A message-box text: a Chinese line and, for an error, its English line.
struct Notice {
  std::string_view chinese;
  std::string_view english;

  constexpr bool isError() const { return !english.empty(); }
};

inline constexpr char kCarriageReturn = '\r';

// The prompt of a notice: the Chinese line alone, or the Chinese line, CR, the
// dash rule, CR and the English line.
std::string prompt(const Notice& notice);

}  // namespace calc
