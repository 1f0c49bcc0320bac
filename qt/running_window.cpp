// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/running_window.h"

#include <QCoreApplication>

#include "calc/form_load.h"
#include "qt/wiring.h"

namespace qtui {

RunningWindow::RunningWindow(const calc::NumberLocale& locale) {
  calc::Form_Load(host_);
  wireEvents(form_, host_, locale);
  QCoreApplication::instance()->installNativeEventFilter(&closeOverNotice_);
}

RunningWindow::~RunningWindow() {
  QCoreApplication::instance()->removeNativeEventFilter(&closeOverNotice_);
}

}  // namespace qtui
