// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace win32ui {

// The first Song face of the order of preference that the system has with the
// captions' character set; where it has none, the first of the order, for
// the font mapper to match by that character set.
const std::wstring& songFamily();

}  // namespace win32ui
