// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/host.h"
#include "calc/number_locale.h"

namespace calc {

// The calculate button: checks the three entries, writes the tax into Text4
// or shows one notice. Raises RuntimeError at a failing step.
void Command1_Click(Host& host, const NumberLocale& locale);

}  // namespace calc
