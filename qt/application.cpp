// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/application.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include "form/app_info.h"
#include "qt/frm_main.h"
#include "qt/to_qstring.h"

namespace qtui {
namespace {

// A screen reader announces the window as a frame, as any top-level window; a
// plain widget would be announced as a filler.
QAccessibleInterface* accessibleWindow(const QString& /*className*/, QObject* object) {
  auto* form = qobject_cast<frm_main*>(object);
  return form != nullptr ? new QAccessibleWidget(form, QAccessible::Window) : nullptr;
}

}  // namespace

void setUpApplication(QApplication& app) {
  // The display name stays unset: on X11 the toolkit would append it to the caption.
  QApplication::setApplicationName(toQString(form::kAppName));
  // A Wayland shell takes the window's app_id for the name of its desktop entry.
  QGuiApplication::setDesktopFileName(toQString(form::kAppId));
  const QLocale chinese(QLocale::Chinese, QLocale::China);
  QLocale::setDefault(chinese);
  auto* translator = new QTranslator(&app);
  if (translator->load(chinese, QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QApplication::installTranslator(translator);
  }
  QAccessible::installFactory(accessibleWindow);
}

calc::NumberLocale systemNumberLocale() {
  const QLocale system = QLocale::system();
  return calc::systemOrPlain(
      {system.decimalPoint().toStdString(), system.groupSeparator().toStdString()});
}

}  // namespace qtui
