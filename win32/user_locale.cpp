// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "win32/user_locale.h"

#include <windows.h>

#include <string>

#include "win32/wide.h"

namespace win32ui {
namespace {

std::string localeText(LCTYPE type) {
  // A separator is at most three characters and its zero.
  wchar_t buffer[8]{};
  const int length = GetLocaleInfoEx(LOCALE_NAME_USER_DEFAULT, type, buffer, std::size(buffer));
  if (length <= 0) return {};
  return fromWide(std::wstring_view(buffer, static_cast<std::size_t>(length - 1)));
}

}  // namespace

calc::NumberLocale userNumberLocale() {
  return calc::systemOrPlain({localeText(LOCALE_SDECIMAL), localeText(LOCALE_STHOUSAND)});
}

}  // namespace win32ui
