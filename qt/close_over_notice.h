// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>
#include <cstdint>

class QWidget;

namespace qtui {

// Closing the window while a notice is open ends the program, as closing it
// does at any other moment. The toolkit alone drops the request, because the
// notice blocks the window, and the program would live on behind it.
class CloseOverNotice final : public QAbstractNativeEventFilter {
 public:
  explicit CloseOverNotice(const QWidget& window);

  bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

 private:
  const QWidget& window_;
  std::uint32_t wmProtocols_ = 0;  // the X atoms of a window manager's close request
  std::uint32_t wmDeleteWindow_ = 0;
};

}  // namespace qtui
