// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/window_host.h"

#include <QLineEdit>
#include <QMessageBox>

#include "calc/notice.h"
#include "form/app_info.h"
#include "qt/frm_main.h"
#include "qt/to_qstring.h"

namespace qtui {

std::string WindowHost::text(calc::TextBox box) const {
  return form_.textBox(box)->text().toStdString();
}

void WindowHost::setText(calc::TextBox box, const std::string& text) {
  form_.textBox(box)->setText(QString::fromStdString(text));
}

void WindowHost::messageBox(const std::string& prompt, int /*style: always OK only*/) {
  // Plain text, so a prompt can never be read as markup; each CR breaks a line.
  QMessageBox box(QMessageBox::NoIcon, toQString(form::kAppTitle),
                  QString::fromStdString(prompt).replace(QChar(calc::kCarriageReturn), '\n'),
                  QMessageBox::Ok, &form_);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace qtui
