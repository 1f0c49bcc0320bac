// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace calc {

// The nearest 16-bit integer, a half going to the even neighbour; raises the
// overflow error outside -32768..32767.
std::int16_t roundToInt16(double value);

}  // namespace calc
