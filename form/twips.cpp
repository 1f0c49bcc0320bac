// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "form/twips.h"

#include <cmath>

namespace form {

int twipsToPixels(int twips, double dpi) {
  return static_cast<int>(std::lround(twips * dpi / 1440));
}

}  // namespace form
