// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/utf8.h"

namespace calc {

std::optional<char32_t> decodeUtf8(std::string_view text, std::size_t& at) noexcept {
  const auto lead = static_cast<unsigned char>(text[at++]);
  if (lead < 0x80) return lead;
  int length = 0;
  // The second byte's range shuts out overlong forms, surrogates and values
  // past U+10FFFF.
  unsigned char low = 0x80;
  unsigned char high = 0xBF;
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;
    if (lead == 0xED) high = 0x9F;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;
    if (lead == 0xF4) high = 0x8F;
  } else {
    return std::nullopt;
  }
  char32_t c = lead & (0x7Fu >> length);
  for (int i = 1; i < length; ++i) {
    if (at == text.size()) return std::nullopt;
    const auto byte = static_cast<unsigned char>(text[at]);
    if (byte < low || byte > high) return std::nullopt;
    low = 0x80;
    high = 0xBF;
    c = c << 6 | (byte & 0x3Fu);
    ++at;
  }
  return c;
}

}  // namespace calc
