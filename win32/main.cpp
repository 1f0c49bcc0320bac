// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include <windows.h>
// After windows.h, whose types they use.
#include <commctrl.h>
#include <objbase.h>

#include <exception>
#include <string_view>

#include "calc/form_load.h"
#include "calc/start_failure.h"
#include "form/app_info.h"
#include "win32/accessible_names.h"
#include "win32/frm_main.h"
#include "win32/user_locale.h"
#include "win32/wide.h"
#include "win32/window_host.h"
#include "win32/wiring.h"

namespace {

// COM on this thread while the window lives, for the screen readers' names.
class ComApartment {
 public:
  ComApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED)) {}
  ~ComApartment() {
    if (SUCCEEDED(result_)) CoUninitialize();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;
  ComApartment(ComApartment&&) = delete;
  ComApartment& operator=(ComApartment&&) = delete;

 private:
  HRESULT result_;
};

// A program that cannot start says why and ends, rather than wait for events
// of a window that is not there. Its window, if it was made, is gone by now
// without a quit posted, which would end this message box unseen.
int refuseToStart(const std::exception_ptr& failure) noexcept {
  calc::refuseToStart(failure, [](std::string_view prompt) {
    return MessageBoxW(nullptr, win32ui::toWide(prompt).c_str(),
                       win32ui::toWide(form::kAppTitle).c_str(), MB_OK | MB_ICONERROR) != 0;
  });
  return 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int nShowCmd) {
  // The controls of the system's visual style.
  const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  const ComApartment com;
  try {
    win32ui::frm_main form(instance);
    win32ui::nameEntries(form);
    win32ui::WindowHost host(form);
    calc::Form_Load(host);
    win32ui::wireEvents(form, host, win32ui::userNumberLocale());
    form.show(nShowCmd);
    return win32ui::runEvents(form);
  } catch (...) {
    return refuseToStart(std::current_exception());
  }
}
