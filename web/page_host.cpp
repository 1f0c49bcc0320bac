// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "web/page_host.h"

#include "web/dom.h"

namespace web {

std::string PageHost::text(calc::TextBox box) const {
  return form_.textBox(box)["value"].as<std::string>();
}

void PageHost::setText(calc::TextBox box, const std::string& text) {
  form_.textBox(box).set("value", jsString(text));
}

void PageHost::messageBox(const std::string& prompt, int /*style: always OK only*/) {
  notice_.show(prompt);
}

}  // namespace web
