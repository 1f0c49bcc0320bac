// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
// The yardstick for Quorvel's start-up: a plain window with the same kinds and
// count of controls, their captions and the same Song faces, and nothing else
// (no icon, translations, colours, tab order or names for a screen reader).
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QWidget>

#include "form/controls.h"
#include "form/twips.h"
#include "qt/face.h"
#include "qt/to_qstring.h"

namespace {

QWidget* plainWidget(const form::Control& control, QWidget* parent) {
  const QString caption = qtui::toQString(control.caption);
  switch (control.kind) {
    case form::Kind::TextBox:
      return new QLineEdit(parent);
    case form::Kind::CommandButton:
      return new QPushButton(caption, parent);
    case form::Kind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setEditText(caption);
      return combo;
    }
    case form::Kind::Label:
      break;
  }
  return new QLabel(caption, parent);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  const auto pixels = [&window](int twips) {
    return form::twipsToPixels(twips, window.logicalDpiX());
  };
  window.setFont(qtui::fontOf(form::Face::Window));
  window.setWindowTitle(qtui::toQString(form::kCaption));
  window.setFixedSize(pixels(form::kClientWidth), pixels(form::kClientHeight));
  for (const form::Control& control : form::kControls) {
    QWidget* widget = plainWidget(control, &window);
    if (control.face != form::Face::Window) widget->setFont(qtui::fontOf(control.face));
    widget->setGeometry(pixels(control.left), pixels(control.top), pixels(form::widthOf(control)),
                        pixels(control.height));
  }
  window.show();
  return QApplication::exec();
}
