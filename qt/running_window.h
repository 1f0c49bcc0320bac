// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include "calc/number_locale.h"
#include "qt/frm_main.h"
#include "qt/window_host.h"

namespace qtui {

// The program's start-up once the application is set up: frm_main made and
// loaded, with the calculate button wired to the calculation. Showing it is
// left to the caller.
class RunningWindow {
 public:
  explicit RunningWindow(const calc::NumberLocale& locale);

  frm_main& form() { return form_; }

 private:
  frm_main form_;
  WindowHost host_{form_};
};

}  // namespace qtui
