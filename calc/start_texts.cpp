// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/start_texts.h"

namespace calc {

std::array<std::string, 4> startTexts() { return {"", "0", "3500", "0"}; }

}  // namespace calc
