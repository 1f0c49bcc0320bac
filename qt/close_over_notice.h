// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <QtGui/qpa/qwindowsysteminterface_p.h>

class QWidget;

namespace qtui {

// Closing the window while a notice is open ends the program, as closing it
// does at any other moment. The toolkit alone drops the request, because the
// notice blocks the window, and the program would live on behind it. The
// request is taken where every platform hands it to the toolkit, so X11 and
// Wayland alike; it is in place while the object lives.
class CloseOverNotice final : public QWindowSystemEventHandler {
 public:
  explicit CloseOverNotice(const QWidget& window);
  ~CloseOverNotice() override;
  CloseOverNotice(const CloseOverNotice&) = delete;
  CloseOverNotice& operator=(const CloseOverNotice&) = delete;
  CloseOverNotice(CloseOverNotice&&) = delete;
  CloseOverNotice& operator=(CloseOverNotice&&) = delete;

  bool sendEvent(QWindowSystemInterfacePrivate::WindowSystemEvent* event) override;

 private:
  const QWidget& window_;
};

}  // namespace qtui
