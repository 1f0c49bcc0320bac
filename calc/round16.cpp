// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/round16.h"

#include <cmath>

#include "calc/runtime_error.h"

namespace calc {

std::int16_t roundToInt16(double value) {
  // The default rounding mode sends a half to the even neighbour.
  const double rounded = std::nearbyint(value);
  if (std::isnan(rounded) || rounded < -32768.0 || rounded > 32767.0) {
    throw RuntimeError(RuntimeError::Kind::Overflow);
  }
  return static_cast<std::int16_t>(rounded);
}

}  // namespace calc
