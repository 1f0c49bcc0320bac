// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include <QApplication>

#include "ui/application.h"
#include "ui/form_load.h"
#include "ui/frm_main.h"
#include "ui/window_host.h"
#include "ui/wiring.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  ui::setUpApplication(app);

  ui::frm_main form;
  ui::Form_Load(form);
  ui::WindowHost host(form);
  ui::wireEvents(form, host, ui::systemNumberLocale());
  form.show();
  return QApplication::exec();
}
