// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// The Windows window as the program makes it, but every click runs out of
// memory twice: once in the calculation, whose click reports it, and once
// more in the window's own handler, which only the window procedure stops,
// leaving a trace for a debugger.
#include <windows.h>

#include <new>

#include "calc/click.h"
#include "calc/form_load.h"
#include "win32/frm_main.h"
#include "win32/window_host.h"
#include "win32/wiring.h"

namespace {

class OutOfMemoryHost final : public calc::Host {
 public:
  explicit OutOfMemoryHost(win32ui::WindowHost& window) : window_(window) {}
  std::string text(calc::TextBox /*box*/) const override { throw std::bad_alloc(); }
  void setText(calc::TextBox box, const std::string& text) override { window_.setText(box, text); }
  void messageBox(const std::string& prompt, int style) override {
    window_.messageBox(prompt, style);
  }

 private:
  win32ui::WindowHost& window_;
};

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE /*previous*/, PWSTR /*commandLine*/,
                    int nShowCmd) {
  win32ui::frm_main form(instance);
  win32ui::WindowHost window(form);
  OutOfMemoryHost failing(window);
  calc::Form_Load(window);
  form.onCommand1Click([&failing] {
    calc::click(failing, {});
    throw std::bad_alloc();
  });
  form.show(nShowCmd);
  return win32ui::runEvents(form);
}
