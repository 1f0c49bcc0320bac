// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/form_load.h"

#include <QLineEdit>

#include "calc/start_texts.h"
#include "qt/frm_main.h"

namespace qtui {

void Form_Load(frm_main& form) {
  const auto texts = calc::startTexts();
  for (const calc::TextBox box :
       {calc::TextBox::Text1, calc::TextBox::Text2, calc::TextBox::Text3, calc::TextBox::Text4}) {
    form.textBox(box)->setText(QString::fromStdString(texts[static_cast<std::size_t>(box)]));
  }
}

}  // namespace qtui
