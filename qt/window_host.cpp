// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/window_host.h"

#include <QLineEdit>

#include "qt/frm_main.h"
#include "qt/message_box.h"

namespace qtui {

std::string WindowHost::text(calc::TextBox box) const {
  return form_.textBox(box)->text().toStdString();
}

void WindowHost::setText(calc::TextBox box, const std::string& text) {
  form_.textBox(box)->setText(QString::fromStdString(text));
}

void WindowHost::messageBox(const std::string& prompt, int /*style: always OK only*/) {
  showMessageBox(&form_, QMessageBox::NoIcon, prompt);
}

}  // namespace qtui
