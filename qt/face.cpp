// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/face.h"

#include <QFontDatabase>
#include <QStringList>

#include "qt/to_qstring.h"

namespace qtui {
namespace {

// The first Song face in the order of preference that the platform has,
// looked up once among the families the toolkit has loaded anyway; letting the
// font configuration try each name in turn, for every face, was a good part of
// the start-up's work. Where none is there, the whole order is left for the
// toolkit to fall back on.
const QStringList& songFamily() {
  static const QStringList family = [] {
    const QStringList installed = QFontDatabase::families();
    QStringList preferred;
    for (const std::string_view name : form::kFamilies) preferred << toQString(name);
    for (const QString& name : preferred) {
      if (installed.contains(name, Qt::CaseInsensitive)) return QStringList{name};
    }
    return preferred;
  }();
  return family;
}

}  // namespace

QFont fontOf(form::Face face) {
  const form::FaceSetting& setting = form::kFaces[static_cast<std::size_t>(face)];
  QFont font;
  font.setFamilies(songFamily());
  font.setPointSizeF(setting.pointSize);
  font.setBold(setting.bold);
  return font;
}

}  // namespace qtui
