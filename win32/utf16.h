// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <string_view>

namespace win32ui {

// The window's texts are UTF-16, the calculation's UTF-8. A byte or unit that
// is no part of a valid character becomes U+FFFD; nothing is dropped silently
// and nothing throws.
std::u16string toUtf16(std::string_view utf8);
std::string toUtf8(std::u16string_view utf16);

}  // namespace win32ui
