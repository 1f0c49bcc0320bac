// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/click.h"

#include "calc/command.h"

namespace calc {

std::optional<RuntimeError::Kind> click(Host& host, const NumberLocale& locale) {
  try {
    Command1_Click(host, locale);
  } catch (const RuntimeError& error) {
    host.messageBox(error.prompt(), kOkOnly);
    return error.kind();
  }
  return std::nullopt;
}

}  // namespace calc
