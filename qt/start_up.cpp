// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/start_up.h"

#include <QApplication>
#include <exception>
#include <string>
#include <string_view>

#include "calc/start_failure.h"
#include "qt/application.h"
#include "qt/message_box.h"

namespace qtui {

std::unique_ptr<RunningWindow> startUp(QApplication& app) {
  std::exception_ptr failure;
  try {
    setUpApplication(app);
    auto window = std::make_unique<RunningWindow>(systemNumberLocale());
    window->form().show();
    return window;
  } catch (...) {
    failure = std::current_exception();
  }
  // Once the window is gone: the box stands alone.
  calc::refuseToStart(failure, [](std::string_view prompt) {
    showMessageBox(nullptr, QMessageBox::Critical, std::string(prompt));
    return true;
  });
  return nullptr;
}

}  // namespace qtui
