// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <QMessageBox>
#include <string>

namespace qtui {

// A message box of the program, over the owner when there is one: the
// application's title, the prompt as plain text, each CR breaking a line, and
// one OK button. Returns when the user has closed it.
void showMessageBox(QWidget* owner, QMessageBox::Icon icon, const std::string& prompt);

}  // namespace qtui
