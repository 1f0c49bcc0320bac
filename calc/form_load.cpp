// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "calc/form_load.h"

#include "calc/start_texts.h"

namespace calc {

void Form_Load(Host& host) {
  const auto texts = startTexts();
  for (const TextBox box : {TextBox::Text1, TextBox::Text2, TextBox::Text3, TextBox::Text4}) {
    host.setText(box, texts[static_cast<std::size_t>(box)]);
  }
}

}  // namespace calc
