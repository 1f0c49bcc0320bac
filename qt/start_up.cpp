// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/start_up.h"

#include <QApplication>
#include <exception>
#include <string>

#include "calc/start_failure.h"
#include "qt/application.h"
#include "qt/message_box.h"

namespace qtui {

std::unique_ptr<RunningWindow> startUp(QApplication& app) {
  std::string prompt;
  try {
    setUpApplication(app);
    auto window = std::make_unique<RunningWindow>(systemNumberLocale());
    window->form().show();
    return window;
  } catch (...) {
    prompt = calc::startFailurePrompt(std::current_exception());
  }
  // Once the failure is gone, and the window with it: the box stands alone.
  showMessageBox(nullptr, QMessageBox::Critical, prompt);
  return nullptr;
}

}  // namespace qtui
