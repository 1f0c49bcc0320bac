// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "win32/wiring.h"

#include <cstdlib>

#include "calc/click.h"
#include "win32/frm_main.h"

namespace win32ui {

void wireEvents(frm_main& form, calc::Host& host, const calc::NumberLocale& locale) {
  form.onCommand1Click([&host, locale] { calc::click(host, locale); });
}

int runEvents(const frm_main& form) {
  MSG message{};
  BOOL got = 0;
  while ((got = GetMessageW(&message, nullptr, 0, 0)) > 0) {
    // Tab walks the tab order; Enter asks the window for its default button.
    if (IsDialogMessageW(form.hwnd(), &message) != FALSE) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  // Failed, GetMessageW leaves the message as it was: no quit's status.
  return got == 0 ? static_cast<int>(message.wParam) : EXIT_FAILURE;
}

}  // namespace win32ui
