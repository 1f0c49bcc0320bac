// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "win32/wiring.h"

#include "calc/click.h"
#include "win32/frm_main.h"

namespace win32ui {

void wireEvents(frm_main& form, calc::Host& host, const calc::NumberLocale& locale) {
  form.onCommand1Click([&host, locale] { calc::click(host, locale); });
}

int runEvents(const frm_main& form) {
  MSG message{};
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    // Tab walks the tab order; Enter asks the window for its default button.
    if (IsDialogMessageW(form.hwnd(), &message) != FALSE) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return static_cast<int>(message.wParam);
}

}  // namespace win32ui
