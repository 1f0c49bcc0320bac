// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <array>

#include "calc/host.h"

class QLineEdit;
class QPushButton;

namespace qtui {

// The one window: its controls stand where the controls table puts them and
// never move.
class frm_main : public QWidget {
  Q_OBJECT

 public:
  explicit frm_main(QWidget* parent = nullptr);

  QLineEdit* textBox(calc::TextBox box) const;
  QPushButton* command1() const { return command1_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int toPixelsX(int twips) const;
  int toPixelsY(int twips) const;

  std::array<QLineEdit*, 4> textBoxes_{};  // Text1..Text4
  QPushButton* command1_ = nullptr;
};

}  // namespace qtui
