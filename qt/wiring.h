// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/host.h"
#include "calc/number_locale.h"

namespace qtui {

class frm_main;

// The one event with a procedure: Command1's click, also pressed by Enter.
void wireEvents(frm_main& form, calc::Host& host, const calc::NumberLocale& locale);

}  // namespace qtui
