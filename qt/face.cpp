// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/face.h"

#include <QStringList>

#include "qt/to_qstring.h"

namespace qtui {

QFont fontOf(form::Face face) {
  QStringList families;
  for (const std::string_view family : form::kFamilies) families << toQString(family);
  const form::FaceSetting& setting = form::kFaces[static_cast<std::size_t>(face)];
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(setting.pointSize);
  font.setBold(setting.bold);
  return font;
}

}  // namespace qtui
