// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

namespace win32ui {

class frm_main;

// Tells screen readers each entry's name, the caption of the label before it,
// as the Qt window does. Needs COM on this thread.
void nameEntries(const frm_main& form);

}  // namespace win32ui
