// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/message_box.h"

#include "calc/notice.h"
#include "form/app_info.h"
#include "qt/to_qstring.h"

namespace qtui {

void showMessageBox(QWidget* owner, QMessageBox::Icon icon, const std::string& prompt) {
  // Plain text, so a prompt can never be read as markup.
  QMessageBox box(icon, toQString(form::kAppTitle),
                  QString::fromStdString(prompt).replace(QChar(calc::kCarriageReturn), '\n'),
                  QMessageBox::Ok, owner);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace qtui
