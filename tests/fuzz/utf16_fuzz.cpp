// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// Any bytes: the texts the Windows window hands over survive the trip to
// UTF-16 and back exactly when they are well-formed UTF-8; anything else comes
// back as well-formed text with U+FFFD in place of the faults. Any UTF-16 units
// without lone surrogates survive the trip the other way.
#include <array>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "win32/utf16.h"

namespace {

struct Range {
  unsigned char low, high;
};

// The well-formed byte sequences, after the table in the Unicode standard:
// the lead byte's range and the ranges its following bytes must keep to.
struct Form {
  Range lead;
  std::array<Range, 3> next;
  int length;
};

constexpr Range kTail{0x80, 0xBF};
constexpr std::array<Form, 9> kForms{{
    {{0x00, 0x7F}, {}, 1},
    {{0xC2, 0xDF}, {kTail}, 2},
    {{0xE0, 0xE0}, {{{0xA0, 0xBF}, kTail}}, 3},
    {{0xE1, 0xEC}, {kTail, kTail}, 3},
    {{0xED, 0xED}, {{{0x80, 0x9F}, kTail}}, 3},
    {{0xEE, 0xEF}, {kTail, kTail}, 3},
    {{0xF0, 0xF0}, {{{0x90, 0xBF}, kTail, kTail}}, 4},
    {{0xF1, 0xF3}, {kTail, kTail, kTail}, 4},
    {{0xF4, 0xF4}, {{{0x80, 0x8F}, kTail, kTail}}, 4},
}};

bool within(unsigned char byte, Range range) { return byte >= range.low && byte <= range.high; }

bool wellFormed(std::string_view text) {
  for (std::size_t at = 0; at < text.size();) {
    const auto lead = static_cast<unsigned char>(text[at]);
    const Form* form = nullptr;
    for (const Form& f : kForms) {
      if (within(lead, f.lead)) form = &f;
    }
    if (form == nullptr || at + form->length > text.size()) return false;
    for (int i = 1; i < form->length; ++i) {
      if (!within(static_cast<unsigned char>(text[at + i]), form->next[i - 1])) return false;
    }
    at += form->length;
  }
  return true;
}

bool hasLoneSurrogate(std::u16string_view units) {
  for (std::size_t i = 0; i < units.size(); ++i) {
    const char16_t u = units[i];
    if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
        units[i + 1] < 0xE000) {
      ++i;
    } else if (u >= 0xD800 && u < 0xE000) {
      return true;
    }
  }
  return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::string back = win32ui::toUtf8(win32ui::toUtf16(text));
  if ((back == text) != wellFormed(text)) std::abort();
  if (!wellFormed(back)) std::abort();

  std::u16string units(size / 2, u'\0');
  for (std::size_t i = 0; i < units.size(); ++i) {
    units[i] = static_cast<char16_t>(data[2 * i] | data[2 * i + 1] << 8);
  }
  const std::u16string unitsBack = win32ui::toUtf16(win32ui::toUtf8(units));
  if ((unitsBack == units) == hasLoneSurrogate(units)) std::abort();
  return 0;
}
