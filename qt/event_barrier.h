// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <QApplication>

namespace qtui {

// The application whose event loop lets no exception through: the toolkit's
// own frames cannot be unwound. A click reports its own (calc::click); one
// from anywhere else ends the event that raised it, and the program goes on.
class EventBarrierApplication final : public QApplication {
 public:
  EventBarrierApplication(int& argc, char** argv) : QApplication(argc, argv) {}

  bool notify(QObject* receiver, QEvent* event) override;
};

}  // namespace qtui
