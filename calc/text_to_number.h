// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string_view>

#include "calc/number_locale.h"

namespace calc {

// The full-text conversion: the double that the whole text denotes in the
// user's locale, or nothing when the text is no number; a text passes the
// numeric test exactly when this gives a value.
std::optional<double> fullTextConversion(std::string_view text, const NumberLocale& locale);

}  // namespace calc
