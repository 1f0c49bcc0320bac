// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/host.h"

namespace calc {

// The window's load: gives Text1..Text4 their first texts, in that order.
void Form_Load(Host& host);

}  // namespace calc
