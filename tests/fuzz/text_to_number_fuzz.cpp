// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Any text: the conversion gives a finite value or none;
// any finite double: its number text reads back rounded to 15 digits, or is
// refused where that rounding passes the largest double.
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "calc/number_text.h"
#include "calc/text_to_number.h"

namespace {

const std::array<calc::NumberLocale, 4> kLocales{
    {{".", ","}, {",", "."}, {",", "\u202F"}, {".", ""}}};

double roundedTo15(double value) {
  char buffer[40];
  std::snprintf(buffer, sizeof buffer, "%.14e", value);
  return std::strtod(buffer, nullptr);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const calc::NumberLocale& locale = kLocales[data[0] % kLocales.size()];
  const std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);

  const auto value = calc::fullTextConversion(text, locale);
  if (value && !std::isfinite(*value)) std::abort();

  if (text.size() >= sizeof(double)) {
    double number;
    std::memcpy(&number, text.data(), sizeof number);
    if (std::isfinite(number)) {
      for (const calc::NumberLocale& shown : {kLocales[0], kLocales[1]}) {
        const auto back = calc::fullTextConversion(calc::numberText(number, shown), shown);
        const double rounded = roundedTo15(number);
        if (std::isfinite(rounded) ? !back || *back != rounded : back.has_value()) std::abort();
      }
    }
  }
  return 0;
}
