// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "ui/application.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "app_info.h"
#include "ui/to_qstring.h"

namespace ui {

void setUpApplication(QApplication& app) {
  // The display name stays unset: on X11 the toolkit would append it to the caption.
  QApplication::setApplicationName(toQString(kAppName));
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  QLocale::setDefault(chinese);
  auto* translator = new QTranslator(&app);
  if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
}

calc::NumberLocale systemNumberLocale() {
  const QLocale system = QLocale::system();
  return {system.decimalPoint().toStdString(), system.groupSeparator().toStdString()};
}

}  // namespace ui
