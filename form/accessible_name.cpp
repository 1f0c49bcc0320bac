// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "form/accessible_name.h"

#include <algorithm>
#include <string_view>

namespace form {
namespace {

// Full-width colon, ideographic space, and the plain space that ends Label4.
constexpr std::array<std::string_view, 3> kUnspoken{"\uFF1A", "\u3000", " "};

}  // namespace

std::string accessibleName(const Control& entry) {
  if (entry.labelledBy.empty()) return {};
  const auto* label = std::find_if(kControls.begin(), kControls.end(),
                                   [&](const Control& c) { return c.name == entry.labelledBy; });
  std::string name(label->caption);
  for (const std::string_view piece : kUnspoken) {
    for (auto at = name.find(piece); at != std::string::npos; at = name.find(piece, at)) {
      name.erase(at, piece.size());
    }
  }
  return name;
}

}  // namespace form
