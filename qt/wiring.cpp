// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/wiring.h"

#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>

#include "calc/command.h"
#include "calc/runtime_error.h"
#include "qt/frm_main.h"
#include "qt/window_host.h"

namespace qtui {

void wireEvents(frm_main& form, WindowHost& host, const calc::NumberLocale& locale) {
  QPushButton* command1 = form.command1();
  QObject::connect(command1, &QPushButton::clicked, &form, [&host, locale] {
    try {
      calc::Command1_Click(host, locale);
    } catch (const calc::RuntimeError& error) {
      // No procedure handles it: report it and go on with the controls as they stand.
      host.messageBox(error.prompt(), calc::kOkOnly);
    }
  });

  // Command1 is the default button: Enter anywhere in the window presses it.
  command1->setDefault(true);
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    QObject::connect(new QShortcut(QKeySequence(key), &form), &QShortcut::activated, command1,
                     &QPushButton::click);
  }
}

}  // namespace qtui
