// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include "calc/host.h"
#include "calc/number_locale.h"
#include "calc/runtime_error.h"

namespace calc {

// One click of the calculate button as the event boundary serves it: runs
// Command1_Click to its end. No procedure handles a runtime error, so one that
// ends the command, or any other exception, is reported in a message box of
// its own and the program goes on with the controls as they stand; nothing
// leaves it, not even a failure to show that message box. Returns that error,
// if any.
std::optional<RuntimeError::Kind> click(Host& host, const NumberLocale& locale) noexcept;

}  // namespace calc
