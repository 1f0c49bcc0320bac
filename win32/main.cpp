// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <objbase.h>

#include "win32/accessible_names.h"
#include "win32/form_load.h"
#include "win32/frm_main.h"
#include "win32/user_locale.h"
#include "win32/window_host.h"
#include "win32/wiring.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int showCommand) {
  // The controls of the system's visual style, and COM for the screen readers' names.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);

  int status = 0;
  {
    win32ui::frm_main form(instance);
    win32ui::nameEntries(form);
    win32ui::Form_Load(form);
    win32ui::WindowHost host(form);
    win32ui::wireEvents(form, host, win32ui::userNumberLocale());
    form.show(showCommand);
    status = win32ui::runEvents(form);
  }
  if (SUCCEEDED(com)) CoUninitialize();
  return status;
}
