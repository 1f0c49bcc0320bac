// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include <QApplication>

#include "qt/event_barrier.h"
#include "qt/start_up.h"

int main(int argc, char* argv[]) {
  qtui::EventBarrierApplication app(argc, argv);
  const auto window = qtui::startUp(app);
  // A start-up that failed has said why.
  return window ? QApplication::exec() : 1;
}
