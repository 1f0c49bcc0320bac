// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <string>

namespace calc {

// What Text1..Text4 hold when the window opens: no income yet, no insurance,
// the 3500 yuan exemption and a tax of 0.
std::array<std::string, 4> startTexts();

}  // namespace calc
