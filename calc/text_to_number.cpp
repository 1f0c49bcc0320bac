// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/text_to_number.h"

#include <algorithm>
#include <cstdint>
#include <string>

#include "calc/decimal.h"
#include "calc/utf8.h"

namespace calc {
namespace {

// Full-width forms typed through an input method stand for their ASCII twins.
constexpr char32_t foldFullWidth(char32_t c) { return c >= 0xFF01 && c <= 0xFF5E ? c - 0xFEE0 : c; }

constexpr bool isBlank(char32_t c) {
  return c == U' ' || c == U'\t' || c == 0x3000 || c == 0x00A0 || c == 0x202F;
}

constexpr bool isDigit(char32_t c) { return c >= U'0' && c <= U'9'; }

// Decodes UTF-8, full-width forms folded; nothing for a malformed text.
std::optional<std::u32string> decode(std::string_view text) {
  std::u32string out;
  out.reserve(text.size());
  for (std::size_t at = 0; at < text.size();) {
    const auto c = decodeUtf8(text, at);
    if (!c) return std::nullopt;
    out += foldFullWidth(*c);
  }
  return out;
}

// Whether a plain-digit number found out of range is too large
// rather than too small: the decimal exponent of its first significant digit
// is then positive.
bool beyondRange(std::string_view number) {
  const std::size_t e = std::min(number.find('e'), number.size());
  const std::string_view mantissa = number.substr(0, e);
  const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
  const std::size_t first = mantissa.find_first_of("123456789");
  auto lead = static_cast<std::int64_t>(point) - static_cast<std::int64_t>(first);
  if (first < point) --lead;

  constexpr std::int64_t kFarEnough = 1'000'000'000'000;  // saturates; beyond any double
  std::int64_t exponent = 0;
  for (const char c : number.substr(std::min(e + 1, number.size()))) {
    if (isDigit(static_cast<unsigned char>(c))) {
      exponent = std::min(exponent * 10 + (c - '0'), kFarEnough);
    }
  }
  if (e + 1 < number.size() && number[e + 1] == '-') exponent = -exponent;
  return lead + exponent > 0;
}

}  // namespace

std::optional<double> fullTextConversion(std::string_view text, const NumberLocale& locale) {
  const auto chars = decode(text);
  const auto decimal = decode(locale.decimal);
  const auto group = decode(locale.group);
  if (!chars || !decimal || !group || decimal->empty()) return std::nullopt;
  // Where the locale groups with a no-break space, a plain space serves too.
  const std::u32string_view groupAlias = *group == U"\u00A0" || *group == U"\u202F" ? U" " : U"";

  std::u32string_view s = *chars;
  while (!s.empty() && isBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && isBlank(s.back())) s.remove_suffix(1);

  std::size_t i = 0;
  const auto take = [&](std::u32string_view piece) {
    if (piece.empty() || s.substr(i, piece.size()) != piece) return false;
    i += piece.size();
    return true;
  };
  const auto digitHere = [&] { return i < s.size() && isDigit(s[i]); };
  const auto signHere = [&] { return i < s.size() && (s[i] == U'+' || s[i] == U'-'); };

  // The digits for the conversion: "[-]ddd[.ddd][e[-]ddd]".
  std::string number;
  number.reserve(s.size() + 1);
  if (signHere()) {
    if (s[i] == U'-') number += '-';
    ++i;
  }

  // A group separator is a thousands mark or a typo: the first group has one
  // to three digits, every later one exactly three.
  std::size_t mantissaDigits = 0;
  std::size_t groupDigits = 0;
  bool grouped = false;
  for (;;) {
    if (digitHere()) {
      number += static_cast<char>(s[i++]);
      ++groupDigits;
      ++mantissaDigits;
    } else if (take(*group) || take(groupAlias)) {
      if (groupDigits == 0 || (grouped ? groupDigits != 3 : groupDigits > 3)) return std::nullopt;
      grouped = true;
      groupDigits = 0;
    } else {
      break;
    }
  }
  if (grouped && groupDigits != 3) return std::nullopt;

  if (take(*decimal)) {
    number += '.';
    for (; digitHere(); ++mantissaDigits) number += static_cast<char>(s[i++]);
  }
  if (mantissaDigits == 0) return std::nullopt;

  if (i < s.size() && (s[i] == U'e' || s[i] == U'E')) {
    ++i;
    number += 'e';
    if (signHere()) number += static_cast<char>(s[i++]);
    if (!digitHere()) return std::nullopt;
    while (digitHere()) number += static_cast<char>(s[i++]);
  }
  if (i != s.size()) return std::nullopt;

  if (const auto value = decimalValue(number)) return value;
  if (beyondRange(number)) return std::nullopt;
  return number.front() == '-' ? -0.0 : 0.0;
}

}  // namespace calc
