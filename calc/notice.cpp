// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/notice.h"

namespace calc {
namespace {

constexpr std::string_view kDashRule = "-----------------------";

}  // namespace

std::string prompt(const Notice& notice) {
  std::string text(notice.chinese);
  if (notice.isError()) {
    text += kCarriageReturn;
    text += kDashRule;
    text += kCarriageReturn;
    text += notice.english;
  }
  return text;
}

}  // namespace calc
