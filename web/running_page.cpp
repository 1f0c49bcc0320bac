// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "web/running_page.h"

#include <emscripten/bind.h>

#include "calc/form_load.h"
#include "web/dom.h"
#include "web/number_locale.h"

namespace web {
namespace {

using emscripten::val;

RunningPage& page() {
  static RunningPage running;
  return running;
}

void submit(const val& event) { page().submit(event); }
void keyDown(const val& event) { page().keyDown(event); }
void noticeClosed(const val& /*event*/) { page().noticeClosed(); }

// What the browser checks and the start-up benchmark time: the window drawn with its texts.
void markReady(const val& /*time*/) {
  val::global("performance").call<void>("mark", jsString("quorvel-ready"));
}

}  // namespace

RunningPage::RunningPage() : notice_("noticeClosed"), locale_(browserNumberLocale()) {
  calc::Form_Load(host_);
  listen(form_.form(), "submit", "submit");
  listen(form_.form(), "keydown", "keyDown");
  val::global("window").call<void>("requestAnimationFrame", val::module_property("markReady"));
}

void RunningPage::submit(const val& event) {
  event.call<void>("preventDefault");
  // A click waits for the end of the one before, as the desktop takes one event at a time.
  if (playback_.running()) return;
  playback_.start(
      calc::recordRun({host_.text(calc::TextBox::Text1), host_.text(calc::TextBox::Text2),
                       host_.text(calc::TextBox::Text3), host_.text(calc::TextBox::Text4)},
                      locale_));
}

void RunningPage::keyDown(const val& event) const {
  // The form submits itself on Enter in an entry or on its button; the
  // drop-down list leaves Enter alone.
  if (event["key"].as<std::string>() != "Enter" || event["defaultPrevented"].as<bool>() ||
      event["target"]["localName"].as<std::string>() != "select") {
    return;
  }
  event.call<void>("preventDefault");
  form_.form().call<void>("requestSubmit");
}

void RunningPage::noticeClosed() { playback_.resume(); }

void start() { page(); }

}  // namespace web

EMSCRIPTEN_BINDINGS(page) {
  emscripten::function("submit", &web::submit);
  emscripten::function("keyDown", &web::keyDown);
  emscripten::function("noticeClosed", &web::noticeClosed);
  emscripten::function("markReady", &web::markReady);
}
