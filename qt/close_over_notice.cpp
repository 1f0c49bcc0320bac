// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/close_over_notice.h"

#include <xcb/xcb.h>

#include <QApplication>
#include <QWidget>
#include <cstdlib>
#include <memory>
#include <string_view>

namespace qtui {
namespace {

std::uint32_t internAtom(xcb_connection_t* connection, std::string_view name) {
  const xcb_intern_atom_cookie_t cookie =
      xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
  const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
      xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
  return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

}  // namespace

CloseOverNotice::CloseOverNotice(const QWidget& window) : window_(window) {
  const auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
  // Not on X (the offscreen platform answers with no connection): the atoms
  // stay none and nothing matches.
  if (x11 == nullptr || x11->connection() == nullptr) return;
  wmProtocols_ = internAtom(x11->connection(), "WM_PROTOCOLS");
  wmDeleteWindow_ = internAtom(x11->connection(), "WM_DELETE_WINDOW");
}

bool CloseOverNotice::nativeEventFilter(const QByteArray& eventType, void* message,
                                        qintptr* /*result*/) {
  if (eventType != "xcb_generic_event_t" || QApplication::activeModalWidget() == nullptr) {
    return false;
  }
  const auto* event = static_cast<const xcb_generic_event_t*>(message);
  if ((event->response_type & ~0x80) != XCB_CLIENT_MESSAGE) return false;
  const auto* request = static_cast<const xcb_client_message_event_t*>(message);
  if (request->window != window_.winId() || request->format != 32 ||
      request->type != wmProtocols_ || request->data.data32[0] != wmDeleteWindow_) {
    return false;
  }
  // Every event loop ends, the notice's too; the click that showed it returns.
  QCoreApplication::exit(0);
  return true;
}

}  // namespace qtui
