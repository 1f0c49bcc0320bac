// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// The last step of the start-up, failing once the window exists: the program
// that links this in place of qt/wiring.cpp shows how such a failure ends.
#include <stdexcept>

#include "qt/wiring.h"

namespace qtui {

void wireEvents(frm_main& /*form*/, calc::Host& /*host*/, const calc::NumberLocale& /*locale*/) {
  throw std::runtime_error(QUORVEL_START_FAILURE);
}

}  // namespace qtui
