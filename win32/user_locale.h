// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/number_locale.h"

namespace win32ui {

// The separators of numbers as the user's Windows settings write them.
calc::NumberLocale userNumberLocale();

}  // namespace win32ui
