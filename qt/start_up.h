// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

#include "qt/running_window.h"

class QApplication;

namespace qtui {

// The program's start-up behind a barrier: the application set up, the window
// made, loaded, wired and shown. A step that fails leaves no window and says
// why in an error box, as the Windows program does; then there is none.
std::unique_ptr<RunningWindow> startUp(QApplication& app);

}  // namespace qtui
