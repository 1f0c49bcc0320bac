// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

namespace win32ui {

class frm_main;

// The window's load: gives Text1..Text4 their first texts, in that order.
void Form_Load(frm_main& form);

}  // namespace win32ui
