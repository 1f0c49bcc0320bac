// SPDX-FileCopyrightText: 2026 Veskaro
// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>

#include "ui/controls.h"

namespace ui {

// The Song font in one of the window's settings.
QFont fontOf(Face face);

}  // namespace ui
