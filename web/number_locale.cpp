// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "web/number_locale.h"

#include <emscripten/val.h>

#include <string>

namespace web {
namespace {

// A number that every language that groups digits writes grouped, and with a
// fraction.
constexpr double kSample = 1234567.5;

}  // namespace

calc::NumberLocale browserNumberLocale() {
  using emscripten::val;
  const val format = val::global("Intl")["NumberFormat"].new_(val::global("navigator")["language"]);
  const val parts = format.call<val>("formatToParts", kSample);
  // A language whose numbers show no group mark groups no digits.
  calc::NumberLocale locale{.decimal = "", .group = ""};
  const int count = parts["length"].as<int>();
  for (int i = 0; i < count; ++i) {
    const val part = parts[i];
    const auto type = part["type"].as<std::string>();
    if (type == "decimal") locale.decimal = part["value"].as<std::string>();
    if (type == "group") locale.group = part["value"].as<std::string>();
  }
  return calc::systemOrPlain(locale);
}

}  // namespace web
