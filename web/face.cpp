// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "web/face.h"

#include <string>

#include "web/dom.h"

namespace web {
namespace {

// The Song faces in the order of preference, which the browser tries in turn,
// and its own serif face where the system has none of them.
std::string songFamilies() {
  std::string families;
  for (const std::string_view name : form::kFamilies) {
    families.append("\"").append(name).append("\", ");
  }
  return families + "serif";
}

}  // namespace

void setFace(const emscripten::val& element, form::Face face) {
  const form::FaceSetting& setting = form::kFaces.at(static_cast<std::size_t>(face));
  static const std::string families = songFamilies();
  setStyle(element, "font-family", families);
  // Points as points, which the page's 96 pixels to the inch make 12 pixels
  // for 9; written as the browser writes the number ("10.5").
  setStyle(element, "font-size",
           emscripten::val(setting.pointSize).call<std::string>("toString") + "pt");
  setStyle(element, "font-weight", setting.bold ? "bold" : "normal");
}

}  // namespace web
