// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/wiring.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "calc/click.h"
#include "qt/frm_main.h"

namespace qtui {

void wireEvents(frm_main& form, calc::Host& host, const calc::NumberLocale& locale) {
  QPushButton* command1 = form.command1();
  QObject::connect(command1, &QPushButton::clicked, &form,
                   [&host, locale] { calc::click(host, locale); });

  // Command1 is the default button: Enter anywhere in the window presses it.
  command1->setDefault(true);
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    QObject::connect(new QShortcut(QKeySequence(key), &form), &QShortcut::activated, command1,
                     &QPushButton::click);
  }
}

}  // namespace qtui
