// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/host.h"
#include "calc/number_locale.h"

namespace win32ui {

class frm_main;

// The one event with a procedure: Command1's click, also pressed by Enter.
void wireEvents(frm_main& form, calc::Host& host, const calc::NumberLocale& locale);

// Serves the window's events, one at a time, until it has closed; Tab and
// Enter go through the dialog manager. The program's exit status: the quit's,
// or a failure's when the events cannot be had.
int runEvents(const frm_main& form);

}  // namespace win32ui
