// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// The window's design as one JSON object, for the checks of the page: the
// client area, each control's box (a label sized to its caption has no width),
// character limit and name for a screen reader, the lines and the tab order.
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "form/accessible_name.h"
#include "form/controls.h"

namespace {

nlohmann::json table() {
  using nlohmann::json;
  json table{{"client", {form::kClientWidth, form::kClientHeight}}};
  for (const form::Control& control : form::kControls) {
    table["controls"][std::string(control.name)] = {
        {"box", {control.left, control.top, control.width, control.height}},
        {"caption", control.caption},
        {"maxLength", control.maxLength},
        {"name", form::accessibleName(control)}};
  }
  for (const form::Line& line : form::kLines) {
    table["lines"][std::string(line.name)] = {line.x1, line.y1, line.x2, line.y2};
  }
  for (const form::Control* control : form::kTabOrder) {
    table["tabOrder"].push_back(control->name);
  }
  return table;
}

}  // namespace

int main() {
  // A caption that is not UTF-8 is no JSON string.
  try {
    std::cout << table().dump() << '\n';
  } catch (const nlohmann::json::exception& error) {
    std::cerr << "form-table: " << error.what() << '\n';
    return 1;
  }
}
