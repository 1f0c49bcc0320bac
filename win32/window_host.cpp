// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "win32/window_host.h"

#include "form/app_info.h"
#include "win32/frm_main.h"
#include "win32/wide.h"

namespace win32ui {

std::string WindowHost::text(calc::TextBox box) const {
  HWND control = form_.textBox(box);
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(control)), L'\0');
  const int length = GetWindowTextW(control, text.data(), static_cast<int>(text.size()) + 1);
  text.resize(static_cast<std::size_t>(length));
  return fromWide(text);
}

void WindowHost::setText(calc::TextBox box, const std::string& text) {
  SetWindowTextW(form_.textBox(box), toWide(text).c_str());
}

void WindowHost::messageBox(const std::string& prompt, int /*style: always OK only*/) {
  // A carriage return alone breaks the line in a message box, so the prompt is
  // shown as it is. Owned by the window, which takes no clicks while it is open.
  MessageBoxW(form_.hwnd(), toWide(prompt).c_str(), toWide(form::kAppTitle).c_str(), MB_OK);
}

}  // namespace win32ui
