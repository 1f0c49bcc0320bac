// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "ui/window_host.h"

#include <QLineEdit>
#include <QMessageBox>

#include "app_info.h"
#include "calc/notice.h"
#include "ui/frm_main.h"
#include "ui/to_qstring.h"

namespace ui {

std::string WindowHost::text(calc::TextBox box) const {
  return form_.textBox(box)->text().toStdString();
}

void WindowHost::setText4(const std::string& text) {
  form_.textBox(calc::TextBox::Text4)->setText(QString::fromStdString(text));
}

void WindowHost::messageBox(const std::string& prompt, int /*style: always OK only*/) {
  // Plain text, so a prompt can never be read as markup; each CR breaks a line.
  QMessageBox box(QMessageBox::NoIcon, toQString(kAppTitle),
                  QString::fromStdString(prompt).replace(QChar(calc::kCarriageReturn), '\n'),
                  QMessageBox::Ok, &form_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace ui
