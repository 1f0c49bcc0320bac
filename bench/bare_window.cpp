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

#include "ui/controls.h"
#include "ui/face.h"
#include "ui/to_qstring.h"
#include "ui/twips.h"

namespace {

QWidget* plainWidget(const ui::Control& control, QWidget* parent) {
  const QString caption = ui::toQString(control.caption);
  switch (control.kind) {
    case ui::Kind::TextBox:
      return new QLineEdit(parent);
    case ui::Kind::CommandButton:
      return new QPushButton(caption, parent);
    case ui::Kind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setEditText(caption);
      return combo;
    }
    case ui::Kind::Label:
      return new QLabel(caption, parent);
    case ui::Kind::Line:
      break;
  }
  return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QWidget window;
  const auto pixels = [&window](int twips) {
    return ui::twipsToPixels(twips, window.logicalDpiX());
  };
  window.setFont(ui::fontOf(ui::Face::Window));
  window.setWindowTitle(ui::toQString(ui::kCaption));
  window.setFixedSize(pixels(ui::kClientWidth), pixels(ui::kClientHeight));
  for (const ui::Control& control : ui::kControls) {
    QWidget* widget = plainWidget(control, &window);
    if (widget == nullptr) continue;
    if (control.face != ui::Face::Window) widget->setFont(ui::fontOf(control.face));
    const int width = control.width == ui::kSizedToCaption ? 1800 : control.width;
    widget->setGeometry(pixels(control.left), pixels(control.top), pixels(width),
                        pixels(control.height));
  }
  window.show();
  return QApplication::exec();
}
