// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

#include "form/controls.h"

namespace form {

// What a screen reader calls an entry: the caption of the label that names it,
// without its colon and padding ("免　　征　　额：" is read as 免征额). Empty for
// a control that no label names.
std::string accessibleName(const Control& entry);

}  // namespace form
