// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include <QApplication>

#include "qt/application.h"
#include "qt/close_over_notice.h"
#include "qt/form_load.h"
#include "qt/frm_main.h"
#include "qt/window_host.h"
#include "qt/wiring.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  qtui::setUpApplication(app);

  qtui::frm_main form;
  qtui::Form_Load(form);
  qtui::WindowHost host(form);
  qtui::wireEvents(form, host, qtui::systemNumberLocale());
  qtui::CloseOverNotice closeOverNotice(form);
  app.installNativeEventFilter(&closeOverNotice);
  form.show();
  return QApplication::exec();
}
