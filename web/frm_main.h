// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <emscripten/val.h>

#include <vector>

#include "calc/host.h"

namespace web {

// The one window, as a form of the page: its controls stand where the
// controls table puts them and never move. The form's submit button is the
// default button.
class FrmMain {
 public:
  // Builds the window into the page's body and puts the focus in its first control.
  FrmMain();

  const emscripten::val& form() const { return form_; }
  emscripten::val textBox(calc::TextBox box) const;

 private:
  emscripten::val form_;
  std::vector<emscripten::val> textBoxes_;  // Text1..Text4
};

}  // namespace web
