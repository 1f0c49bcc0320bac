// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include <QApplication>

#include "qt/application.h"
#include "qt/event_barrier.h"
#include "qt/running_window.h"

int main(int argc, char* argv[]) {
  qtui::EventBarrierApplication app(argc, argv);
  qtui::setUpApplication(app);
  qtui::RunningWindow window(qtui::systemNumberLocale());
  window.form().show();
  return QApplication::exec();
}
