// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "win32/form_load.h"

#include "calc/start_texts.h"
#include "win32/frm_main.h"
#include "win32/utf16.h"

namespace win32ui {

void Form_Load(frm_main& form) {
  const auto texts = calc::startTexts();
  for (const calc::TextBox box :
       {calc::TextBox::Text1, calc::TextBox::Text2, calc::TextBox::Text3, calc::TextBox::Text4}) {
    const std::u16string text = toUtf16(texts[static_cast<std::size_t>(box)]);
    SetWindowTextW(form.textBox(box), reinterpret_cast<const wchar_t*>(text.c_str()));
  }
}

}  // namespace win32ui
