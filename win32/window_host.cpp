// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "win32/window_host.h"

#include "form/app_info.h"
#include "win32/frm_main.h"
#include "win32/utf16.h"

namespace win32ui {
namespace {

const wchar_t* wide(const std::u16string& text) {
  return reinterpret_cast<const wchar_t*>(text.c_str());
}

}  // namespace

std::string WindowHost::text(calc::TextBox box) const {
  HWND control = form_.textBox(box);
  std::u16string text(static_cast<std::size_t>(GetWindowTextLengthW(control)), u'\0');
  const int length = GetWindowTextW(control, reinterpret_cast<wchar_t*>(text.data()),
                                    static_cast<int>(text.size()) + 1);
  text.resize(static_cast<std::size_t>(length));
  return toUtf8(text);
}

void WindowHost::setText4(const std::string& text) {
  SetWindowTextW(form_.textBox(calc::TextBox::Text4), wide(toUtf16(text)));
}

void WindowHost::messageBox(const std::string& prompt, int /*style: always OK only*/) {
  // A carriage return alone breaks the line in a message box, so the prompt is
  // shown as it is. Owned by the window, which takes no clicks while it is open.
  MessageBoxW(form_.hwnd(), wide(toUtf16(prompt)), wide(toUtf16(form::kAppTitle)), MB_OK);
}

}  // namespace win32ui
