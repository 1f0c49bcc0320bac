// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/decimal.h"

#include <version>

#if defined(__cpp_lib_to_chars)
#include <charconv>
#include <system_error>
#else
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#endif

namespace calc {

// Where the C++ library lacks the floating-point charconv (the browser's), the
// C library's conversions serve: correctly rounded there too, and in the "C"
// locale alone, whose decimal point is '.'.

std::string decimalText(double value) {
  char buffer[32];
#if defined(__cpp_lib_to_chars)
  const char* const end =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15).ptr;
  return {buffer, static_cast<std::size_t>(end - buffer)};
#else
  const int length = std::snprintf(buffer, sizeof buffer, "%.15g", value);
  return {buffer, static_cast<std::size_t>(length)};
#endif
}

std::optional<double> decimalValue(const std::string& number) {
  double value = 0;
#if defined(__cpp_lib_to_chars)
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) return std::nullopt;
#else
  errno = 0;
  value = std::strtod(number.c_str(), nullptr);
  // A subnormal result is in range, as from_chars has it; strtod may flag it.
  if (errno == ERANGE && (std::isinf(value) || value == 0)) return std::nullopt;
#endif
  return value;
}

}  // namespace calc
