// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

#include "win32/utf16.h"

namespace win32ui {

// The Windows API's texts are wchar_t strings of UTF-16 units.
static_assert(sizeof(wchar_t) == sizeof(char16_t), "wchar_t is no UTF-16 unit here");

inline std::wstring toWide(std::string_view utf8) {
  const std::u16string text = toUtf16(utf8);
  return {text.begin(), text.end()};
}

inline std::string fromWide(std::wstring_view text) {
  return toUtf8(std::u16string(text.begin(), text.end()));
}

}  // namespace win32ui
