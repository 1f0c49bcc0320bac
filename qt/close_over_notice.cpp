// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/close_over_notice.h"

#include <QApplication>
#include <QWidget>
#include <QWindow>

namespace qtui {

CloseOverNotice::CloseOverNotice(const QWidget& window) : window_(window) {
  QWindowSystemInterfacePrivate::installWindowSystemEventHandler(this);
}

CloseOverNotice::~CloseOverNotice() {
  QWindowSystemInterfacePrivate::removeWindowSystemEventhandler(this);
}

bool CloseOverNotice::sendEvent(QWindowSystemInterfacePrivate::WindowSystemEvent* event) {
  if (event->type == QWindowSystemInterfacePrivate::Close &&
      QApplication::activeModalWidget() != nullptr) {
    const auto* request = static_cast<QWindowSystemInterfacePrivate::CloseEvent*>(event);
    if (request->window != nullptr && request->window == window_.windowHandle()) {
      // Every event loop ends, the notice's too; the click that showed it returns.
      QCoreApplication::exit(0);
      return true;
    }
  }
  return QWindowSystemEventHandler::sendEvent(event);
}

}  // namespace qtui
