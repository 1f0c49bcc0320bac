// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// The window's design as one JSON object, for the checks of the page and its
// yardstick in the start-up benchmark: the client area, the Song faces, each
// control's kind, box (a label sized to its caption has no width), face,
// character limit and name for a screen reader, the lines and the tab order.
#include <array>
#include <cstddef>
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "form/accessible_name.h"
#include "form/controls.h"

namespace {

// In the order of form::Kind.
constexpr std::array<std::string_view, 4> kKinds{"TextBox", "CommandButton", "ComboBox", "Label"};

nlohmann::json table() {
  using nlohmann::json;
  json table{{"client", {form::kClientWidth, form::kClientHeight}}, {"families", form::kFamilies}};
  for (const form::Control& control : form::kControls) {
    const form::FaceSetting& face = form::kFaces.at(static_cast<std::size_t>(control.face));
    table["controls"][std::string(control.name)] = {
        {"kind", kKinds.at(static_cast<std::size_t>(control.kind))},
        {"box", {control.left, control.top, control.width, control.height}},
        {"face", {{"pointSize", face.pointSize}, {"bold", face.bold}}},
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
