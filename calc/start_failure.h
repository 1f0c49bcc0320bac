// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdio>
#include <exception>
#include <string>
#include <string_view>

#include "calc/notice.h"

namespace calc {

// The prompt of the message box of a program that cannot start: the Chinese
// line, and the failure that stopped it in English.
std::string startFailurePrompt(const std::exception_ptr& failure);

// The prompt of a start-up that ran out of memory, for when there is no memory
// to make the one above: fixed, it takes none.
inline constexpr std::string_view kStartFailureFallback =
    "程序无法启动！\r-----------------------\rError: Out of memory";

// Says why the program cannot start in the platform's error box: show(prompt)
// shows one and returns when the user has closed it, false when no box could
// be shown. A prompt or a box that fails (out of memory) gives way to the
// fixed prompt, and a box that fails with that one too to standard error:
// nothing leaves, and the program ends all the same.
template <typename Show>
void refuseToStart(const std::exception_ptr& failure, Show show) noexcept {
  try {
    if (show(startFailurePrompt(failure))) return;
  } catch (...) {
  }
  try {
    if (show(kStartFailureFallback)) return;
  } catch (...) {
  }
  for (const char c : kStartFailureFallback) std::fputc(c == kCarriageReturn ? '\n' : c, stderr);
  std::fputc('\n', stderr);
}

}  // namespace calc
