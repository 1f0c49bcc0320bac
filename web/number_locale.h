// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/number_locale.h"

namespace web {

// The decimal and group marks of the browser's language, or the plain ones
// where they cannot read a number.
calc::NumberLocale browserNumberLocale();

}  // namespace web
