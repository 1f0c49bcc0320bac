// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/number_locale.h"

class QApplication;

namespace qtui {

// Names the application, speaks the toolkit's own texts (OK buttons, context
// menus) in Simplified Chinese, whatever the system's language, and presents
// the window to screen readers as a frame.
void setUpApplication(QApplication& app);

// The separators of numbers as the user's system locale writes them.
calc::NumberLocale systemNumberLocale();

}  // namespace qtui
