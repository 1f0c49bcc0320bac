// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/start_texts.h"

#include "calc/number_text.h"

namespace calc {

std::array<std::string, 4> startTexts() {
  return {"", integerText(0), integerText(3500), integerText(0)};
}

}  // namespace calc
