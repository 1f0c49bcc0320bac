// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/event_barrier.h"

#include <QtGlobal>
#include <exception>

namespace qtui {

bool EventBarrierApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& error) {
    qCritical("an event ended with an exception: %s", error.what());
  } catch (...) {
    qCritical("an event ended with an exception");
  }
  return false;
}

}  // namespace qtui
