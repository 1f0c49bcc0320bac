// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "ui/face.h"

#include <QStringList>

#include "ui/to_qstring.h"

namespace ui {

QFont fontOf(Face face) {
  QStringList families;
  for (const std::string_view family : kFamilies) families << toQString(family);
  const FaceSetting& setting = kFaces[static_cast<std::size_t>(face)];
  QFont font;
  font.setFamilies(families);
  font.setPointSizeF(setting.pointSize);
  font.setBold(setting.bold);
  return font;
}

}  // namespace ui
