// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "qt/frm_main.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QIcon>
#include <QImageReader>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QShortcut>
#include <algorithm>
#include <map>

#include "form/accessible_name.h"
#include "form/controls.h"
#include "form/twips.h"
#include "qt/face.h"
#include "qt/to_qstring.h"

namespace qtui {
namespace {

using form::Control;
using form::Face;
using form::Kind;

// The 32-bit images of the program's icon, the only ones a window shows. Read
// as PNG outright: guessing the format would load every image plugin.
QIcon programIcon() {
  QIcon icon;
  for (const int size : form::kIconSizes) {
    QImageReader reader(QStringLiteral(":/quorvel-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

QColor colorOf(const form::Rgb& rgb) { return {rgb.red, rgb.green, rgb.blue}; }

QWidget* makeWidget(const Control& control, QWidget* parent) {
  switch (control.kind) {
    case Kind::TextBox: {
      auto* box = new QLineEdit(parent);
      if (control.maxLength > 0) box->setMaxLength(control.maxLength);
      if (control.centred) box->setAlignment(Qt::AlignCenter);
      box->setReadOnly(control.readOnly);
      return box;
    }
    case Kind::CommandButton:
      return new QPushButton(toQString(control.caption), parent);
    case Kind::ComboBox: {
      auto* combo = new QComboBox(parent);
      combo->setEditable(true);
      combo->setEditText(toQString(control.caption));
      return combo;
    }
    case Kind::Label:
      break;
  }
  auto* label = new QLabel(toQString(control.caption), parent);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  return label;
}

}  // namespace

frm_main::frm_main(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(toQString(form::kCaption));
  setWindowIcon(programIcon());
  setFont(fontOf(Face::Window));
  setFixedSize(toPixelsX(form::kClientWidth), toPixelsY(form::kClientHeight));

  std::map<const Control*, QWidget*> widgets;
  for (const Control& control : form::kControls) {
    QWidget* widget = makeWidget(control, this);
    widget->setObjectName(toQString(control.name));
    // A control in the window's face inherits it; setting it again would lay out its text anew.
    if (control.face != Face::Window) widget->setFont(fontOf(control.face));
    const int width = control.width == form::kSizedToCaption
                          ? widget->fontMetrics().horizontalAdvance(toQString(control.caption))
                          : toPixelsX(control.width);
    widget->setGeometry(toPixelsX(control.left), toPixelsY(control.top), width,
                        toPixelsY(control.height));
    if (control.background || control.foreground) {
      QPalette palette = widget->palette();
      if (control.background) palette.setColor(QPalette::Base, colorOf(*control.background));
      if (control.foreground) palette.setColor(QPalette::Text, colorOf(*control.foreground));
      widget->setPalette(palette);
    }
    widget->setAccessibleName(QString::fromStdString(form::accessibleName(control)));
    widgets[&control] = widget;
  }
  for (const Control* control : form::kStackingOrder) widgets[control]->lower();
  for (std::size_t i = 0; i + 1 < form::kTabOrder.size(); ++i) {
    setTabOrder(widgets[form::kTabOrder[i]], widgets[form::kTabOrder[i + 1]]);
  }
  // A caption names its entry to a screen reader as the entry's buddy.
  for (const Control& control : form::kControls) {
    if (control.labelledBy.empty()) continue;
    const auto* label = std::ranges::find(form::kControls, control.labelledBy, &Control::name);
    qobject_cast<QLabel*>(widgets[label])->setBuddy(widgets[&control]);
  }
  widgets[form::kTabOrder.front()]->setFocus();

  for (std::size_t i = 0; i < textBoxes_.size(); ++i) {
    textBoxes_.at(i) = qobject_cast<QLineEdit*>(widgets[form::kTextBoxes.at(i)]);
  }
  command1_ = qobject_cast<QPushButton*>(widgets[&form::control("Command1")]);

  // Enter anywhere in the window presses the default button, as in a dialog.
  auto* defaultButton = qobject_cast<QPushButton*>(widgets[&form::kDefaultButton]);
  defaultButton->setDefault(true);
  for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
    connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, defaultButton,
            &QPushButton::click);
  }
}

QLineEdit* frm_main::textBox(calc::TextBox box) const {
  return textBoxes_.at(static_cast<std::size_t>(box));
}

void frm_main::paintEvent(QPaintEvent* /*event*/) {
  // The painter starts with the default pen: the palette's text colour, one pixel.
  QPainter painter(this);
  for (const form::Line& line : form::kLines) {
    painter.drawLine(toPixelsX(line.x1), toPixelsY(line.y1), toPixelsX(line.x2),
                     toPixelsY(line.y2));
  }
}

int frm_main::toPixelsX(int twips) const { return form::twipsToPixels(twips, logicalDpiX()); }
int frm_main::toPixelsY(int twips) const { return form::twipsToPixels(twips, logicalDpiY()); }

}  // namespace qtui
