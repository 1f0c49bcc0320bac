// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include "form/controls.h"

namespace win32ui {

// The child-window id of a control: its place in the controls table, past the
// ids that the dialog manager keeps for itself (IDOK, IDCANCEL, ...).
constexpr int controlId(const form::Control& control) {
  return 100 + static_cast<int>(&control - form::kControls.data());
}

}  // namespace win32ui
