// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#include "ui/frm_main.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <algorithm>
#include <map>

#include "ui/controls.h"
#include "ui/face.h"
#include "ui/to_qstring.h"
#include "ui/twips.h"

namespace ui {
namespace {

// The 32-bit images of the program's icon, the only ones a window shows. Read
// as PNG outright: guessing the format would load every image plugin.
QIcon programIcon() {
  QIcon icon;
  for (const int size : kIconSizes) {
    QImageReader reader(QStringLiteral(":/quorvel-%1.png").arg(size), "png");
    reader.setAutoDetectImageFormat(false);
    icon.addPixmap(QPixmap::fromImage(reader.read()));
  }
  return icon;
}

QColor colorOf(const Rgb& rgb) { return {rgb.red, rgb.green, rgb.blue}; }

// A caption read aloud: no colon, no padding ("免　　征　　额：" is 免征额).
QString spokenCaption(std::string_view labelName) {
  const auto* label = std::find_if(kControls.begin(), kControls.end(),
                                   [&](const Control& c) { return c.name == labelName; });
  QString caption = toQString(label->caption);
  caption.remove(QChar(0xFF1A)).remove(QChar(0x3000));
  return caption.trimmed();
}

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
    case Kind::Label: {
      auto* label = new QLabel(toQString(control.caption), parent);
      label->setTextFormat(Qt::PlainText);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case Kind::Line:
      break;
  }
  return nullptr;  // a line has no window of its own
}

}  // namespace

frm_main::frm_main(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint) {
  setWindowTitle(toQString(kCaption));
  setWindowIcon(programIcon());
  setFont(fontOf(Face::Window));
  setFixedSize(toPixelsX(kClientWidth), toPixelsY(kClientHeight));

  std::map<int, QWidget*> tabOrder;
  for (const Control& control : kControls) {
    QWidget* widget = makeWidget(control, this);
    if (widget == nullptr) continue;
    widget->setObjectName(toQString(control.name));
    // A control in the window's face inherits it; setting it again would lay out its text anew.
    if (control.face != Face::Window) widget->setFont(fontOf(control.face));
    const int width = control.width == kSizedToCaption
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
    if (!control.labelledBy.empty()) widget->setAccessibleName(spokenCaption(control.labelledBy));
    if (widget->focusPolicy() != Qt::NoFocus) tabOrder[control.tabIndex] = widget;
    widget->lower();  // later controls stand behind earlier ones
  }
  for (auto it = tabOrder.begin(); std::next(it) != tabOrder.end(); ++it) {
    setTabOrder(it->second, std::next(it)->second);
  }
  tabOrder.begin()->second->setFocus();
}

QLineEdit* frm_main::textBox(calc::TextBox box) const {
  static constexpr std::array<const char*, 4> kNames{"Text1", "Text2", "Text3", "Text4"};
  return findChild<QLineEdit*>(kNames[static_cast<std::size_t>(box)]);
}

QPushButton* frm_main::command1() const { return findChild<QPushButton*>("Command1"); }

void frm_main::paintEvent(QPaintEvent* /*event*/) {
  // The painter starts with the default pen: the palette's text colour, one pixel.
  QPainter painter(this);
  for (const Line& line : kLines) {
    painter.drawLine(toPixelsX(line.x1), toPixelsY(line.y1), toPixelsX(line.x2),
                     toPixelsY(line.y2));
  }
}

int frm_main::toPixelsX(int twips) const { return twipsToPixels(twips, logicalDpiX()); }
int frm_main::toPixelsY(int twips) const { return twipsToPixels(twips, logicalDpiY()); }

}  // namespace ui
