// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/click.h"

#include <new>

#include "calc/command.h"

namespace calc {

std::optional<RuntimeError::Kind> click(Host& host, const NumberLocale& locale) noexcept {
  // The error is reported once the exception is gone: a failed allocation has
  // left its memory free again by then for the notice.
  std::optional<RuntimeError::Kind> error;
  try {
    Command1_Click(host, locale);
  } catch (const RuntimeError& failure) {
    error = failure.kind();
  } catch (const std::bad_alloc&) {
    error = RuntimeError::Kind::OutOfMemory;
  } catch (...) {
    error = RuntimeError::Kind::Unexpected;
  }
  if (!error) return error;
  try {
    host.messageBox(RuntimeError(*error).prompt(), kOkOnly);
  } catch (...) {
    // A notice that cannot be made (its text or its box out of memory) is
    // lost, and the click still ends here: nothing leaves into the window's
    // event loop.
  }
  return error;
}

}  // namespace calc
